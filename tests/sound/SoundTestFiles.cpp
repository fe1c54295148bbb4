#include "sound/SoundTestFiles.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace SoundTest {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vesperine_sound_XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data())) path = buffer.data();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

std::string WriteTone(const std::string& folder, const std::string& name, float seconds, float hz)
{
    const int rate = 44100;
    const std::uint32_t frames = static_cast<std::uint32_t>(seconds * rate);
    std::vector<std::int16_t> data(frames);
    for (std::uint32_t i = 0; i < frames; ++i)
        data[i] = static_cast<std::int16_t>(8000.0 * std::sin(2.0 * 3.14159265 * hz * i / rate));
    auto put32 = [](std::ofstream& out, std::uint32_t v) { out.write(reinterpret_cast<char*>(&v), 4); };
    auto put16 = [](std::ofstream& out, std::uint16_t v) { out.write(reinterpret_cast<char*>(&v), 2); };
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

AudioDriver::AudioDriver(const char* name)
{
    if (const char* old = std::getenv("SDL_AUDIODRIVER")) {
        previous = old;
        hadPrevious = true;
    }
    setenv("SDL_AUDIODRIVER", name, 1);
}

AudioDriver::~AudioDriver()
{
    if (hadPrevious) setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
    else unsetenv("SDL_AUDIODRIVER");
}

}  // namespace SoundTest
