#include "platform/audio/portaudio_device.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <portaudio.h>

#if defined(__SANITIZE_ADDRESS__)
#define DITTARO_LEAK_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DITTARO_LEAK_CHECKS 1
#endif
#endif
#ifdef DITTARO_LEAK_CHECKS
#include <sanitizer/lsan_interface.h>
#endif

namespace dittaro::audio {
namespace {

constexpr int kMixRate = 8000;

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

void quietJack(const char*) {}

// Without a sound card ALSA and JACK would fill stderr while PortAudio probes the devices.
void quietSystemLibraries() {
    snd_lib_error_set_handler(&quietAlsa);
    // PortAudio brings JACK along; it is already loaded when PortAudio is.
    if (void* jack = dlopen("libjack.so.0", RTLD_LAZY | RTLD_NOLOAD)) {
        using SetHandler = void (*)(void (*)(const char*));
        for (const char* name : {"jack_set_error_function", "jack_set_info_function"}) {
            if (auto set = reinterpret_cast<SetHandler>(dlsym(jack, name))) {
                set(&quietJack);
            }
        }
        dlclose(jack);
    }
}

// While probing, ALSA loads and unloads its plugins; what their initialisers allocate is
// lost with them. Those leaks belong to the system libraries, not to Dittaro.
struct SystemLibraryLeaks {
#ifdef DITTARO_LEAK_CHECKS
    __lsan::ScopedDisabler ignored;
#endif
};

// Below the normal 500 ms buffer the device runs at its low latency.
bool lowLatencyFor(int bufferMs) {
    return bufferMs < 500;
}

int deviceCallback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                   PaStreamCallbackFlags, void* user) {
    static_cast<PortAudioDevice*>(user)->fill(static_cast<std::int16_t*>(output), frames);
    return paContinue;
}

} // namespace

std::unique_ptr<PortAudioDevice> PortAudioDevice::open(StreamMixer& mixer, int bufferMs,
                                                       int preferredRate) {
    [[maybe_unused]] const SystemLibraryLeaks systemLeaks;
    quietSystemLibraries();
    if (Pa_Initialize() != paNoError) {
        return nullptr;
    }
    std::unique_ptr<PortAudioDevice> device(new PortAudioDevice(mixer, preferredRate));
    if (!device->start(bufferMs)) {
        return nullptr;
    }
    return device;
}

PortAudioDevice::PortAudioDevice(StreamMixer& mixer, int preferredRate)
    : mixer_(mixer), preferredRate_(preferredRate) {}

PortAudioDevice::~PortAudioDevice() {
    close();
    Pa_Terminate();
}

bool PortAudioDevice::start(int bufferMs) {
    const PaDeviceIndex index = Pa_GetDefaultOutputDevice();
    if (index == paNoDevice) {
        return false;
    }
    const PaDeviceInfo* info = Pa_GetDeviceInfo(index);
    if (info == nullptr) {
        return false;
    }
    lowLatency_ = lowLatencyFor(bufferMs);
    PaStreamParameters parameters{};
    parameters.device = index;
    parameters.channelCount = 1;
    parameters.sampleFormat = paInt16;
    parameters.suggestedLatency =
        lowLatency_ ? info->defaultLowOutputLatency : info->defaultHighOutputLatency;

    // At 8000 Hz the system resamples, but its buffers then cannot go below about 16 ms;
    // for low latency the library resamples and the device runs at its own rate.
    const double mixRate = kMixRate;
    const double ownRate = preferredRate_;
    const double rates[] = {lowLatency_ ? ownRate : mixRate, lowLatency_ ? mixRate : ownRate,
                            info->defaultSampleRate};
    for (double rate : rates) {
        if (rate <= 0 || Pa_IsFormatSupported(nullptr, &parameters, rate) != paFormatIsSupported) {
            continue;
        }
        rate_ = static_cast<int>(rate);
        resampler_ = rate_ == kMixRate ? nullptr : std::make_unique<Resampler>(kMixRate, rate_);
        PaStream* stream = nullptr;
        if (Pa_OpenStream(&stream, nullptr, &parameters, rate, paFramesPerBufferUnspecified,
                          paClipOff, &deviceCallback, this) != paNoError) {
            continue;
        }
        if (Pa_StartStream(stream) != paNoError) {
            Pa_CloseStream(stream);
            continue;
        }
        stream_ = stream;
        return true;
    }
    return false;
}

void PortAudioDevice::close() {
    if (stream_ != nullptr) {
        Pa_StopStream(stream_);
        Pa_CloseStream(stream_);
        stream_ = nullptr;
    }
}

void PortAudioDevice::setBufferMs(int ms) {
    if (lowLatencyFor(ms) == lowLatency_ && stream_ != nullptr) {
        return;
    }
    [[maybe_unused]] const SystemLibraryLeaks systemLeaks;
    close();
    start(ms);
}

double PortAudioDevice::latencySeconds() const {
    const PaStreamInfo* info = stream_ != nullptr ? Pa_GetStreamInfo(stream_) : nullptr;
    return info != nullptr ? info->outputLatency : 0;
}

void PortAudioDevice::fill(std::int16_t* out, unsigned long frames) {
    if (resampler_) {
        resampler_->process(out, frames, [this](std::int16_t* samples, std::size_t count) {
            mixer_.render(samples, count);
        });
    } else {
        mixer_.render(out, frames);
    }
}

} // namespace dittaro::audio
