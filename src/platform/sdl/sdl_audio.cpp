#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

bool opened = false;
Mix_Music* music = nullptr;
// SDL_mixer 2.6 has no master volume of its own: the output volume is a gain over the final mix.
std::atomic<uint32_t> outputLevel{100};

void applyOutputLevel(void*, Uint8* stream, int length)
{
    const uint32_t level = outputLevel.load();
    if (level >= 100)
        return;
    auto* samples = reinterpret_cast<Sint16*>(stream);
    const int count = length / int(sizeof(Sint16));
    for (int i = 0; i < count; ++i)
        samples[i] = Sint16(int32_t(samples[i]) * int32_t(level) / 100);
}

int toMixerVolume(uint32_t volume) { return int(std::min<uint32_t>(volume, 100) * MIX_MAX_VOLUME / 100); }

}  // namespace

bool openAudioOutput()
{
    if (opened)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_OGG);
    Mix_SetPostMix(applyOutputLevel, nullptr);
    opened = true;
    return true;
}

void closeAudioOutput()
{
    if (!opened)
        return;
    stopMusic();
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    opened = false;
}

bool audioOutputOpen() { return opened; }

uint32_t outputVolume() { return outputLevel.load(); }

void setOutputVolume(uint32_t volume) { outputLevel.store(std::min<uint32_t>(volume, 100)); }

bool playLoopedMusic(const uint8_t* bytes, size_t size, uint32_t volume)
{
    if (!opened || !bytes || size == 0 || size > size_t(INT32_MAX))
        return false;
    stopMusic();
    SDL_RWops* source = SDL_RWFromConstMem(bytes, int(size));
    if (!source)
        return false;
    music = Mix_LoadMUS_RW(source, 1);
    if (!music)
        return false;
    Mix_VolumeMusic(toMixerVolume(volume));
    return Mix_PlayMusic(music, -1) == 0;
}

void stopMusic()
{
    if (!music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    music = nullptr;
}

}  // namespace platform
