#pragma once

// The program's handle on libdittaro-audio.so: loads it at run time from the program
// directory, checks its version and offers its streams to the sound code.

#include "engine/audio_output.h"
#include "platform/audio/audio_api.h"

#include <QLibrary>
#include <filesystem>
#include <string>

namespace dittaro {

class AudioLibrary : public AudioOutput {
public:
    static constexpr const char* kFileName = "libdittaro-audio.so";
    static constexpr std::uint32_t kInterfaceVersion = 0x0204;
    static constexpr std::uint32_t kNormalBufferMs = 500;
    static constexpr std::uint32_t kKeyboardBufferMs = 200;

    AudioLibrary() = default;
    // Releases the output if it is still running.
    ~AudioLibrary() override;
    AudioLibrary(const AudioLibrary&) = delete;
    AudioLibrary& operator=(const AudioLibrary&) = delete;

    // False when the file is missing or lacks an entry point; error() says which.
    bool load(const std::filesystem::path& programDirectory);
    bool loaded() const { return getVersion_ != nullptr; }
    const std::string& error() const { return error_; }

    // 0 when not loaded.
    std::uint32_t version() const;
    bool versionMatches() const { return version() >> 16 == kInterfaceVersion; }

    // The default device at 44100 Hz; false when no output could be opened.
    bool init();
    bool initialized() const { return initialized_; }
    bool setBufferMs(std::uint32_t ms);
    void free();

    StreamHandle createStream(StreamProc proc, void* user) override;
    bool play(StreamHandle stream, bool restart) override;
    bool stop(StreamHandle stream) override;
    bool pause(StreamHandle stream) override;
    bool isActive(StreamHandle stream) override;

private:
    QLibrary library_;
    std::string error_;
    bool initialized_ = false;

    decltype(&BASS_GetVersion) getVersion_ = nullptr;
    decltype(&BASS_Init) init_ = nullptr;
    decltype(&BASS_SetConfig) setConfig_ = nullptr;
    decltype(&BASS_StreamCreate) streamCreate_ = nullptr;
    decltype(&BASS_ChannelPlay) channelPlay_ = nullptr;
    decltype(&BASS_ChannelStop) channelStop_ = nullptr;
    decltype(&BASS_ChannelPause) channelPause_ = nullptr;
    decltype(&BASS_ChannelIsActive) channelIsActive_ = nullptr;
    decltype(&BASS_Free) free_ = nullptr;
};

} // namespace dittaro
