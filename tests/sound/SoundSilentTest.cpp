// Without an audio device the game runs silent: nothing fails, nothing plays.
#include <gtest/gtest.h>

#include "platform/SoundSystem.h"
#include "sound/SoundTestFiles.h"

using Platform::Sound;
using Platform::SoundBackendKind;
using Platform::SoundChannel;
using Platform::SoundChannelGroup;
using Platform::SoundSystem;

namespace {

void ExpectSilentButSafe(SoundSystem& sound, const std::string& file)
{
    EXPECT_TRUE(sound.IsInitialized());
    EXPECT_FALSE(sound.IsAudible());
    EXPECT_EQ(sound.ActiveBackend(), SoundBackendKind::Unavailable);
    SoundChannelGroup group = sound.CreateChannelGroup("Sound Channel Group");
    EXPECT_EQ(group.GetName(), "Sound Channel Group");
    Sound tone = sound.LoadSound(file);
    EXPECT_FALSE(tone.IsValid());
    EXPECT_FLOAT_EQ(tone.Length(), 0.0f);
    SoundChannel channel = sound.Play(tone, group, true);
    EXPECT_FALSE(channel.IsValid());
    channel.SetPaused(false);
    channel.SetVolume(0.7f);
    EXPECT_FALSE(channel.IsPlaying());
    EXPECT_FALSE(channel.GetPaused());
    channel.Stop();
    group.Stop();
    EXPECT_EQ(group.PlayingCount(), 0);
    sound.ReleaseSound(tone);
    sound.Update(0.016f);
    sound.Shutdown();
    sound.Shutdown();
}

TEST(SoundSilent, UnknownDriverRunsSilentWithOneMessage)
{
    SoundSystem::SetBackendKind(SoundBackendKind::Mixer);
    SoundTest::TempFolder folder;
    std::string file = SoundTest::WriteTone(folder.Path(), "tone.wav", 0.1f);
    SoundTest::AudioDriver driver("no_such_driver");
    SoundSystem sound;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(sound.Init(32));
    ExpectSilentButSafe(sound, file);
    std::string console = ::testing::internal::GetCapturedStderr();
    size_t first = console.find("no audio device");
    ASSERT_NE(first, std::string::npos) << console;
    EXPECT_EQ(console.find("no audio device", first + 1), std::string::npos) << console;
    // Loads in the silent game say nothing more: the one message covers them.
    EXPECT_EQ(console.find("tone.wav"), std::string::npos) << console;
}

TEST(SoundSilent, ForcedUnavailableBehavesTheSame)
{
    SoundTest::TempFolder folder;
    std::string file = SoundTest::WriteTone(folder.Path(), "tone.wav", 0.1f);
    SoundSystem::SetBackendKind(SoundBackendKind::Unavailable);
    SoundSystem sound;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(sound.Init(32));
    ::testing::internal::GetCapturedStderr();
    ExpectSilentButSafe(sound, file);
    SoundSystem::SetBackendKind(SoundBackendKind::Mixer);
}

TEST(SoundSilent, NeverStartedSystemAndDefaultHandlesAreHarmless)
{
    SoundSystem sound;
    EXPECT_FALSE(sound.IsInitialized());
    EXPECT_FALSE(sound.LoadSound("whatever.wav").IsValid());
    SoundChannelGroup group = sound.CreateChannelGroup("BGM Channel Group");
    EXPECT_FALSE(group.IsValid());
    SoundChannel channel = sound.Play(Sound(), group, false);
    EXPECT_FALSE(channel.IsPlaying());
    channel.Stop();
    group.Stop();
    sound.Update(1.0f);
    EXPECT_EQ(SoundChannel(), SoundChannel());
}

}  // namespace
