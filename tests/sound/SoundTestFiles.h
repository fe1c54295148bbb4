#pragma once
#include <string>

// Helpers for the sound tests: a scratch folder removed at the end, and small tone WAVs.
namespace SoundTest {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path; }

private:
    std::string path;
};

// A 16-bit mono 44100 Hz sine of the given length.
std::string WriteTone(const std::string& folder, const std::string& name, float seconds,
                      float hz = 440.0f);

// Routes SDL to the dummy audio driver (real mixer, no hardware) for the scope.
class AudioDriver {
public:
    explicit AudioDriver(const char* name);
    ~AudioDriver();

private:
    std::string previous;
    bool hadPrevious = false;
};

}  // namespace SoundTest
