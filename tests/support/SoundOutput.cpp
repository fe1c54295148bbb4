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
    std::vector<std::int16_t> samples(static_cast<size_t>(kTail / 2));
    file.read(reinterpret_cast<char*>(samples.data()), kTail);
    for (const std::int16_t sample : samples)
        if (std::abs(sample) > 2)
            return 0;
    return 1;
}

}  // namespace

bool SoundOutputQuiet(const std::string& path) { return TailSilent(path) == 1; }
bool SoundOutputAudible(const std::string& path) { return TailSilent(path) == 0; }

}  // namespace testsupport
