// tools/make_sounds: every name in the two sound lists gets a real, audible WAV of a sensible
// length, the real mixer can load each one, and two runs write the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <vector>

#include "platform/SoundSystem.h"
#include "sound/SoundTestFiles.h"

namespace fs = std::filesystem;

namespace {

struct ListEntry {
    std::string name;
    std::string path;
};

std::vector<ListEntry> ReadList(const std::string& file)
{
    std::ifstream in(file);
    std::vector<ListEntry> entries;
    ListEntry entry;
    while (in >> entry.name >> entry.path) entries.push_back(entry);
    return entries;
}

std::vector<unsigned char> ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

struct Wav {
    bool ok = false;
    std::string problem;
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
    double Seconds() const { return ok ? double(samples.size()) / channels / rate : 0.0; }
};

std::uint32_t Le(const std::vector<unsigned char>& b, size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint32_t(b[at + size_t(i)]) << (8 * i);
    return v;
}

Wav ParseWav(const fs::path& file)
{
    Wav wav;
    std::vector<unsigned char> b = ReadBytes(file);
    if (b.size() < 44) {
        wav.problem = "too short";
        return wav;
    }
    if (std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt ") {
        wav.problem = "not a RIFF WAVE file";
        return wav;
    }
    if (Le(b, 4, 4) != b.size() - 8) wav.problem = "RIFF size does not match the file";
    int format = int(Le(b, 20, 2));
    wav.channels = int(Le(b, 22, 2));
    wav.rate = int(Le(b, 24, 4));
    int bits = int(Le(b, 34, 2));
    std::uint32_t dataBytes = Le(b, 40, 4);
    if (format != 1 || bits != 16) wav.problem = "not 16-bit PCM";
    if (wav.channels != 1 && wav.channels != 2) wav.problem = "neither mono nor stereo";
    if (wav.rate != 44100 && wav.rate != 22050) wav.problem = "rate is neither 44100 nor 22050";
    if (Le(b, 28, 4) != std::uint32_t(wav.rate * wav.channels * 2)) wav.problem = "bad byte rate";
    if (std::string(b.begin() + 36, b.begin() + 40) != "data" || 44 + size_t(dataBytes) != b.size())
        wav.problem = "data chunk does not fill the file";
    if (!wav.problem.empty()) return wav;
    for (size_t i = 44; i + 1 < b.size(); i += 2)
        wav.samples.push_back(static_cast<std::int16_t>(Le(b, i, 2)));
    wav.ok = true;
    return wav;
}

class MakeSoundsTest : public ::testing::Test {
protected:
    static void TearDownTestSuite()
    {
        delete runA;
        delete runB;
        runA = runB = nullptr;
    }

    // Each run is made once per test program, and only by the tests that need it.
    static int RunA()
    {
        if (!runA) {
            runA = new SoundTest::TempFolder();
            statusA = Run(runA->Path() + "/resources");
        }
        return statusA;
    }
    static int RunB()
    {
        if (!runB) {
            runB = new SoundTest::TempFolder();
            statusB = Run(runB->Path() + "/resources");
        }
        return statusB;
    }

    static int Run(const std::string& resources)
    {
        std::string command = std::string("\"") + VESPERINE_BINARY_DIR "/make_sounds\" \"" + resources + "\" > /dev/null";
        return std::system(command.c_str());
    }

    // Where the game, running from a working folder beside resources/, would open the path.
    static fs::path Resolve(const std::string& listPath, const std::string& resources)
    {
        const std::string prefix = "../resources/";
        return fs::path(resources) / listPath.substr(prefix.size());
    }

    void CheckList(const std::string& listFile, const std::string& folder, double minSeconds,
                   double maxSeconds, std::set<std::string>& listedFiles)
    {
        std::vector<ListEntry> entries = ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/" + listFile);
        ASSERT_FALSE(entries.empty()) << listFile;
        std::set<std::string> names;
        const std::string resources = runA->Path() + "/resources";
        for (const ListEntry& entry : entries) {
            SCOPED_TRACE(entry.name);
            EXPECT_TRUE(names.insert(entry.name).second) << "listed twice";
            const std::string prefix = "../resources/" + folder + "/";
            ASSERT_EQ(entry.path.compare(0, prefix.size(), prefix), 0) << entry.path;
            fs::path file = Resolve(entry.path, resources);
            listedFiles.insert(file.filename().string());
            Wav wav = ParseWav(file);
            ASSERT_TRUE(wav.ok) << entry.path << ": " << wav.problem;
            EXPECT_GE(wav.Seconds(), minSeconds);
            EXPECT_LE(wav.Seconds(), maxSeconds);
            int peak = 0;
            double sum = 0.0;
            for (std::int16_t s : wav.samples) {
                peak = std::max(peak, std::abs(int(s)));
                sum += double(s) * s;
            }
            double rms = std::sqrt(sum / double(wav.samples.size())) / 32767.0;
            EXPECT_GT(peak, 32767 / 4) << "too quiet";
            EXPECT_GT(rms, 0.01) << "hardly any sound in it";
        }
    }

    static SoundTest::TempFolder* runA;
    static SoundTest::TempFolder* runB;
    static int statusA;
    static int statusB;
};

SoundTest::TempFolder* MakeSoundsTest::runA = nullptr;
SoundTest::TempFolder* MakeSoundsTest::runB = nullptr;
int MakeSoundsTest::statusA = -1;
int MakeSoundsTest::statusB = -1;

TEST_F(MakeSoundsTest, EveryListedNameHasAnAudibleWavOfSensibleLength)
{
    ASSERT_EQ(RunA(), 0) << "make_sounds failed (is it built? " VESPERINE_BINARY_DIR "/make_sounds)";
    std::set<std::string> sfxFiles;
    std::set<std::string> bgmFiles;
    CheckList("sfx/sfx.txt", "sfx", 0.1, 15.0, sfxFiles);
    CheckList("bgm/bgm.txt", "bgm", 20.0, 40.0, bgmFiles);

    // Nothing is made that no list names, and the whole set stays small.
    std::uintmax_t total = 0;
    for (const char* folder : {"sfx", "bgm"}) {
        const std::set<std::string>& listed = std::string(folder) == "sfx" ? sfxFiles : bgmFiles;
        for (const auto& item : fs::directory_iterator(runA->Path() + "/resources/" + folder)) {
            EXPECT_EQ(listed.count(item.path().filename().string()), 1u) << item.path() << " is in no list";
            total += item.file_size();
        }
    }
    EXPECT_LT(total, 25u * 1024 * 1024);
}

TEST_F(MakeSoundsTest, NamesTheGameAsksForAreListed)
{
    std::set<std::string> sfx;
    std::set<std::string> bgm;
    for (const ListEntry& e : ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/sfx/sfx.txt")) sfx.insert(e.name);
    for (const ListEntry& e : ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/bgm/bgm.txt")) bgm.insert(e.name);
    for (const char* name : {"menu_select", "menu_accept", "spark", "gameover", "game_overPlaceHolder",
                             "default_footstep1", "default_footstep2", "default_footstep3",
                             "default_footstep4", "default_footstep5", "default_footstep6",
                             "door_locked", "door_unlock", "bear_attack", "item_pickup", "item_place",
                             "electricity", "spotlight2"})
        EXPECT_EQ(sfx.count(name), 1u) << name;
    for (const char* name : {"opening", "bgm1", "bgm3", "chase2", "doll_room"})
        EXPECT_EQ(bgm.count(name), 1u) << name;
}

TEST_F(MakeSoundsTest, LevelFilesNameSoundsOfTheirOwnList)
{
    std::set<std::string> lists[2];  // 0: music, 1: sound effects, as "BgmOrSfx" says
    for (const ListEntry& e : ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/bgm/bgm.txt")) lists[0].insert(e.name);
    for (const ListEntry& e : ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/sfx/sfx.txt")) lists[1].insert(e.name);
    int named = 0;
    for (const auto& item : fs::directory_iterator(std::string(VESPERINE_SOURCE_DIR) + "/resources/level")) {
        if (item.path().extension() != ".txt") continue;
        std::ifstream in(item.path());
        std::vector<std::string> tokens{std::istream_iterator<std::string>(in), {}};
        // An Audio block: AudioName <name> BgmOrSfx <0|1>.
        for (size_t i = 0; i + 3 < tokens.size(); ++i) {
            if (tokens[i] != "AudioName" || tokens[i + 2] != "BgmOrSfx") continue;
            const std::string& name = tokens[i + 1];
            if (name == "None") continue;
            const bool sfx = tokens[i + 3] == "1";
            EXPECT_EQ(lists[sfx ? 1 : 0].count(name), 1u)
                << item.path().filename() << ": \"" << name << "\" is not in the " << (sfx ? "sfx" : "bgm") << " list";
            ++named;
        }
    }
    EXPECT_GT(named, 0) << "no level names a sound; the check would pass on anything";
}

TEST_F(MakeSoundsTest, MusicLoopsJoinWithoutAJump)
{
    ASSERT_EQ(RunA(), 0);
    for (const ListEntry& entry : ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/bgm/bgm.txt")) {
        SCOPED_TRACE(entry.name);
        Wav wav = ParseWav(Resolve(entry.path, runA->Path() + "/resources"));
        ASSERT_TRUE(wav.ok);
        ASSERT_EQ(wav.channels, 1);
        // The step from the last sample back to the first is an ordinary step of the music:
        // no bigger than all but the rarest steps inside it.
        std::vector<int> steps;
        for (size_t i = 1; i < wav.samples.size(); ++i)
            steps.push_back(std::abs(wav.samples[i] - wav.samples[i - 1]));
        std::sort(steps.begin(), steps.end());
        int rare = steps[steps.size() * 999 / 1000];
        EXPECT_LE(std::abs(wav.samples.front() - wav.samples.back()), rare);
    }
}

TEST_F(MakeSoundsTest, TwoRunsWriteTheSameBytes)
{
    ASSERT_EQ(RunA(), 0);
    ASSERT_EQ(RunB(), 0);
    int compared = 0;
    for (const char* folder : {"sfx", "bgm"}) {
        for (const auto& item : fs::directory_iterator(runA->Path() + "/resources/" + folder)) {
            fs::path other = fs::path(runB->Path()) / "resources" / folder / item.path().filename();
            ASSERT_TRUE(fs::exists(other)) << other;
            EXPECT_TRUE(ReadBytes(item.path()) == ReadBytes(other)) << item.path().filename();
            ++compared;
        }
    }
    EXPECT_GT(compared, 20);
}

TEST_F(MakeSoundsTest, TheRealMixerLoadsEveryListedFile)
{
    ASSERT_EQ(RunA(), 0);
    SoundTest::AudioDriver driver("dummy");
    Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Mixer);
    Platform::SoundSystem sound;
    ASSERT_TRUE(sound.Init(32));
    auto start = std::chrono::steady_clock::now();
    for (const char* list : {"sfx/sfx.txt", "bgm/bgm.txt"}) {
        for (const ListEntry& entry : ReadList(std::string(VESPERINE_SOURCE_DIR) + "/resources/" + list)) {
            Platform::Sound loaded = sound.LoadSound(Resolve(entry.path, runA->Path() + "/resources").string());
            EXPECT_TRUE(loaded.IsValid()) << entry.name;
            EXPECT_GT(loaded.Length(), 0.05f) << entry.name;
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "loading every listed sound took " << seconds << " s\n";
}

}  // namespace
