#include "platform/help/chm_system.h"

#include <cstdint>

namespace dittaro {

namespace {

constexpr std::uint16_t kContentsFile = 0;
constexpr std::uint16_t kDefaultTopic = 2;
constexpr std::uint16_t kTitle = 3;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

// Record strings are NUL-terminated inside their declared length.
std::string recordString(std::string_view data) {
    return std::string(data.substr(0, data.find('\0')));
}

} // namespace

std::optional<ChmSystemInfo> parseChmSystem(std::string_view bytes) {
    if (bytes.size() < 4) {
        return std::nullopt;
    }
    const std::uint32_t version = littleEndian(bytes, 0, 4);
    if (version < 2 || version > 4) {
        return std::nullopt;
    }
    ChmSystemInfo info;
    std::size_t at = 4;
    while (at < bytes.size()) {
        if (bytes.size() - at < 4) {
            return std::nullopt;
        }
        const auto code = static_cast<std::uint16_t>(littleEndian(bytes, at, 2));
        const std::size_t length = littleEndian(bytes, at + 2, 2);
        at += 4;
        if (bytes.size() - at < length) {
            return std::nullopt;
        }
        const std::string_view data = bytes.substr(at, length);
        if (code == kContentsFile) {
            info.contentsFile = recordString(data);
        } else if (code == kDefaultTopic) {
            info.defaultTopic = recordString(data);
        } else if (code == kTitle) {
            info.title = recordString(data);
        }
        at += length;
    }
    return info;
}

} // namespace dittaro
