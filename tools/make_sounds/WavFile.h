#pragma once
#include <string>

#include "tools/make_sounds/Signal.h"

// Writes the signal as a 16-bit PCM mono WAV. The file appears whole or not at all (written
// beside it under a temporary name, then renamed). Returns false with a reason.
bool WriteWav(const std::string& path, const Signal& signal, std::string& error);
