#include "platform/SoundNullBackend.h"

#include <SDL.h>

namespace Platform {

namespace {
struct NullSound {
    float seconds = 0.0f;
};
}  // namespace

bool SoundNullBackend::Open(int channelCount, std::string&)
{
    voices.assign(static_cast<size_t>(channelCount), Voice());
    return true;
}

void SoundNullBackend::Close()
{
    voices.clear();
}

void* SoundNullBackend::Load(const std::string& path, float& seconds, std::string& error)
{
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &spec, &buffer, &length)) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_FreeWAV(buffer);
    int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
    seconds = (frameBytes > 0 && spec.freq > 0)
                  ? static_cast<float>(static_cast<double>(length) / frameBytes / spec.freq)
                  : 0.0f;
    return new NullSound{seconds};
}

void SoundNullBackend::Free(void* sound)
{
    delete static_cast<NullSound*>(sound);
}

bool SoundNullBackend::Valid(int channel) const
{
    return channel >= 0 && channel < static_cast<int>(voices.size());
}

bool SoundNullBackend::Start(int channel, void* sound, bool loop, float)
{
    if (!Valid(channel) || !sound) return false;
    Voice& voice = voices[static_cast<size_t>(channel)];
    voice = Voice();
    voice.active = true;
    voice.loop = loop;
    voice.length = static_cast<NullSound*>(sound)->seconds;
    if (!loop && voice.length <= 0.0) voice.active = false;
    return true;
}

void SoundNullBackend::Pause(int channel)
{
    if (Valid(channel)) voices[static_cast<size_t>(channel)].paused = true;
}

void SoundNullBackend::Resume(int channel)
{
    if (Valid(channel)) voices[static_cast<size_t>(channel)].paused = false;
}

void SoundNullBackend::Halt(int channel)
{
    if (Valid(channel)) voices[static_cast<size_t>(channel)] = Voice();
}

void SoundNullBackend::SetVolume(int, float)
{
}

bool SoundNullBackend::IsActive(int channel)
{
    return Valid(channel) && voices[static_cast<size_t>(channel)].active;
}

void SoundNullBackend::Advance(float seconds)
{
    for (Voice& voice : voices) {
        if (!voice.active || voice.paused) continue;
        voice.position += seconds;
        if (!voice.loop && voice.position >= voice.length) voice.active = false;
    }
}

}  // namespace Platform
