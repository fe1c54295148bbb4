#pragma once
// Shared set-up for the audio tests: a temporary resource tree with small WAV files of our own
// and the two sound lists, the dummy SDL audio driver, and the global audio system around it.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/TempResourceTree.h"
#include "audio/AudioSystem.h"
#include "objects/ObjectList.h"
#include "platform/SoundSystem.h"
#include "sound/SoundTestFiles.h"

namespace audiotest {

// Paths in the lists are relative to the working folder, as the game's are.
inline const char* const kDefaultSfx =
    "door ../resources/sfx/door.wav\n"
    "step ../resources/sfx/step.wav\n"
    "Alarm ../resources/sfx/alarm.wav\n";
inline const char* const kDefaultBgm =
    "hall ../resources/bgm/hall.wav\n"
    "girl ../resources/bgm/girl.wav\n";

class AudioFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Mixer);
        const std::string sfx = (tree.Resources() / "sfx").string();
        const std::string bgm = (tree.Resources() / "bgm").string();
        SoundTest::WriteTone(sfx, "door.wav", 3.0f);
        SoundTest::WriteTone(sfx, "step.wav", 0.1f);
        SoundTest::WriteTone(sfx, "alarm.wav", 3.0f);
        SoundTest::WriteTone(bgm, "hall.wav", 3.0f);
        SoundTest::WriteTone(bgm, "girl.wav", 3.0f);
        tree.WriteFile("resources/sfx/sfx.txt", kDefaultSfx);
        tree.WriteFile("resources/bgm/bgm.txt", kDefaultBgm);
        DestroyAll();
    }

    void TearDown() override
    {
        DestroyAll();
        gAudioSystem->Shutdown();
        Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Mixer);
    }

    // Starts the global audio system on the given backend with the lists as they are now.
    void StartAudio(Platform::SoundBackendKind kind = Platform::SoundBackendKind::Mixer)
    {
        Platform::SoundSystem::SetBackendKind(kind);
        gAudioSystem->Init();
    }

    SoundTest::AudioDriver driver{"dummy"};
    testsupport::TempResourceTree tree;
};

}  // namespace audiotest
