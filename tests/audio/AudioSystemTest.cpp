// The audio system over the real mixer (dummy SDL driver): sound lists, plays, groups, handles.
#include <algorithm>
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
