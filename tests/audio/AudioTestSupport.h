#pragma once
// Shared set-up for the audio tests: a temporary resource tree with small WAV files of our own
// and the two sound lists, the dummy SDL audio driver, and the global audio system around it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TempResourceTree.h"
#include "audio/AudioSystem.h"
#include "objects/ObjectList.h"
#include "platform/SoundSystem.h"

namespace audiotest {

// A mono 16-bit PCM WAV of a quiet tone, `seconds` long.
inline std::string ToneWav(float seconds, int rate = 22050)
{
    const auto frames = static_cast<std::uint32_t>(seconds * static_cast<float>(rate));
    std::vector<std::int16_t> samples(frames);
    for (std::uint32_t i = 0; i < frames; ++i)
        samples[i] = static_cast<std::int16_t>(2000.0 * std::sin(i * 0.05));
    const std::uint32_t dataBytes = frames * 2;
    std::string wav;
    auto put32 = [&wav](std::uint32_t v) {
        for (int b = 0; b < 4; ++b)
            wav.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
    };
    auto put16 = [&wav](std::uint16_t v) {
        wav.push_back(static_cast<char>(v & 0xFF));
        wav.push_back(static_cast<char>(v >> 8));
    };
    wav += "RIFF";
    put32(36 + dataBytes);
    wav += "WAVEfmt ";
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate) * 2);
    put16(2);
    put16(16);
    wav += "data";
    put32(dataBytes);
    for (std::int16_t s : samples)
        put16(static_cast<std::uint16_t>(s));
    return wav;
}

inline void WriteBinary(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

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
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Mixer);
        const std::string longTone = ToneWav(3.0f);
        const std::string shortTone = ToneWav(0.1f);
        WriteBinary(tree.Resources() / "sfx/door.wav", longTone);
        WriteBinary(tree.Resources() / "sfx/step.wav", shortTone);
        WriteBinary(tree.Resources() / "sfx/alarm.wav", longTone);
        WriteBinary(tree.Resources() / "bgm/hall.wav", longTone);
        WriteBinary(tree.Resources() / "bgm/girl.wav", longTone);
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

    testsupport::TempResourceTree tree;
};

}  // namespace audiotest
