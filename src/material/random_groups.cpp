#include "material/random_groups.h"

#include "common/random.h"
#include "material/group_field_rules.h"

#include <algorithm>

namespace dittaro {

std::string drawingSet(const GroupRequest& request) {
    if (!request.kochMode) {
        return request.characterSet;
    }
    const std::size_t level = static_cast<std::size_t>(std::max(request.kochLevel, 0));
    const std::string inTraining = request.kochOrder.substr(0, level);
    const std::size_t newest = std::min<std::size_t>(inTraining.size(), 10);
    return inTraining.substr(inTraining.size() - newest) + inTraining;
}

int copiesToTopUp(int needed, int poolSize, int setSize) {
    // Truncation toward zero is intended: a pool a little larger than needed still gets
    // one more copy, one larger by a whole copy gets none.
    const int quotient = (needed - poolSize) / setSize;
    return quotient >= 0 ? quotient + 1 : 0;
}

std::string CharacterPool::drawGroup(const std::string& set, int length) {
    const bool distinct = set.size() > static_cast<std::size_t>(length);
    std::string group;
    for (int i = 0; i < length && !pool_.empty(); ++i) {
        const int size = static_cast<int>(pool_.size());
        int position = random(size);
        if (distinct) {
            // Up to one draw per pool character; when every draw repeats a character of the
            // group, the last one is taken anyway.
            for (int tries = 1; tries < size && group.find(pool_[position]) != std::string::npos;
                 ++tries) {
                position = random(size);
            }
        }
        group += pool_[position];
        pool_.erase(static_cast<std::size_t>(position), 1);
    }
    return group;
}

GroupDrawResult CharacterPool::draw(const GroupRequest& request) {
    GroupDrawResult result;
    GroupRequest effective = request;
    if (effective.characterSet.size() < 2) {
        effective.characterSet = kDefaultCharacterSet;
        result.characterSet = effective.characterSet;
        empty();
    }
    const std::string set = drawingSet(effective);
    if (set.size() < 2) {
        result.nothingToDraw = true;
        return result;
    }
    const int length = request.groupLength;
    const int copies = copiesToTopUp(request.count * length, static_cast<int>(pool_.size()),
                                     static_cast<int>(set.size()));
    for (int i = 0; i < copies; ++i) {
        pool_ += set;
    }

    GroupExercise& exercise = result.exercise;
    auto send = [&exercise](const std::string& group, int times) {
        for (int i = 0; i < times; ++i) {
            exercise.practiceText += group + ' ';
            exercise.groupList.push_back(group);
            exercise.wordDisplayList.push_back(group);
        }
    };
    if (request.kochMode) {
        // The intro group announces the newest character and takes nothing from the pool.
        send(std::string(static_cast<std::size_t>(length), set.back()), 1);
    }
    for (int n = 0; n < request.count; ++n) {
        send(drawGroup(set, length), request.repeat);
    }
    return result;
}

std::string CharacterPool::examGroups() {
    empty();
    return kExamGroupsCharacterSet;
}

} // namespace dittaro
