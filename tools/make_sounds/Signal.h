#pragma once
#include <cstddef>
#include <vector>

// A mono sound being built, with its sample rate.
struct Signal {
    int rate = 44100;
    std::vector<float> samples;

    Signal() = default;
    Signal(int rate, float seconds);

    size_t Size() const { return samples.size(); }
    float Seconds() const { return static_cast<float>(samples.size()) / static_cast<float>(rate); }
    size_t At(float seconds) const;

    // Adds other (same rate) starting at the given second, scaled; what falls past the end is
    // dropped, or wrapped round to the start when wrap is set (for loops).
    void Mix(const Signal& other, float atSeconds, float gain, bool wrap = false);

    float Peak() const;
    float Rms() const;
    // Scales so the loudest sample sits at peak.
    void Normalize(float peak);
    // Short ramps so a one-shot never starts or stops with a click.
    void FadeEdges(float inSeconds, float outSeconds);
};
