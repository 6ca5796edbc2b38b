#include "engine/wav_file.h"

#include "engine/wav_header.h"

#include <atomic>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dittaro {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// A file in the target's folder that becomes the target by renaming; removed unless kept.
class PartFile {
public:
    explicit PartFile(const std::filesystem::path& target) {
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            std::string name(".");
            name.append(target.filename().string())
                .append(".")
                .append(std::to_string(getpid()))
                .append(".")
                .append(std::to_string(counter.fetch_add(1)))
                .append(".part");
            path_ = target;
            path_.replace_filename(name);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST) {
                break;
            }
        }
        created_ = fd_ >= 0;
        if (!created_) {
            error_ = errno;
        }
    }
    ~PartFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (created_ && !kept_) {
            ::unlink(path_.c_str());
        }
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    bool ok() const { return error_ == 0; }
    int error() const { return error_; }

    void append(const void* data, std::size_t size) {
        const char* p = static_cast<const char*>(data);
        while (ok() && size > 0) {
            const ssize_t n = ::write(fd_, p, size);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                fail(n < 0 ? errno : ENOSPC);
                return;
            }
            p += n;
            size -= static_cast<std::size_t>(n);
        }
    }

    void putAt(std::size_t offset, std::uint32_t value) {
        std::uint8_t bytes[4];
        putLittleEndian(bytes, value, 4);
        if (ok() && ::pwrite(fd_, bytes, 4, static_cast<off_t>(offset)) != 4) {
            fail(errno != 0 ? errno : EIO);
        }
    }

    // Closes the file and gives it the target's name.
    void commit(const std::filesystem::path& target) {
        if (!ok()) {
            return;
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            fail(errno);
            return;
        }
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            fail(errno);
            return;
        }
        kept_ = true;
    }

private:
    void fail(int error) {
        if (error_ == 0) {
            error_ = error;
        }
    }

    std::filesystem::path path_;
    int fd_ = -1;
    int error_ = 0;
    bool created_ = false;
    bool kept_ = false;
};

} // namespace

RenderOutcome renderWavFile(const std::filesystem::path& target, std::string_view timingText,
                            const RenderSettings& settings, const RenderProgress& progress) {
    RenderOutcome outcome;
    const std::vector<long long> counts = renderSampleCounts(timingText);
    if (counts.empty()) {
        return outcome;
    }
    long long total = 0;
    for (long long count : counts) {
        total += std::llabs(count);
        if (total > (static_cast<long long>(UINT32_MAX) - 36) / 2) {
            outcome.status = RenderStatus::TooLong;
            return outcome;
        }
    }
    // Renaming would replace a write-protected file that opening for writing would refuse.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        outcome.status = RenderStatus::WriteFailed;
        outcome.reason = systemReason(errno);
        return outcome;
    }

    const RenderTables tables = buildRenderTables(settings.amplitude, settings.rampMs);
    const int maximum = static_cast<int>(std::min<std::size_t>(counts.size() - 1, INT_MAX));
    if (progress) {
        progress(0, maximum);
    }

    PartFile file(target);
    const auto header = wavHeader(kRenderRate);
    file.append(header.data(), header.size());
    SampleRenderer renderer(tables, settings.pitch, [&file](std::span<const std::int16_t> block) {
        if constexpr (std::endian::native == std::endian::little) {
            file.append(block.data(), block.size_bytes());
        } else {
            std::vector<std::uint8_t> bytes(block.size_bytes());
            for (std::size_t i = 0; i < block.size(); ++i) {
                putLittleEndian(&bytes[2 * i], static_cast<std::uint16_t>(block[i]), 2);
            }
            file.append(bytes.data(), bytes.size());
        }
    });
    const std::size_t step = std::max<std::size_t>(1, counts.size() / 5);
    for (std::size_t i = 0; i < counts.size() && file.ok(); ++i) {
        renderer.element(counts[i]);
        if (progress && (i + 1) % step == 0) {
            progress(static_cast<int>(std::min<std::size_t>(i, INT_MAX)), maximum);
        }
    }
    renderer.flush();
    const auto dataBytes = static_cast<std::uint32_t>(total * 2);
    file.putAt(kWavRiffSizeOffset, dataBytes + 36);
    file.putAt(kWavDataSizeOffset, dataBytes);
    file.commit(target);
    if (!file.ok()) {
        outcome.status = RenderStatus::WriteFailed;
        outcome.reason = systemReason(file.error());
        return outcome;
    }
    outcome.status = RenderStatus::Written;
    outcome.samples = total;
    return outcome;
}

} // namespace dittaro
