#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/System.h"
#include "platform/Sound.h"
#include "platform/SoundChannel.h"
#include "platform/SoundChannelGroup.h"
#include "platform/SoundSystem.h"

namespace Framework {

// Owns the sound output: two channel groups and the named sound and music lists read from
// "../resources/sfx/sfx.txt" and "../resources/bgm/bgm.txt". Plays start paused so the caller
// can set the volume first; a name missing from its list plays nothing.
class AudioSystem : public System {
public:
    using SoundList = std::map<std::string, Platform::Sound>;

    AudioSystem();

    void HandleMessage(Message* message) override;  // 4 sets messageFlag, 5 clears it
    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;

    // A paused play of the named sound effect / piece of music; an invalid handle when the
    // name is not listed or its file did not load.
    Platform::SoundChannel PlaySound(const std::string& name, bool loop);
    Platform::SoundChannel PlayBGM(const std::string& name, bool loop);
    // Stops both groups: whatever a scene left playing (music, loops, one-shots) ends.
    void StopAll();

    // Every listed name, in byte order.
    std::vector<std::string> GetSoundNames() const;
    std::vector<std::string> GetBGMNames() const;

    // Told of every play asked for, listed or not (tests record what a scene plays).
    std::function<void(const std::string& name, bool sfx)> onPlay;

    bool messageFlag = false;
    int maxChannels = 32;
    Platform::SoundSystem system;
    SoundList soundList;
    Platform::SoundChannel soundChannel;
    Platform::SoundChannelGroup soundGroup;
    SoundList bgmList;
    Platform::SoundChannel bgmChannel;
    Platform::SoundChannelGroup bgmGroup;

private:
    // Sounds loaded this start, by the path they were loaded from (null for a failed load).
    using LoadedSounds = std::map<std::string, Platform::Sound>;

    // Reads "name path" pairs from a list file into list; a missing file leaves it empty. A path
    // loaded already (by this list or the other) is not loaded again.
    void LoadSoundList(const std::string& listPath, SoundList& list, LoadedSounds& loaded);
    Platform::SoundChannel Play(const std::string& name, bool loop, const SoundList& list,
                                const Platform::SoundChannelGroup& group, const char* kind);

    // Names already reported as missing, so a script asking every frame logs once.
    std::set<std::string> reportedMissing;
};

}  // namespace Framework

extern std::shared_ptr<Framework::AudioSystem> gAudioSystem;
