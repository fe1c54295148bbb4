#pragma once
// Helpers for the sound and audio tests: a scratch folder removed at the end, small tone WAVs,
// and the choice of SDL audio driver. Header-only so both test programs can use it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace SoundTest {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vesperine_sound_XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (mkdtemp(buffer.data())) path = buffer.data();
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }

private:
    std::string path;
};

// A 16-bit mono 44100 Hz sine of the given length, written as folder/name (the folder is made
// when missing); returns its path.
inline std::string WriteTone(const std::string& folder, const std::string& name, float seconds,
                             float hz = 440.0f)
{
    const int rate = 44100;
    const std::uint32_t frames = static_cast<std::uint32_t>(seconds * rate);
    std::vector<std::int16_t> data(frames);
    for (std::uint32_t i = 0; i < frames; ++i)
        data[i] = static_cast<std::int16_t>(8000.0 * std::sin(2.0 * 3.14159265 * hz * i / rate));
    auto put32 = [](std::ofstream& out, std::uint32_t v) { out.write(reinterpret_cast<char*>(&v), 4); };
    auto put16 = [](std::ofstream& out, std::uint16_t v) { out.write(reinterpret_cast<char*>(&v), 2); };
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::string path = folder + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + frames * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, frames * 2);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(frames * 2));
    return path;
}

// Routes SDL to the named audio driver ("dummy": the real mixer without hardware) for the scope.
class AudioDriver {
public:
    explicit AudioDriver(const char* name)
    {
        if (const char* old = std::getenv("SDL_AUDIODRIVER")) {
            previous = old;
            hadPrevious = true;
        }
        setenv("SDL_AUDIODRIVER", name, 1);
    }
    ~AudioDriver()
    {
        if (hadPrevious) setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
        else unsetenv("SDL_AUDIODRIVER");
    }
    AudioDriver(const AudioDriver&) = delete;
    AudioDriver& operator=(const AudioDriver&) = delete;

private:
    std::string previous;
    bool hadPrevious = false;
};

}  // namespace SoundTest
