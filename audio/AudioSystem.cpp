#include "audio/AudioSystem.h"

#include <sstream>

#include "engine/LoggingSystem.h"
#include "platform/WholeFile.h"

namespace Framework {

namespace {
const char* const kSoundListPath = "../resources/sfx/sfx.txt";
const char* const kBGMListPath = "../resources/bgm/bgm.txt";

// Past this many files of one list that did not load, the rest are told as one count.
constexpr int kMostSilentFilesTold = 8;

// 174761 as "174,761", read at a glance.
std::string Grouped(std::size_t count)
{
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

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
    // A file named by many names, or in both lists, is loaded once and its sound shared.
    LoadedSounds loaded;
    LoadSoundList(kSoundListPath, soundList, loaded);
    LoadSoundList(kBGMListPath, bgmList, loaded);
}

void AudioSystem::LoadSoundList(const std::string& listPath, SoundList& list, LoadedSounds& loaded)
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
    std::map<std::string, std::string> paths;
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
        paths[name] = path;
    }

    // Each file that did not load is told once: its first name and how many more it silences.
    struct Silenced
    {
        std::string first;
        std::size_t more = 0;
    };
    std::map<std::string, Silenced> silent;
    for (const auto& [listed, file] : paths)
    {
        auto found = loaded.find(file);
        if (found == loaded.end())
            found = loaded.emplace(file, system.LoadSound(file)).first;
        // A failed load is kept as a null sound so the name stays known to the editor.
        list[listed] = found->second;
        if (!found->second && system.IsAudible())
        {
            const auto [entry, first] = silent.try_emplace(file, Silenced{listed, 0});
            if (!first)
                ++entry->second.more;
        }
    }
    int told = 0;
    std::size_t untoldFiles = 0;
    std::size_t untoldNames = 0;
    for (const auto& [file, names] : silent)
    {
        if (told++ < kMostSilentFilesTold)
        {
            ReportError("Audio: the sound \"" + names.first + "\" (\"" + file + "\") did not load; it plays nothing" +
                        (names.more ? ", and neither do " + Grouped(names.more) + " more names of that file" : ""));
            continue;
        }
        ++untoldFiles;
        untoldNames += 1 + names.more;
    }
    if (untoldFiles > 0)
        ReportError("Audio: " + Grouped(untoldFiles) + " more files of \"" + listPath + "\" did not load either; their " +
                    Grouped(untoldNames) + " names play nothing");
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
