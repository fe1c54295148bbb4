#include "audio/AudioSystem.h"

#include <sstream>

#include "engine/LoggingSystem.h"
#include "platform/WholeFile.h"

namespace Framework {

namespace {
const char* const kSoundListPath = "../resources/sfx/sfx.txt";
const char* const kBGMListPath = "../resources/bgm/bgm.txt";

std::vector<std::string> NamesOf(const AudioSystem::SoundList& list)
{
    std::vector<std::string> names;
    names.reserve(list.size());
    for (const auto& entry : list)
        names.push_back(entry.first);
    return names;
}
}  // namespace

AudioSystem::AudioSystem() = default;

void AudioSystem::HandleMessage(Message* message)
{
    if (!message)
        return;
    if (message->id == 4)
        messageFlag = true;
    else if (message->id == 5)
        messageFlag = false;
}

void AudioSystem::Init()
{
    // Without a device the layer runs silent; the lists are still read so every name is known.
    system.Init(maxChannels);
    soundGroup = system.CreateChannelGroup("Sound Channel Group");
    bgmGroup = system.CreateChannelGroup("BGM Channel Group");
    soundChannel = Platform::SoundChannel();
    bgmChannel = Platform::SoundChannel();
    soundList.clear();
    bgmList.clear();
    reportedMissing.clear();
    LoadSoundList(kSoundListPath, soundList);
    LoadSoundList(kBGMListPath, bgmList);
}

void AudioSystem::LoadSoundList(const std::string& listPath, SoundList& list)
{
    std::string text;
    std::string why;
    if (!Platform::ReadWholeFile(listPath, text, &why))
    {
        ReportError("Audio: cannot read the sound list \"" + listPath + "\" (" + why + "); it stays empty");
        return;
    }
    std::istringstream file(text);
    // Whitespace-separated pairs; line breaks carry no meaning, a later pair of a name wins.
    std::string name;
    std::string path;
    while (file >> name)
    {
        if (!(file >> path))
        {
            ReportError("Audio: \"" + listPath + "\" ends with the name \"" + name +
                        "\" and no file; it is left out");
            break;
        }
        Platform::Sound sound = system.LoadSound(path);
        if (!sound && system.IsAudible())
            ReportError("Audio: the sound \"" + name + "\" (\"" + path +
                        "\") did not load; it plays nothing");
        // A failed load is kept as a null sound so the name stays known to the editor.
        list[name] = sound;
    }
}

void AudioSystem::Update(float dt)
{
    timer.Restart();
    system.Update(dt);
    timer.Mark();
    timer.Measure();
}

void AudioSystem::StopAll()
{
    bgmGroup.Stop();
    soundGroup.Stop();
}

std::string AudioSystem::GetName()
{
    return "Audio System";
}

void AudioSystem::Shutdown()
{
    for (const auto& entry : soundList)
        system.ReleaseSound(entry.second);
    soundGroup.Stop();
    for (const auto& entry : bgmList)
        system.ReleaseSound(entry.second);
    bgmGroup.Stop();
    // Handles given out (channels, groups, sounds) go quiet; the names stay listed.
    system.Shutdown();
}

Platform::SoundChannel AudioSystem::Play(const std::string& name, bool loop, const SoundList& list,
                                         const Platform::SoundChannelGroup& group, const char* kind)
{
    // Looked up without inserting: an unknown name must not grow the list.
    const auto found = list.find(name);
    if (found == list.end())
    {
        if (!name.empty() && name != "None" && reportedMissing.insert(std::string(kind) + name).second)
            ReportError(std::string("Audio: no ") + kind + " named \"" + name + "\"; nothing plays");
        return Platform::SoundChannel();
    }
    return system.Play(found->second, group, loop, true);
}

Platform::SoundChannel AudioSystem::PlaySound(const std::string& name, bool loop)
{
    if (onPlay)
        onPlay(name, true);
    soundChannel = Play(name, loop, soundList, soundGroup, "sound effect");
    return soundChannel;
}

Platform::SoundChannel AudioSystem::PlayBGM(const std::string& name, bool loop)
{
    if (onPlay)
        onPlay(name, false);
    bgmChannel = Play(name, loop, bgmList, bgmGroup, "music");
    return bgmChannel;
}

std::vector<std::string> AudioSystem::GetSoundNames() const
{
    return NamesOf(soundList);
}

std::vector<std::string> AudioSystem::GetBGMNames() const
{
    return NamesOf(bgmList);
}

}  // namespace Framework
