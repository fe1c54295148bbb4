#include "tools/make_sounds/WavFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {
void Put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void PutTag(std::vector<unsigned char>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}
}  // namespace

bool WriteWav(const std::string& path, const Signal& signal, std::string& error)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(signal.samples.size() * 2);
    std::vector<unsigned char> bytes;
    bytes.reserve(44 + dataBytes);
    PutTag(bytes, "RIFF");
    Put32(bytes, 36 + dataBytes);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    Put32(bytes, 16);
    Put16(bytes, 1);  // PCM
    Put16(bytes, 1);  // mono
    Put32(bytes, static_cast<std::uint32_t>(signal.rate));
    Put32(bytes, static_cast<std::uint32_t>(signal.rate) * 2);
    Put16(bytes, 2);
    Put16(bytes, 16);
    PutTag(bytes, "data");
    Put32(bytes, dataBytes);
    for (float s : signal.samples) {
        float clamped = s > 1.0f ? 1.0f : (s < -1.0f ? -1.0f : s);
        if (!(clamped == clamped)) clamped = 0.0f;
        long v = std::lround(clamped * 32767.0f);
        Put16(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }

    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create " + temp;
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error = "cannot write " + temp;
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temp + " to " + path;
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
