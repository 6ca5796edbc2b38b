#pragma once

// Helpers for tests that run the real audio library.

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace dittaro::testing {

// Polls `done` every millisecond; false when `limit` passed first.
inline bool waitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Sets (or, without a value, removes) an environment variable for the lifetime of the
// object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (hadOld_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

struct WavFile {
    std::uint32_t rate = 0;
    std::uint16_t channels = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples;
};

// A 16-bit PCM file with the 44-byte header.
inline WavFile readWav(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
    WavFile wav;
    if (b.size() < 44) {
        return wav;
    }
    auto word = [&b](std::size_t at) {
        return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                          static_cast<std::uint32_t>(b[at + 3]) << 24);
    };
    wav.channels = static_cast<std::uint16_t>(b[22] | b[23] << 8);
    wav.rate = word(24);
    wav.dataSize = word(40);
    for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
        wav.samples.push_back(static_cast<std::int16_t>(b[i] | b[i + 1] << 8));
    }
    return wav;
}

} // namespace dittaro::testing
