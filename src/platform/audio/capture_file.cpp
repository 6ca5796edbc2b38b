#include "platform/audio/capture_file.h"

#include "engine/wav_header.h"

namespace dittaro::audio {

constexpr std::uint32_t kCaptureRate = 8000;

bool CaptureFile::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "wbe");
    if (file_ == nullptr) {
        return false;
    }
    dataBytes_ = 0;
    const auto header = wavHeader(kCaptureRate, 0u);
    std::fwrite(header.data(), 1, header.size(), file_);
    update();
    return true;
}

void CaptureFile::append(const std::int16_t* samples, std::size_t count) {
    if (file_ == nullptr) {
        return;
    }
    // A WAV file counts at most 4 GiB; beyond that the capture simply ends.
    if (dataBytes_ + 2 * count > UINT32_MAX - 36) {
        return;
    }
    bytes_.resize(2 * count);
    for (std::size_t i = 0; i < count; ++i) {
        putLittleEndian(&bytes_[2 * i], static_cast<std::uint16_t>(samples[i]), 2);
    }
    std::fwrite(bytes_.data(), 1, bytes_.size(), file_);
    dataBytes_ += 2 * count;
}

void CaptureFile::update() {
    if (file_ == nullptr) {
        return;
    }
    const long end = std::ftell(file_);
    const auto header = wavHeader(kCaptureRate, static_cast<std::uint32_t>(dataBytes_));
    std::fseek(file_, 0, SEEK_SET);
    std::fwrite(header.data(), 1, header.size(), file_);
    std::fseek(file_, end, SEEK_SET);
    std::fflush(file_);
}

void CaptureFile::close() {
    if (file_ != nullptr) {
        update();
        std::fclose(file_);
        file_ = nullptr;
    }
}

} // namespace dittaro::audio
