#include "platform/audio/audio_library.h"

namespace dittaro {
namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function, std::string& error) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (function == nullptr && error.empty()) {
        error = std::string("missing entry point ") + name;
    }
    return function != nullptr;
}

} // namespace

AudioLibrary::~AudioLibrary() {
    free();
}

bool AudioLibrary::load(const std::filesystem::path& programDirectory) {
    if (loaded()) {
        return true;
    }
    error_.clear();
    const std::filesystem::path file = programDirectory / kFileName;
    library_.setFileName(QString::fromStdString(file.string()));
    if (!library_.load()) {
        error_ = library_.errorString().toStdString();
        return false;
    }
    decltype(getVersion_) getVersion = nullptr;
    const bool complete = resolve(library_, "BASS_GetVersion", getVersion, error_) &
                          resolve(library_, "BASS_Init", init_, error_) &
                          resolve(library_, "BASS_SetConfig", setConfig_, error_) &
                          resolve(library_, "BASS_StreamCreate", streamCreate_, error_) &
                          resolve(library_, "BASS_ChannelPlay", channelPlay_, error_) &
                          resolve(library_, "BASS_ChannelStop", channelStop_, error_) &
                          resolve(library_, "BASS_ChannelPause", channelPause_, error_) &
                          resolve(library_, "BASS_ChannelIsActive", channelIsActive_, error_) &
                          resolve(library_, "BASS_Free", free_, error_);
    if (!complete) {
        library_.unload();
        return false;
    }
    getVersion_ = getVersion;
    return true;
}

std::uint32_t AudioLibrary::version() const {
    return loaded() ? getVersion_() : 0;
}

bool AudioLibrary::init() {
    if (!loaded() || initialized_) {
        return initialized_;
    }
    initialized_ = init_(-1, 44100, 0) != 0;
    return initialized_;
}

bool AudioLibrary::setBufferMs(std::uint32_t ms) {
    return loaded() && setConfig_(BASS_CONFIG_BUFFER, ms) != 0;
}

void AudioLibrary::free() {
    if (initialized_) {
        free_();
        initialized_ = false;
    }
}

StreamHandle AudioLibrary::createStream(StreamProc proc, void* user) {
    return initialized_ ? streamCreate_(8000, 1, 0, proc, user) : 0;
}

bool AudioLibrary::play(StreamHandle stream, bool restart) {
    return initialized_ && channelPlay_(stream, restart ? 1 : 0) != 0;
}

bool AudioLibrary::stop(StreamHandle stream) {
    return initialized_ && channelStop_(stream) != 0;
}

bool AudioLibrary::pause(StreamHandle stream) {
    return initialized_ && channelPause_(stream) != 0;
}

bool AudioLibrary::isActive(StreamHandle stream) {
    return initialized_ && channelIsActive_(stream) == BASS_ACTIVE_PLAYING;
}

} // namespace dittaro
