#pragma once

namespace Platform {

// Which backend SoundSystem::Init uses.
enum class SoundBackendKind {
    Mixer,        // SDL2_mixer on the audio device (the game's normal choice)
    Null,         // no device; channels play on a virtual clock advanced by Update(dt)
    Unavailable,  // behaves as if no audio device existed: the silent game
};

}  // namespace Platform
