#include "common/random.h"

#include <chrono>
#include <mutex>
#include <random>

namespace dittaro {
namespace {

struct Generator {
    std::mutex mutex;
    std::mt19937_64 engine{
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
};

Generator& generator() {
    static Generator instance;
    return instance;
}

} // namespace

int random(int n) {
    if (n <= 0) {
        return 0;
    }
    Generator& g = generator();
    std::lock_guard lock(g.mutex);
    return std::uniform_int_distribution<int>(0, n - 1)(g.engine);
}

void randomize() {
    seedRandom(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void seedRandom(std::uint64_t seed) {
    Generator& g = generator();
    std::lock_guard lock(g.mutex);
    g.engine.seed(seed);
}

} // namespace dittaro
