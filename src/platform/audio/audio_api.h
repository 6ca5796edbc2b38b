/* The C interface of libdittaro-audio.so, Dittaro's audio output library: pull streams of
 * 8000 16-bit mono samples per second, filled by sample callbacks and mixed onto one
 * output device. Interface version 2.4. */
#ifndef DITTARO_AUDIO_API_H
#define DITTARO_AUDIO_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define DITTARO_AUDIO_EXPORT __attribute__((visibility("default")))

typedef uint32_t HSTREAM;

/* Fills up to `length` bytes and returns the number written; OR-ing or returning
 * BASS_STREAMPROC_END ends the stream after those bytes. Runs on the device thread. */
typedef uint32_t (*STREAMPROC)(HSTREAM handle, void* buffer, uint32_t length, void* user);

#define BASS_STREAMPROC_END 0x80000000u

/* BASS_SetConfig: the output buffer length in ms (500 normally, 200 for low latency). */
#define BASS_CONFIG_BUFFER 1

/* BASS_ChannelIsActive */
#define BASS_ACTIVE_STOPPED 0
#define BASS_ACTIVE_PLAYING 1
#define BASS_ACTIVE_PAUSED 3

/* High word: the interface version, 0x0204. */
DITTARO_AUDIO_EXPORT uint32_t BASS_GetVersion(void);

/* device -1 (or 1): the output chosen by DITTARO_AUDIO: unset, the default PortAudio
 * device, falling back to the null device when none opens; "portaudio", that device or
 * failure; "null", a silent device pulling at the real-time pace; "capture:PATH", as null
 * and writing the mixed output to PATH as an 8000 Hz WAV file. device 0: the null device.
 * Returns 0 on failure (no device, already initialised, unknown choice). */
DITTARO_AUDIO_EXPORT int BASS_Init(int device, uint32_t freq, uint32_t flags);

DITTARO_AUDIO_EXPORT int BASS_SetConfig(uint32_t option, uint32_t value);

/* freq 8000, chans 1, flags 0. Returns 0 on failure. */
DITTARO_AUDIO_EXPORT HSTREAM BASS_StreamCreate(uint32_t freq, uint32_t chans, uint32_t flags,
                                               STREAMPROC proc, void* user);

/* restart non-zero: from the beginning; otherwise resume. */
DITTARO_AUDIO_EXPORT int BASS_ChannelPlay(uint32_t handle, int restart);
/* Once these return, the stream's callback is not running and is not called until played. */
DITTARO_AUDIO_EXPORT int BASS_ChannelStop(uint32_t handle);
DITTARO_AUDIO_EXPORT int BASS_ChannelPause(uint32_t handle);
/* An ended stream is released: it reports BASS_ACTIVE_STOPPED and cannot be played again. */
DITTARO_AUDIO_EXPORT uint32_t BASS_ChannelIsActive(uint32_t handle);

/* Stops the device and releases every stream. */
DITTARO_AUDIO_EXPORT int BASS_Free(void);

#ifdef __cplusplus
}
#endif

#endif
