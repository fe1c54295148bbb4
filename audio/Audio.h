#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "objects/Component.h"
#include "platform/SoundChannel.h"

// One named sound of an object: a sound effect (bgmOrSfx true) or a piece of music from the
// audio system's lists, with a loop flag, a volume, a mirrored play state and two volume ramps
// (a fade-out and a cross-fade into another Audio). Gameplay sets the public fields directly.
class Audio : public Component
{
public:
    static constexpr int kTypeId = 6;

    Audio();

    static std::string GetTypeName() { return "Audio"; }

    // Finds the position of audioName in its list for the inspector.
    void Init() override;
    // Mirrors the channel, runs the ramps and hands the volume to the channel.
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    // Shares the channel: stopping the copy stops this component's sound.
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // (Re)starts the sound from its beginning; "None" (or no name) only stops what played.
    void Play();
    void Stop();
    // Sets the name and kind; neither stops nor starts anything.
    void SetAudio(const std::string& name, bool sfx);
    // Lowers this volume to 0 over seconds while target's rises (to at most 0.7); starts the
    // target when it is not playing.
    void CrossFadeTo(const std::shared_ptr<Audio>& target, float seconds);

    // True when audioName names no sound at all.
    bool HasNoSound() const { return audioName.empty() || audioName == "None"; }

    std::string audioName;
    Platform::SoundChannel channel;
    bool bgmOrSfx = false;
    std::string playState = "Stop";
    bool isPlaying = false;
    bool isPaused = false;
    std::string loopText = "False";
    bool looping = false;
    float volume = 1.0f;
    std::shared_ptr<Audio> crossFadeTarget;
    float fadeOutTime = 0.0f;
    float crossFadeTime = 0.0f;
    bool fadingOut = false;
    bool crossFading = false;
    float crossFadeStep = 0.0f;
    float fadeOutStep = 0.0f;
    int listIndex = 0;

private:
    std::vector<std::string> ListNames() const;
};
