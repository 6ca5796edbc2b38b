#include "material/character_weights.h"

#include "common/text.h"

#include <array>

namespace dittaro {
namespace {

struct WeightClass {
    int weight;
    std::string_view characters;
};

// The underscore weighs 14 (the length of "..--"), not the 20 of its six-element code:
// exam budgets have always been reckoned that way.
constexpr WeightClass kWeightClasses[] = {
    {4, "Ee "},
    {6, "ITit"},
    {8, "ANSans"},
    {10, "DHMRUdhmru"},
    {12, "5BFGKLVWbfgklvw"},
    {14, "!&*46COPXZ\\_`copxz"},
    {16, "+/37=JQY^jqy}"},
    {18, "\"#$%(-28?~|"},
    {20, ".19:;@{"},
    {22, "'),0"},
};

constexpr std::array<int, 256> buildWeights() {
    std::array<int, 256> weights{};
    for (const WeightClass& wc : kWeightClasses) {
        for (char c : wc.characters) {
            weights[static_cast<unsigned char>(c)] = wc.weight;
        }
    }
    return weights;
}

constexpr std::array<int, 256> kWeights = buildWeights();

} // namespace

int characterWeight(unsigned char c) {
    return kWeights[c];
}

int timeFactor(std::string_view plainLine) {
    int sum = 0;
    for (char c : trimmed(plainLine)) {
        sum += characterWeight(static_cast<unsigned char>(c));
    }
    return sum;
}

} // namespace dittaro
