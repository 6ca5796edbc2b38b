// A stand-in for libdittaro-audio.so that has every entry point but reports interface
// version 2.3, for the start-up check of the library version.

#include "platform/audio/audio_api.h"

extern "C" {

uint32_t BASS_GetVersion(void) {
    return 0x02030000;
}
int BASS_Init(int, uint32_t, uint32_t) {
    return 0;
}
int BASS_SetConfig(uint32_t, uint32_t) {
    return 0;
}
HSTREAM BASS_StreamCreate(uint32_t, uint32_t, uint32_t, STREAMPROC, void*) {
    return 0;
}
int BASS_ChannelPlay(uint32_t, int) {
    return 0;
}
int BASS_ChannelStop(uint32_t) {
    return 0;
}
int BASS_ChannelPause(uint32_t) {
    return 0;
}
uint32_t BASS_ChannelIsActive(uint32_t) {
    return BASS_ACTIVE_STOPPED;
}
int BASS_Free(void) {
    return 0;
}
}
