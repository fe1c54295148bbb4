#include "platform/SoundMixerBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <string>

#include "platform/WholeFile.h"

namespace Platform {

namespace {
bool gMixerOpen = false;

int MixerVolume(float volume)
{
    return static_cast<int>(std::lround(volume * MIX_MAX_VOLUME));
}
}  // namespace

SoundMixerBackend::~SoundMixerBackend()
{
    Close();
}

bool SoundMixerBackend::Open(int channelCount, std::string& error)
{
    if (open) return true;
    if (gMixerOpen) {
        error = "the mixer is already in use";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        error = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int frequency = 0;
    int channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0 || channels <= 0) {
        error = Mix_GetError();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    bytesPerSecond = frequency * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
    if (Mix_AllocateChannels(channelCount) < channelCount) {
        error = "cannot allocate the mixer channels";
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    open = true;
    gMixerOpen = true;
    return true;
}

void SoundMixerBackend::Close()
{
    if (!open) return;
    Mix_HaltChannel(-1);
    Mix_AllocateChannels(0);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
    gMixerOpen = false;
}

void* SoundMixerBackend::Load(const std::string& path, float& seconds, std::string& error)
{
    if (!open) {
        error = "the mixer is closed";
        return nullptr;
    }
    // The mixer gets the bytes, never the path: it would block on a named pipe in a sound's
    // place. It decodes them into memory of its own, so they are freed after the load.
    std::string bytes;
    if (!ReadWholeFile(path, bytes, &error))
        return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
    if (!chunk) {
        error = Mix_GetError();
        return nullptr;
    }
    seconds = bytesPerSecond > 0 ? static_cast<float>(chunk->alen) / bytesPerSecond : 0.0f;
    return chunk;
}

void SoundMixerBackend::Free(void* sound)
{
    // SDL2_mixer halts any channel still playing the chunk before freeing it.
    if (sound) Mix_FreeChunk(static_cast<Mix_Chunk*>(sound));
}

bool SoundMixerBackend::Start(int channel, void* sound, bool loop, float volume)
{
    if (!open || !sound) return false;
    Mix_Volume(channel, MixerVolume(volume));
    return Mix_PlayChannel(channel, static_cast<Mix_Chunk*>(sound), loop ? -1 : 0) == channel;
}

void SoundMixerBackend::Pause(int channel)
{
    if (open) Mix_Pause(channel);
}

void SoundMixerBackend::Resume(int channel)
{
    if (open) Mix_Resume(channel);
}

void SoundMixerBackend::Halt(int channel)
{
    if (open) Mix_HaltChannel(channel);
}

void SoundMixerBackend::SetVolume(int channel, float volume)
{
    if (open) Mix_Volume(channel, MixerVolume(volume));
}

bool SoundMixerBackend::IsActive(int channel)
{
    return open && Mix_Playing(channel) != 0;
}

void SoundMixerBackend::Advance(float)
{
}

}  // namespace Platform
