#pragma once

// The mixed output as an 8000 Hz 16-bit mono WAV file, kept valid while it grows.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace dittaro::audio {

class CaptureFile {
public:
    // False when the file cannot be created.
    bool open(const std::string& path);
    void append(const std::int16_t* samples, std::size_t count);
    // Writes the sizes into the header; the data written so far forms a complete file.
    void update();
    void close();
    ~CaptureFile() { close(); }

private:
    std::FILE* file_ = nullptr;
    std::uint64_t dataBytes_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace dittaro::audio
