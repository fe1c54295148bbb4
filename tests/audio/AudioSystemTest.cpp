// The audio system over the real mixer (dummy SDL driver): sound lists, plays, groups, handles.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "AudioTestSupport.h"
#include "audio/Audio.h"

using audiotest::AudioFixture;

using Names = std::vector<std::string>;

TEST_F(AudioFixture, SoundListsReadPairsWhateverTheLineBreaks)
{
    // Pairs across lines and on one line, CRLF ends, a duplicate (the later wins), a file that
    // is missing, and a name left without a path at the end.
    tree.WriteFile("resources/sfx/sfx.txt",
                   "door ../resources/sfx/alarm.wav step\r\n../resources/sfx/step.wav\n\n"
                   "   zebra ../resources/sfx/missing.wav\n"
                   "door ../resources/sfx/door.wav   \n"
                   "Alarm ../resources/sfx/alarm.wav\nlonely");
    tree.WriteFile("resources/bgm/bgm.txt", "");
    StartAudio();
    ASSERT_TRUE(gAudioSystem->system.IsAudible()) << "the dummy driver should give a mixer";

    // Byte order: upper case before lower case.
    EXPECT_EQ(gAudioSystem->GetSoundNames(), (Names{"Alarm", "door", "step", "zebra"}));
    EXPECT_TRUE(gAudioSystem->GetBGMNames().empty());
    EXPECT_EQ(gAudioSystem->soundList.at("door").Path(), "../resources/sfx/door.wav");
    EXPECT_TRUE(gAudioSystem->soundList.at("step").IsValid());
    // A file that fails to load stays listed (the editor shows it) but holds no sound.
    EXPECT_FALSE(gAudioSystem->soundList.at("zebra").IsValid());
    EXPECT_FALSE(gAudioSystem->PlaySound("zebra", false).IsValid());
}

TEST_F(AudioFixture, MissingListFilesLeaveEmptyListsAndUnknownNamesAreNotAdded)
{
    std::filesystem::remove(tree.Resources() / "sfx/sfx.txt");
    StartAudio();
    EXPECT_TRUE(gAudioSystem->GetSoundNames().empty());
    EXPECT_EQ(gAudioSystem->GetBGMNames(), (Names{"girl", "hall"}));

    for (int i = 0; i < 3; ++i)
    {
        EXPECT_FALSE(gAudioSystem->PlaySound("menu_select", false).IsValid());
        EXPECT_FALSE(gAudioSystem->PlayBGM("door", true).IsValid());  // a name of the other list
    }
    EXPECT_TRUE(gAudioSystem->GetSoundNames().empty());
    EXPECT_EQ(gAudioSystem->GetBGMNames(), (Names{"girl", "hall"}));
    EXPECT_EQ(gAudioSystem->soundList.count("menu_select"), 0u);
}

TEST_F(AudioFixture, PlaysComePausedOnTheirGroupAndGroupsStopSeparately)
{
    StartAudio();
    Platform::SoundChannel effect = gAudioSystem->PlaySound("door", true);
    ASSERT_TRUE(effect.IsValid());
    EXPECT_TRUE(effect.GetPaused());
    EXPECT_EQ(gAudioSystem->soundChannel, effect);
    effect.SetPaused(false);

    Platform::SoundChannel music = gAudioSystem->PlayBGM("hall", true);
    ASSERT_TRUE(music.IsValid());
    EXPECT_EQ(gAudioSystem->bgmChannel, music);
    music.SetPaused(false);
    EXPECT_EQ(gAudioSystem->soundGroup.GetName(), "Sound Channel Group");
    EXPECT_EQ(gAudioSystem->bgmGroup.GetName(), "BGM Channel Group");
    EXPECT_EQ(gAudioSystem->soundGroup.PlayingCount(), 1);
    EXPECT_EQ(gAudioSystem->bgmGroup.PlayingCount(), 1);

    gAudioSystem->bgmGroup.Stop();
    gAudioSystem->Update(0.016f);
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_TRUE(effect.IsPlaying());
    gAudioSystem->soundGroup.Stop();
    EXPECT_FALSE(effect.IsPlaying());

    // Messages 4 and 5 only flip a flag nothing reads.
    Framework::Message on{4};
    Framework::Message off{5};
    gAudioSystem->HandleMessage(&on);
    EXPECT_TRUE(gAudioSystem->messageFlag);
    gAudioSystem->HandleMessage(&off);
    EXPECT_FALSE(gAudioSystem->messageFlag);
    gAudioSystem->HandleMessage(nullptr);
    EXPECT_EQ(gAudioSystem->GetName(), "Audio System");
}

TEST_F(AudioFixture, StaleHandlesNeverTouchALaterPlay)
{
    StartAudio();
    auto first = std::make_shared<Audio>();
    first->SetAudio("door", true);
    first->looping = true;
    first->Play();
    ASSERT_TRUE(first->channel.IsPlaying());
    const int slot = first->channel.Index();

    // Its group is stopped behind its back, and another play takes the freed channel.
    gAudioSystem->soundGroup.Stop();
    auto second = std::make_shared<Audio>();
    second->SetAudio("Alarm", true);
    second->looping = true;
    second->Play();
    ASSERT_TRUE(second->channel.IsPlaying());
    ASSERT_EQ(second->channel.Index(), slot) << "the check needs the freed channel taken again";

    // The first component still believes it plays until its update; stopping or replaying it,
    // or changing its volume, must not reach the second play.
    EXPECT_TRUE(first->isPlaying);
    first->volume = 0.0f;
    first->Update(0.016f);
    EXPECT_FALSE(first->isPlaying);
    first->Stop();
    EXPECT_TRUE(second->channel.IsPlaying());
    EXPECT_EQ(second->channel.GetVolume(), 1.0f);

    // A copy shares the channel: stopping it stops the original's sound.
    auto copy = std::dynamic_pointer_cast<Audio>(second->Clone());
    ASSERT_TRUE(copy);
    copy->Stop();
    EXPECT_FALSE(second->channel.IsPlaying());
}

TEST_F(AudioFixture, ShutdownSilencesHandlesAndKeepsTheNames)
{
    StartAudio();
    Platform::SoundChannel music = gAudioSystem->PlayBGM("girl", true);
    music.SetPaused(false);
    gAudioSystem->Shutdown();
    EXPECT_FALSE(music.IsPlaying());
    music.Stop();
    music.SetVolume(0.5f);
    EXPECT_EQ(gAudioSystem->GetBGMNames(), (Names{"girl", "hall"}));
    EXPECT_FALSE(gAudioSystem->PlayBGM("girl", false).IsValid());
    gAudioSystem->Update(0.016f);
}

TEST_F(AudioFixture, WithoutADeviceEverythingIsSilentButKnown)
{
    StartAudio(Platform::SoundBackendKind::Unavailable);
    EXPECT_FALSE(gAudioSystem->system.IsAudible());
    EXPECT_EQ(gAudioSystem->GetSoundNames(), (Names{"Alarm", "door", "step"}));

    Audio music;
    music.SetAudio("hall", false);
    music.looping = true;
    music.Play();
    gAudioSystem->Update(0.016f);
    music.Update(0.016f);
    // Nothing can play, so the component reads as stopped and callers may try again.
    EXPECT_FALSE(music.isPlaying);
    EXPECT_EQ(music.playState, "Stop");
    gAudioSystem->bgmGroup.Stop();
}

namespace
{
int CountLines(const std::string& text, const std::string& words)
{
    int count = 0;
    std::size_t start = 0;
    while (start < text.size())
    {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start && text.substr(start, end - start).find(words) != std::string::npos)
            ++count;
        start = end + 1;
    }
    return count;
}
}  // namespace

// A list naming a few files over and over (both lists sharing one) loads each file once and
// tells each file that did not load once, with how many names it leaves silent.
TEST_F(AudioFixture, AListNamingFewFilesManyTimesLoadsEachOnceAndTellsEachFaultOnce)
{
    // Short tones: loaded once per name, the list would still fit in memory, and fail the counts.
    const std::string sfx = (tree.Resources() / "sfx").string();
    for (const char* tone : {"tick.wav", "tock.wav", "tack.wav"})
        SoundTest::WriteTone(sfx, tone, 0.01f);
    const std::vector<std::string> files = {"tick.wav", "tock.wav", "gone.wav", "tack.wav", "lost.wav"};
    constexpr int kNames = 100000;
    std::string list;
    for (int i = 0; i < kNames; ++i)
        list += "s" + std::to_string(i) + " ../resources/sfx/" + files[static_cast<std::size_t>(i) % files.size()] + "\n";
    tree.WriteFile("resources/sfx/sfx.txt", list);
    tree.WriteFile("resources/bgm/bgm.txt", "hall ../resources/sfx/tick.wav\nquiet ../resources/sfx/lost.wav\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    StartAudio();
    const std::string said = testing::internal::GetCapturedStderr() + testing::internal::GetCapturedStdout();
    ASSERT_TRUE(gAudioSystem->system.IsAudible());

    EXPECT_EQ(gAudioSystem->soundList.size(), static_cast<std::size_t>(kNames));
    EXPECT_EQ(gAudioSystem->soundList.at("s99995").Path(), "../resources/sfx/tick.wav");
    EXPECT_TRUE(gAudioSystem->soundList.at("s99996").IsValid());
    EXPECT_FALSE(gAudioSystem->soundList.at("s2").IsValid());
    EXPECT_TRUE(gAudioSystem->bgmList.at("hall").IsValid());
    EXPECT_EQ(gAudioSystem->GetBGMNames(), (Names{"hall", "quiet"}));
    // The file loaded for both lists is one sound: released through one list, it is gone in both.
    gAudioSystem->system.ReleaseSound(gAudioSystem->soundList.at("s0"));
    EXPECT_FALSE(gAudioSystem->bgmList.at("hall").IsValid());

    // Loaded once each: the sound layer's own line for a file it cannot load comes once.
    EXPECT_EQ(CountLines(said, "Sound: cannot load \"../resources/sfx/gone.wav\""), 1) << said.substr(0, 2000);
    EXPECT_EQ(CountLines(said, "Sound: cannot load \"../resources/sfx/lost.wav\""), 1) << said.substr(0, 2000);
    // The names of a file are counted, not listed, in each list that names it.
    EXPECT_EQ(CountLines(said, "Audio: the sound \"s10002\" (\"../resources/sfx/gone.wav\") did not load; it plays "
                               "nothing, and neither do 19,999 more names of that file"),
              1)
        << said.substr(0, 2000);
    EXPECT_EQ(CountLines(said, "Audio: the sound \"s10004\" (\"../resources/sfx/lost.wav\") did not load; it plays "
                               "nothing, and neither do 19,999 more names of that file"),
              1)
        << said.substr(0, 2000);
    EXPECT_EQ(CountLines(said, "Audio: the sound \"quiet\" (\"../resources/sfx/lost.wav\") did not load; it plays nothing"),
              1)
        << said.substr(0, 2000);
    EXPECT_LE(CountLines(said, ""), 6) << said.substr(0, 2000);
}

// A list that is no file (a folder, a named pipe with no writer) is told once by name and why,
// and leaves its list empty without waiting.
TEST_F(AudioFixture, AListThatCannotBeReadIsToldOnceAndLeftEmpty)
{
    const std::filesystem::path sfx = tree.Resources() / "sfx/sfx.txt";
    for (const auto& [kind, why] : {std::pair{"folder", "it is a folder, not a file"},
                                     std::pair{"pipe", "it is a named pipe, not a file"}})
    {
        std::filesystem::remove_all(sfx);
        if (std::string(kind) == "folder")
            std::filesystem::create_directory(sfx);
        else
            ASSERT_EQ(mkfifo(sfx.c_str(), 0644), 0);
        testing::internal::CaptureStderr();
        // On a thread, so that a read that waits for a writer fails the test instead of hanging it.
        auto started = std::async(std::launch::async, [&] { StartAudio(Platform::SoundBackendKind::Null); });
        const bool waited = started.wait_for(std::chrono::seconds(20)) == std::future_status::timeout;
        if (waited)
            close(open(sfx.c_str(), O_WRONLY | O_NONBLOCK));  // the writer it waits for, gone at once
        started.get();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(waited) << kind;
        EXPECT_EQ(CountLines(said, "sfx.txt"), 1) << kind << "\n" << said;
        EXPECT_EQ(CountLines(said, "Audio: cannot read the sound list \"../resources/sfx/sfx.txt\" (" + std::string(why) +
                                       "); it stays empty"),
                  1)
            << kind << "\n" << said;
        EXPECT_TRUE(gAudioSystem->GetSoundNames().empty()) << kind;
        EXPECT_EQ(gAudioSystem->GetBGMNames(), (Names{"girl", "hall"})) << kind;
    }
}
