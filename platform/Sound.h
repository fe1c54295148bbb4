#pragma once
#include <memory>
#include <string>

namespace Platform {

class SoundState;

// A sound loaded whole into memory by a SoundSystem (music too, so two tracks can overlap).
// A plain value: copies name the same sound. The default one, a failed load and every sound of
// a system that has shut down are null: playing them plays nothing.
class Sound {
public:
    Sound() = default;

    bool IsValid() const;
    explicit operator bool() const { return IsValid(); }
    // Length of one pass in seconds; 0 for a null sound.
    float Length() const;
    // The path it was loaded from ("" for a null sound).
    std::string Path() const;

private:
    friend class SoundSystem;
    Sound(std::weak_ptr<SoundState> state, int id) : state(std::move(state)), id(id) {}

    std::weak_ptr<SoundState> state;
    int id = -1;
};

}  // namespace Platform
