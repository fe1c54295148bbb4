// The sound layer on the real SDL2_mixer path, with SDL's dummy audio driver standing in for
// hardware (it consumes sound in real time, so one-shots really end).
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <chrono>
#include <filesystem>
#include <cmath>
#include <limits>
#include <thread>

#include "platform/SoundSystem.h"
#include "sound/SoundTestFiles.h"
#include "support/WatchedPipe.h"

using Platform::Sound;
using Platform::SoundChannel;
using Platform::SoundChannelGroup;
using Platform::SoundSystem;

namespace {

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SoundSystem::SetBackendKind(Platform::SoundBackendKind::Mixer);
        ASSERT_FALSE(folder.Path().empty());
        shortTone = SoundTest::WriteTone(folder.Path(), "short.wav", 0.05f);
        longTone = SoundTest::WriteTone(folder.Path(), "long.wav", 0.5f, 220.0f);
    }

    void Open(int channels)
    {
        ASSERT_TRUE(sound.Init(channels));
        ASSERT_EQ(sound.ActiveBackend(), Platform::SoundBackendKind::Mixer);
        sfx = sound.CreateChannelGroup("Sound Channel Group");
        bgm = sound.CreateChannelGroup("BGM Channel Group");
    }

    // Waits (bounded) for a play to end on its own; the dummy driver runs in real time.
    static bool EndsWithin(const SoundChannel& channel, int milliseconds)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < deadline) {
            if (!channel.IsPlaying()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return !channel.IsPlaying();
    }

    SoundTest::AudioDriver driver{"dummy"};
    SoundTest::TempFolder folder;
    std::string shortTone;
    std::string longTone;
    SoundSystem sound;
    SoundChannelGroup sfx;
    SoundChannelGroup bgm;
};

TEST_F(MixerTest, PausedPlayWaitsUntilResumedThenStops)
{
    Open(8);
    Sound tone = sound.LoadSound(longTone);
    ASSERT_TRUE(tone.IsValid());
    EXPECT_NEAR(tone.Length(), 0.5f, 0.01f);

    SoundChannel channel = sound.Play(tone, sfx, false);
    ASSERT_TRUE(channel.IsValid());
    EXPECT_TRUE(channel.IsPlaying());
    EXPECT_TRUE(channel.GetPaused());
    // Nothing reaches the mixer before the resume, so no part of the sound is lost.
    EXPECT_EQ(Mix_Playing(channel.Index()), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_TRUE(channel.IsPlaying());

    channel.SetPaused(false);
    EXPECT_FALSE(channel.GetPaused());
    EXPECT_NE(Mix_Playing(channel.Index()), 0);
    channel.SetPaused(true);
    EXPECT_EQ(Mix_Paused(channel.Index()), 1);
    channel.SetPaused(false);
    EXPECT_EQ(Mix_Paused(channel.Index()), 0);

    int index = channel.Index();
    channel.Stop();
    EXPECT_FALSE(channel.IsPlaying());
    EXPECT_EQ(Mix_Playing(index), 0);
    channel.Stop();  // twice is harmless
}

TEST_F(MixerTest, OneShotEndsByItselfAndLoopKeepsGoing)
{
    Open(8);
    Sound tone = sound.LoadSound(shortTone);
    SoundChannel once = sound.Play(tone, sfx, false);
    SoundChannel looped = sound.Play(tone, sfx, true);
    once.SetPaused(false);
    looped.SetPaused(false);

    EXPECT_TRUE(EndsWithin(once, 3000));
    EXPECT_TRUE(looped.IsPlaying());
    sound.Update(0.016f);
    EXPECT_TRUE(looped.IsPlaying());
    // A finished play's handle is still the same play, just not playing; its calls do nothing.
    once.SetVolume(0.3f);
    EXPECT_FLOAT_EQ(once.GetVolume(), 0.0f);
    looped.Stop();
    EXPECT_FALSE(looped.IsPlaying());
}

TEST_F(MixerTest, StaleHandleAfterReuseTouchesNothing)
{
    Open(1);
    Sound tone = sound.LoadSound(longTone);
    SoundChannel first = sound.Play(tone, bgm, true);
    first.SetPaused(false);
    SoundChannel second = sound.Play(tone, sfx, true);  // only one channel: it is taken over
    second.SetPaused(false);
    second.SetVolume(0.5f);
    ASSERT_EQ(first.Index(), -1);
    ASSERT_EQ(second.Index(), 0);

    EXPECT_FALSE(first.IsValid());
    EXPECT_FALSE(first.IsPlaying());
    first.Stop();
    first.SetPaused(true);
    first.SetVolume(1.0f);
    EXPECT_TRUE(second.IsPlaying());
    EXPECT_FALSE(second.GetPaused());
    EXPECT_EQ(Mix_Paused(0), 0);
    EXPECT_EQ(Mix_Volume(0, -1), 64);
    EXPECT_FLOAT_EQ(second.GetVolume(), 0.5f);

    // The same after a sound has ended by itself and its channel been used again.
    second.Stop();
    Sound blip = sound.LoadSound(shortTone);
    SoundChannel ended = sound.Play(blip, sfx, false, false);
    ASSERT_TRUE(EndsWithin(ended, 3000));
    SoundChannel reused = sound.Play(tone, sfx, true, false);
    EXPECT_FALSE(ended.IsValid());
    ended.Stop();
    EXPECT_TRUE(reused.IsPlaying());
    EXPECT_NE(ended, reused);
}

TEST_F(MixerTest, FullMixerCutsOffOldestOneShotBeforeMusic)
{
    Open(2);
    Sound tone = sound.LoadSound(longTone);
    SoundChannel music = sound.Play(tone, bgm, true, false);
    SoundChannel effect = sound.Play(tone, sfx, false, false);
    SoundChannel newer = sound.Play(tone, sfx, false, false);
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_FALSE(effect.IsPlaying());
    EXPECT_TRUE(newer.IsPlaying());
}

TEST_F(MixerTest, StoppingAGroupLeavesTheOtherPlaying)
{
    Open(8);
    Sound tone = sound.LoadSound(longTone);
    SoundChannel music = sound.Play(tone, bgm, true, false);
    SoundChannel a = sound.Play(tone, sfx, true, false);
    SoundChannel waiting = sound.Play(tone, sfx, false);  // still paused
    EXPECT_EQ(sfx.PlayingCount(), 2);
    EXPECT_EQ(bgm.PlayingCount(), 1);

    sfx.Stop();
    EXPECT_FALSE(a.IsPlaying());
    EXPECT_FALSE(waiting.IsPlaying());
    waiting.SetPaused(false);  // a stopped play does not come back
    EXPECT_FALSE(waiting.IsPlaying());
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(sfx.PlayingCount(), 0);

    bgm.Stop();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_EQ(sound.CreateChannelGroup("BGM Channel Group"), bgm);
    EXPECT_EQ(bgm.GetName(), "BGM Channel Group");
}

TEST_F(MixerTest, VolumeIsClampedBeforeItReachesTheMixer)
{
    Open(4);
    Sound tone = sound.LoadSound(longTone);
    SoundChannel channel = sound.Play(tone, sfx, true);
    channel.SetVolume(0.25f);  // while still paused: taken when it starts
    channel.SetPaused(false);
    int index = channel.Index();
    EXPECT_EQ(Mix_Volume(index, -1), 32);

    channel.SetVolume(2.5f);
    EXPECT_FLOAT_EQ(channel.GetVolume(), 1.0f);
    EXPECT_EQ(Mix_Volume(index, -1), MIX_MAX_VOLUME);
    channel.SetVolume(-3.0f);
    EXPECT_FLOAT_EQ(channel.GetVolume(), 0.0f);
    EXPECT_EQ(Mix_Volume(index, -1), 0);
    channel.SetVolume(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(Mix_Volume(index, -1), 0);
    channel.SetVolume(std::numeric_limits<float>::infinity());
    EXPECT_EQ(Mix_Volume(index, -1), MIX_MAX_VOLUME);
}

TEST_F(MixerTest, BadFilesAndReleasedSoundsPlayNothing)
{
    Open(4);
    ::testing::internal::CaptureStderr();
    Sound missing = sound.LoadSound(folder.Path() + "/no_such_file.wav");
    std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(missing.IsValid());
    EXPECT_NE(message.find("no_such_file.wav"), std::string::npos);
    // What is no sound file is refused by name, and the mixer never waits on a named pipe.
    testsupport::WatchedPipe pipe(folder.Path() + "/pipe.wav");
    ASSERT_TRUE(pipe.Made());
    std::filesystem::create_directory(folder.Path() + "/folder.wav");
    for (const auto& [name, cause] : {std::pair{"pipe.wav", "it is a named pipe"}, std::pair{"folder.wav", "it is a folder"}}) {
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(sound.LoadSound(folder.Path() + "/" + name).IsValid()) << name;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(std::string(name) + "\": " + cause), std::string::npos) << said;
    }
    EXPECT_FALSE(pipe.Waited()) << "the sound loader opened the named pipe and waited on it";
    SoundChannel none = sound.Play(missing, sfx, true, false);
    EXPECT_FALSE(none.IsValid());
    none.SetPaused(false);
    none.SetVolume(1.0f);
    EXPECT_FALSE(none.IsPlaying());

    Sound tone = sound.LoadSound(longTone);
    Sound copy = tone;
    SoundChannel playing = sound.Play(tone, sfx, true, false);
    SoundChannel waiting = sound.Play(tone, sfx, true);
    sound.ReleaseSound(tone);
    EXPECT_FALSE(copy.IsValid());
    EXPECT_FALSE(playing.IsPlaying());
    waiting.SetPaused(false);
    EXPECT_FALSE(waiting.IsPlaying());
    EXPECT_FALSE(sound.Play(copy, sfx, false).IsValid());
}

TEST_F(MixerTest, ShutdownSilencesHandlesAndInitOpensAgain)
{
    Open(4);
    Sound tone = sound.LoadSound(longTone);
    SoundChannel channel = sound.Play(tone, sfx, true, false);
    sound.Shutdown();
    EXPECT_FALSE(channel.IsValid());
    EXPECT_FALSE(channel.IsPlaying());
    channel.Stop();
    channel.SetVolume(0.5f);
    sfx.Stop();
    EXPECT_FALSE(tone.IsValid());
    EXPECT_FALSE(sound.Play(tone, sfx, true).IsValid());
    sound.Update(0.016f);

    Open(4);
    Sound again = sound.LoadSound(longTone);
    EXPECT_TRUE(sound.Play(again, sfx, false, false).IsPlaying());
    EXPECT_FALSE(channel.IsValid());  // an old handle never comes back to life
}

TEST_F(MixerTest, OnlyOneSystemOwnsTheMixer)
{
    Open(4);
    SoundSystem second;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(second.Init(4));
    ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(second.IsAudible());
    // The first keeps working.
    Sound tone = sound.LoadSound(longTone);
    EXPECT_TRUE(sound.Play(tone, sfx, false, false).IsPlaying());
}

}  // namespace
