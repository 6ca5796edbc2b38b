#include "material/exam_scrambling.h"

#include "common/random.h"

#include <array>
#include <cstddef>

namespace dittaro {
namespace {

// Shared by the import and the generator; changing it makes every stored line unreadable.
constexpr std::array<unsigned char, 4> kKey = {0x2A, 0x71, 0xB4, 0x0D};
constexpr std::size_t kFillerLength = 3;

std::string xorWithKey(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ kKey[i % kKey.size()]);
    }
    return out;
}

} // namespace

std::string scrambleExamLine(std::string_view plainLine) {
    std::string stored;
    stored.reserve(kFillerLength + plainLine.size());
    for (std::size_t i = 0; i < kFillerLength; ++i) {
        stored.push_back(static_cast<char>(random(250) + 1));
    }
    return stored + xorWithKey(plainLine);
}

std::string unscrambleExamLine(std::string_view storedLine) {
    if (storedLine.size() < kFillerLength) {
        return {};
    }
    return xorWithKey(storedLine.substr(kFillerLength));
}

} // namespace dittaro
