#include "common/random.h"
#include "material/group_field_rules.h"
#include "material/random_groups.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace dittaro {
namespace {

constexpr const char* kKoch1 = "fjsldkahgrueiwoqptzvncmxby6758493021/,=.?";
constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyz";

std::map<char, int> histogram(std::string_view text) {
    std::map<char, int> counts;
    for (char c : text) {
        ++counts[c];
    }
    return counts;
}

std::string joinedGroups(const GroupExercise& exercise) {
    std::string all;
    for (const std::string& group : exercise.groupList) {
        all += group;
    }
    return all;
}

bool hasRepeatedCharacter(const std::string& group) {
    return std::set<char>(group.begin(), group.end()).size() != group.size();
}

GroupRequest request(std::string set, int length, int count, int repeat = 1) {
    GroupRequest r;
    r.characterSet = std::move(set);
    r.groupLength = length;
    r.count = count;
    r.repeat = repeat;
    return r;
}

GroupRequest kochRequest(int level, int length, int count, int repeat = 1) {
    GroupRequest r = request("abc", length, count, repeat);
    r.kochMode = true;
    r.kochOrder = kKoch1;
    r.kochLevel = level;
    return r;
}

class RandomGroups : public ::testing::Test {
protected:
    void SetUp() override { seedRandom(20240611); }
    CharacterPool pool;
};

TEST(CharacterPoolTopUp, AddsCopiesByTheQuotientTruncatedTowardZero) {
    const struct {
        int needed, pool, set, copies;
    } cases[] = {
        {10, 0, 10, 2},  // a = 1: two copies
        {10, 10, 10, 1}, // a = 0: one copy
        {25, 30, 26, 1}, // -5 / 26 truncates to 0, not -1: still one copy
        {2, 30, 26, 0},  // -28 / 26 = -1: the pool is left alone
        {25, 50, 26, 1}, // -25 / 26 is still 0
        {25, 51, 26, 0}, // a whole copy more than needed {495, 0, 36, 14},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(copiesToTopUp(c.needed, c.pool, c.set), c.copies)
            << c.needed << " needed, pool " << c.pool << ", set " << c.set;
    }
}

TEST_F(RandomGroups, PoolKeepsItsRestAndEveryCharacterComesEquallyOften) {
    const GroupRequest tenLetters = request("abcdefghij", 5, 2);
    std::string drawn;
    for (int exercise = 1; exercise <= 2; ++exercise) {
        const GroupDrawResult result = pool.draw(tenLetters);
        drawn += joinedGroups(result.exercise);
        EXPECT_EQ(pool.contents().size(), 10u) << "exercise " << exercise;
        // What was put in is either drawn or still waiting: two copies, then one more.
        const auto counts = histogram(drawn + pool.contents());
        ASSERT_EQ(counts.size(), 10u);
        for (const auto& [c, n] : counts) {
            EXPECT_EQ(n, exercise + 1) << c << " after exercise " << exercise;
        }
    }
}

TEST_F(RandomGroups, ExerciseMaterialHasOneEntryPerSentGroup) {
    const struct {
        GroupRequest request;
        std::size_t sent;
    } cases[] = {
        {request(kLetters, 5, 5, 1), 5},
        {request(kLetters, 3, 5, 3), 15},
        {kochRequest(2, 5, 5, 3), 16}, // the intro group once, whatever the repeat
        {request(kLetters, 2, 99, 2), 198},
    };
    for (const auto& c : cases) {
        pool.empty();
        const GroupExercise exercise = pool.draw(c.request).exercise;
        ASSERT_EQ(exercise.groupList.size(), c.sent);
        EXPECT_EQ(exercise.wordDisplayList, exercise.groupList);
        std::string text;
        for (const std::string& group : exercise.groupList) {
            EXPECT_EQ(group.size(), static_cast<std::size_t>(c.request.groupLength));
            text += group + ' ';
        }
        EXPECT_EQ(exercise.practiceText, text);
    }
}

TEST_F(RandomGroups, RepeatedGroupStandsTimesInARow) {
    const GroupExercise exercise = pool.draw(request(kLetters, 4, 5, 3)).exercise;
    for (std::size_t i = 0; i < exercise.groupList.size(); i += 3) {
        EXPECT_EQ(exercise.groupList[i], exercise.groupList[i + 1]);
        EXPECT_EQ(exercise.groupList[i], exercise.groupList[i + 2]);
    }
    // Only the distinct groups take characters from the pool: 26 - 5 x 4.
    EXPECT_EQ(pool.contents().size(), 6u);
}

TEST_F(RandomGroups, SetOfDistinctLettersNeverRepeatsOneInAGroup) {
    for (int run = 0; run < 200; ++run) {
        pool.empty();
        // One copy of 26 letters: a drawn letter has left the pool, so no draw can repeat it.
        for (const std::string& group : pool.draw(request(kLetters, 5, 5)).exercise.groupList) {
            EXPECT_FALSE(hasRepeatedCharacter(group)) << group;
        }
    }
}

TEST_F(RandomGroups, DrawsAgainOnlyWhileTheSetIsLongerThanTheGroup) {
    // A set no longer than the group takes every draw as it comes (a a, b b are normal);
    // a longer set draws again until the character is new to the group.
    const struct {
        const char* set;
        int length;
        double minRepeated, maxRepeated;
    } cases[] = {
        {"ab", 2, 0.25, 0.6},  // single draws: second letter equal with 2 in 5
        {"ab", 4, 1.0, 1.0},   // four letters from two always repeat
        {"abc", 2, 0.0, 0.05}, // redrawn up to the pool length
    };
    for (const auto& c : cases) {
        int repeated = 0;
        const int runs = 1000;
        for (int run = 0; run < runs; ++run) {
            pool.empty();
            const std::string group = pool.draw(request(c.set, c.length, 2)).exercise.groupList[0];
            ASSERT_EQ(group.size(), static_cast<std::size_t>(c.length));
            ASSERT_EQ(group.find_first_not_of(c.set), std::string::npos) << group;
            repeated += hasRepeatedCharacter(group) ? 1 : 0;
        }
        const double share = static_cast<double>(repeated) / runs;
        EXPECT_GE(share, c.minRepeated) << c.set << " L = " << c.length;
        EXPECT_LE(share, c.maxRepeated) << c.set << " L = " << c.length;
    }
}

TEST(KochDrawingSet, NewestTenOfTheCharactersInTrainingComeFirst) {
    const struct {
        int level;
        const char* set;
    } cases[] = {
        {2, "fjfj"},
        {10, "fjsldkahgrfjsldkahgr"},
        {15, "kahgrueiwofjsldkahgrueiwo"},
        {60, "93021/,=.?fjsldkahgrueiwoqptzvncmxby6758493021/,=.?"}, // beyond the order
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawingSet(kochRequest(c.level, 5, 5)), c.set) << "level " << c.level;
    }
}

TEST_F(RandomGroups, KochModeOpensWithTheNewestCharacterAndDrawsFromTheLevel) {
    const struct {
        int level, length;
        const char* intro;
        const char* allowed;
    } cases[] = {
        {2, 5, "jjjjj", "fj"},
        {15, 3, "ooo", "fjsldkahgrueiwo"},
    };
    for (const auto& c : cases) {
        pool.empty();
        const GroupExercise exercise = pool.draw(kochRequest(c.level, c.length, 6)).exercise;
        ASSERT_EQ(exercise.groupList.size(), 7u);
        EXPECT_EQ(exercise.groupList.front(), c.intro);
        EXPECT_EQ(exercise.practiceText.rfind(std::string(c.intro) + ' ', 0), 0u);
        for (std::size_t i = 1; i < exercise.groupList.size(); ++i) {
            EXPECT_EQ(exercise.groupList[i].find_first_not_of(c.allowed), std::string::npos)
                << exercise.groupList[i];
        }
        // The intro group takes nothing from the pool.
        const int setSize = static_cast<int>(drawingSet(kochRequest(c.level, 5, 5)).size());
        const int added = setSize * copiesToTopUp(6 * c.length, 0, setSize);
        EXPECT_EQ(pool.contents().size(), static_cast<std::size_t>(added - 6 * c.length));
    }
}

TEST_F(RandomGroups, FrequenciesOverManyExercisesAreEqual) {
    const struct {
        GroupRequest request;
        int newestWeight; // how much more often the ten newest Koch characters come
    } cases[] = {
        {request(kLetters, 5, 5), 1},
        {request("abcdefghijklmnopqrstuvwxyz0123456789", 4, 99), 1},
        {kochRequest(15, 5, 10), 2},
    };
    for (const auto& c : cases) {
        pool.empty();
        std::map<char, int> counts;
        int total = 0;
        for (int exercise = 0; exercise < 1000; ++exercise) {
            const GroupExercise drawn = pool.draw(c.request).exercise;
            // The Koch intro group is not drawn from the pool.
            for (std::size_t i = c.request.kochMode ? 1 : 0; i < drawn.groupList.size(); ++i) {
                for (char ch : drawn.groupList[i]) {
                    ++counts[ch];
                    ++total;
                }
            }
        }
        const std::string set = drawingSet(c.request);
        const auto weights = histogram(set);
        ASSERT_EQ(counts.size(), weights.size());
        for (const auto& [ch, weight] : weights) {
            const double expected = static_cast<double>(total) * weight / set.size();
            // Independent draws would stray by about the square root of the count; with the
            // pool a character strays only by the few copies left in it.
            const int needed = c.request.count * c.request.groupLength;
            const double bound = 2.0 * ((needed + set.size()) / set.size()) * weight + 3;
            EXPECT_NEAR(counts[ch], expected, bound) << "'" << ch << "' in " << set;
        }
        if (c.newestWeight == 2) {
            EXPECT_NEAR(static_cast<double>(counts['o']) / counts['f'], 2.0, 0.02);
        }
    }
}

TEST_F(RandomGroups, EmptyingThePoolKeepsAnOldSetOutOfTheNextExercise) {
    pool.draw(request("abcdefghij", 5, 3));
    ASSERT_FALSE(pool.contents().empty());
    // Without emptying, the rest of the letters would still be drawn with the digits.
    EXPECT_NE(pool.contents().find_first_of("abcdefghij"), std::string::npos);

    pool.empty(); // the character-set field changed
    const GroupExercise exercise = pool.draw(request("0123456789", 5, 3)).exercise;
    EXPECT_EQ(joinedGroups(exercise).find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(pool.contents().find_first_not_of("0123456789"), std::string::npos);
}

TEST_F(RandomGroups, TooShortCharacterSetIsReplacedByLettersAndDigits) {
    for (const char* set : {"", "x"}) {
        pool.draw(request("+-", 2, 2)); // leave a rest that must not leak in
        const GroupDrawResult result = pool.draw(request(set, 5, 5));
        ASSERT_TRUE(result.characterSet.has_value()) << set;
        EXPECT_EQ(*result.characterSet, kDefaultCharacterSet);
        EXPECT_FALSE(result.nothingToDraw);
        EXPECT_EQ(joinedGroups(result.exercise).find_first_not_of(kDefaultCharacterSet),
                  std::string::npos);
        EXPECT_EQ(pool.contents().find_first_not_of(kDefaultCharacterSet), std::string::npos);
    }
    EXPECT_FALSE(pool.draw(request("ab", 5, 5)).characterSet.has_value());
}

TEST_F(RandomGroups, KochModeWithoutAnOrderDrawsNothing) {
    GroupRequest koch = kochRequest(2, 5, 5);
    koch.kochOrder.clear();
    const GroupDrawResult result = pool.draw(koch);
    EXPECT_TRUE(result.nothingToDraw);
    EXPECT_TRUE(result.exercise.groupList.empty());
    EXPECT_TRUE(result.exercise.practiceText.empty());
    EXPECT_TRUE(pool.contents().empty());
}

TEST_F(RandomGroups, ExamGroupsEmptyThePoolAndDoubleTheHardCharacters) {
    pool.draw(request("abc", 5, 2));
    const std::string set = pool.examGroups();
    EXPECT_TRUE(pool.contents().empty());
    const auto counts = histogram(set);
    for (char c : std::string(",.?/bhs56")) {
        EXPECT_EQ(counts.at(c), 2) << c;
    }
    EXPECT_EQ(set.size(), 36u + 4u + 9u);
}

TEST(GroupFieldKeys, EachFieldTakesItsOwnKeys) {
    const struct {
        char key;
        FieldKey characterSet, count, repeat;
    } cases[] = {
        {'a', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject},
        {'Z', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject},
        {'0', FieldKey::Accept, FieldKey::Accept, FieldKey::Reject},
        {'1', FieldKey::Accept, FieldKey::Accept, FieldKey::Accept},
        {'3', FieldKey::Accept, FieldKey::Accept, FieldKey::Accept},
        {'4', FieldKey::Accept, FieldKey::Accept, FieldKey::Reject},
        {'9', FieldKey::Accept, FieldKey::Accept, FieldKey::Reject},
        {'@', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject},
        {'\'', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject},
        {'_', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject},
        {'\xDF', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject}, // ß
        {'\xC5', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject}, // Å
        {'\xFC', FieldKey::Accept, FieldKey::Reject, FieldKey::Reject}, // ü
        {'\xE7', FieldKey::Reject, FieldKey::Reject, FieldKey::Reject}, // ç has no code
        {' ', FieldKey::Reject, FieldKey::Reject, FieldKey::Reject},
        {'!', FieldKey::Reject, FieldKey::Reject, FieldKey::Reject},
        {'"', FieldKey::Reject, FieldKey::Reject, FieldKey::Reject},
        {';', FieldKey::Reject, FieldKey::Reject, FieldKey::Reject},
        {'\b', FieldKey::Accept, FieldKey::Clear, FieldKey::Clear},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(characterSetKey(c.key), c.characterSet) << "key " << int(c.key);
        EXPECT_EQ(groupCountKey(c.key), c.count) << "key " << int(c.key);
        EXPECT_EQ(repeatKey(c.key), c.repeat) << "key " << int(c.key);
    }
}

TEST(GroupFieldKeys, LeavingTheCharacterSetFieldRemovesWhatASetCannotHold) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"abc_def", "abcdef"},
        {"a b\tc;", "abc"},
        {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xE7", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
        {"+-=,.:?/()'@", "+-=,.:?/()'@"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cleanedCharacterSet(c.typed), c.kept) << c.typed;
    }
}

TEST(GroupFieldKeys, ConfirmedFieldsStayWithinTheirSpinButtons) {
    const struct {
        const char* text;
        int count, repeat;
    } cases[] = {
        {"", 2, 1},    {"0", 2, 1},    {"1", 2, 1},
        {"2", 2, 2},   {"3", 3, 3},    {"12", 12, 3},
        {"99", 99, 3}, {"100", 99, 3}, {"99999999999999999999", 99, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(confirmedGroupCount(c.text), c.count) << "'" << c.text << "'";
        EXPECT_EQ(confirmedRepeat(c.text), c.repeat) << "'" << c.text << "'";
    }
}

} // namespace
} // namespace dittaro
