#include "support/SoundOutput.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace testsupport {

namespace {

// 1 when the tail is silence, 0 when it carries sound, -1 when it is not written yet.
int TailSilent(const std::string& path)
{
    constexpr std::streamoff kTail = 44100;  // a quarter second of 16-bit stereo
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    if (size < kTail)
        return -1;
    file.seekg((size - kTail) / 4 * 4);
    std::vector<char> bytes(static_cast<size_t>(kTail));
    file.read(bytes.data(), kTail);
    for (std::streamoff i = 0; i + 1 < file.gcount(); i += 2) {
        const int sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                     (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
        if (std::abs(sample) > 2)
            return 0;
    }
    return 1;
}

}  // namespace

bool SoundOutputQuiet(const std::string& path)
{
    return TailSilent(path) == 1;
}

bool SoundOutputAudible(const std::string& path)
{
    return TailSilent(path) == 0;
}

}  // namespace testsupport
