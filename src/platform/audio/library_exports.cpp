// The C entry points of libdittaro-audio.so.

#include "platform/audio/audio_api.h"
#include "platform/audio/null_device.h"
#include "platform/audio/portaudio_device.h"
#include "platform/audio/stream_mixer.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

namespace dittaro::audio {
namespace {

constexpr std::uint32_t kVersion = 0x02040000;
constexpr std::uint32_t kStreamRate = 8000;

struct Library {
    // Serialises Init, SetConfig and Free; the streams have the mixer's own lock.
    std::mutex api;
    StreamMixer mixer;
    std::unique_ptr<OutputDevice> device;
    // Whether a device runs, for the calls that do not take the api lock.
    std::atomic<bool> ready{false};
    int bufferMs = 500;
};

Library& library() {
    static Library instance;
    return instance;
}

std::unique_ptr<OutputDevice> openNull(StreamMixer& mixer, const std::string& capturePath) {
    std::unique_ptr<CaptureFile> capture;
    if (!capturePath.empty()) {
        capture = std::make_unique<CaptureFile>();
        if (!capture->open(capturePath)) {
            return nullptr;
        }
    }
    return std::make_unique<NullDevice>(mixer, std::move(capture));
}

std::unique_ptr<OutputDevice> openDevice(Library& lib, int device, std::uint32_t freq) {
    if (device == 0) {
        return openNull(lib.mixer, {});
    }
    if (device != -1 && device != 1) {
        return nullptr;
    }
    const char* variable = std::getenv("DITTARO_AUDIO");
    const std::string choice = variable != nullptr ? variable : "";
    const int rate = static_cast<int>(freq);
    if (choice.empty()) {
        if (auto real = PortAudioDevice::open(lib.mixer, lib.bufferMs, rate)) {
            return real;
        }
        return openNull(lib.mixer, {});
    }
    if (choice == "portaudio") {
        return PortAudioDevice::open(lib.mixer, lib.bufferMs, rate);
    }
    if (choice == "null") {
        return openNull(lib.mixer, {});
    }
    const std::string capture = "capture:";
    if (choice.starts_with(capture) && choice.size() > capture.size()) {
        return openNull(lib.mixer, choice.substr(capture.size()));
    }
    return nullptr;
}

} // namespace
} // namespace dittaro::audio

using dittaro::audio::library;
using dittaro::audio::StreamMixer;

extern "C" {

uint32_t BASS_GetVersion(void) {
    return dittaro::audio::kVersion;
}

int BASS_Init(int device, uint32_t freq, uint32_t /*flags*/) {
    auto& lib = library();
    if (StreamMixer::mixingOnThisThread()) {
        return 0;
    }
    std::lock_guard lock(lib.api);
    if (lib.device) {
        return 0;
    }
    lib.device = dittaro::audio::openDevice(lib, device, freq);
    lib.ready = lib.device != nullptr;
    return lib.ready ? 1 : 0;
}

int BASS_SetConfig(uint32_t option, uint32_t value) {
    auto& lib = library();
    if (option != BASS_CONFIG_BUFFER || StreamMixer::mixingOnThisThread()) {
        return 0;
    }
    std::lock_guard lock(lib.api);
    lib.bufferMs = static_cast<int>(std::min<uint32_t>(value, 5000));
    if (lib.device) {
        lib.device->setBufferMs(lib.bufferMs);
    }
    return 1;
}

HSTREAM BASS_StreamCreate(uint32_t freq, uint32_t chans, uint32_t flags, STREAMPROC proc,
                          void* user) {
    auto& lib = library();
    if (freq != dittaro::audio::kStreamRate || chans != 1 || flags != 0) {
        return 0;
    }
    if (!lib.ready) {
        return 0;
    }
    return lib.mixer.create(proc, user);
}

int BASS_ChannelPlay(uint32_t handle, int restart) {
    return library().mixer.play(handle, restart != 0) ? 1 : 0;
}

int BASS_ChannelStop(uint32_t handle) {
    return library().mixer.stop(handle) ? 1 : 0;
}

int BASS_ChannelPause(uint32_t handle) {
    return library().mixer.pause(handle) ? 1 : 0;
}

uint32_t BASS_ChannelIsActive(uint32_t handle) {
    return library().mixer.activity(handle);
}

int BASS_Free(void) {
    auto& lib = library();
    if (StreamMixer::mixingOnThisThread()) {
        return 0;
    }
    std::lock_guard lock(lib.api);
    if (!lib.device) {
        return 0;
    }
    lib.ready = false;
    lib.device.reset();
    lib.mixer.clear();
    return 1;
}

} // extern "C"
