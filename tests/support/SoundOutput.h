#pragma once
#include <string>

namespace testsupport {

// The last quarter second a game wrote to its sound output (GameProcess::soundFile, 16-bit
// stereo at 44.1 kHz). Both answer false while less than that has been written.
bool SoundOutputQuiet(const std::string& path);
bool SoundOutputAudible(const std::string& path);

}  // namespace testsupport
