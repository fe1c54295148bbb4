// The Null backend: no device, time only moves through Update(dt), so tests above the layer
// can tell exactly on which frame a one-shot ends.
#include <gtest/gtest.h>

#include "platform/SoundSystem.h"
#include "sound/SoundTestFiles.h"

using Platform::SoundBackendKind;
using Platform::SoundChannel;
using Platform::SoundSystem;

namespace {

class NullBackendTest : public ::testing::Test {
protected:
    void SetUp() override { SoundSystem::SetBackendKind(SoundBackendKind::Null); }
    void TearDown() override { SoundSystem::SetBackendKind(SoundBackendKind::Mixer); }
    SoundTest::TempFolder folder;
};

TEST_F(NullBackendTest, OneShotEndsWhenFramesAddUpToItsLength)
{
    SoundSystem sound;
    ASSERT_TRUE(sound.Init(4));
    EXPECT_EQ(sound.ActiveBackend(), SoundBackendKind::Null);
    auto group = sound.CreateChannelGroup("Sound Channel Group");
    auto tone = sound.LoadSound(SoundTest::WriteTone(folder.Path(), "half.wav", 0.5f));
    ASSERT_TRUE(tone.IsValid());
    EXPECT_NEAR(tone.Length(), 0.5f, 0.001f);

    SoundChannel once = sound.Play(tone, group, false);
    SoundChannel looped = sound.Play(tone, group, true);
    sound.Update(10.0f);  // paused plays do not move
    EXPECT_TRUE(once.IsPlaying());

    once.SetPaused(false);
    looped.SetPaused(false);
    for (int frame = 0; frame < 29; ++frame) sound.Update(1.0f / 60.0f);
    EXPECT_TRUE(once.IsPlaying());
    once.SetPaused(true);
    sound.Update(1.0f);
    EXPECT_TRUE(once.IsPlaying());
    once.SetPaused(false);
    sound.Update(2.0f / 60.0f);
    EXPECT_FALSE(once.IsPlaying());
    EXPECT_TRUE(looped.IsPlaying());
    sound.Update(100.0f);
    EXPECT_TRUE(looped.IsPlaying());
}

TEST_F(NullBackendTest, UnreadableFileGivesNullSound)
{
    SoundSystem sound;
    ASSERT_TRUE(sound.Init(4));
    ::testing::internal::CaptureStderr();
    auto bad = sound.LoadSound(folder.Path() + "/missing.wav");
    ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(bad.IsValid());
    EXPECT_FALSE(sound.Play(bad, sound.CreateChannelGroup("g"), false).IsValid());
}

}  // namespace
