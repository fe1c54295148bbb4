#pragma once
#include <cstdint>
#include <vector>

#include "tools/make_sounds/Random.h"
#include "tools/make_sounds/Signal.h"

// Builds a music loop that joins seamlessly: every oscillator and slow sweep completes a whole
// number of cycles in the loop, notes that ring past the end wrap round to the start, and
// filters and reverb run over the loop twice so their state at the seam is the state they would
// have if the loop had been playing all along.
class LoopBuilder {
public:
    LoopBuilder(float seconds, std::uint32_t seed, int rate = 22050);

    static float Note(int midi);

    // Detuned oscillators (three per note) under a low-pass whose cutoff sweeps `octaves`
    // around `cutoff`, `sweeps` times a loop. saw: 0 pure sines .. 1 bright saws. Each voice
    // swells on its own, `swells` times a loop, by up to `depth`.
    void Drone(const std::vector<int>& notes, float detuneCents, float saw, float level,
               float cutoff, float octaves, int sweeps, int swells, float depth);
    // Band-passed noise, its centre wandering `octaves` around centreHz `sweeps` times a loop.
    void Air(float level, float centreHz, float q, int sweeps, float octaves);
    enum class Voice { Piano, Bell, MusicBox };
    // `count` notes at spread-out random times, drawn from `pool`.
    void Scatter(const std::vector<int>& pool, int count, float level, Voice voice, float brightness);
    // Notes at fixed beats (beat length in seconds); a note of -1 is a rest.
    void Melody(const std::vector<int>& notes, float beat, float start, float level, Voice voice,
                float detuneCents);
    // A heartbeat on every beat of `bpm` (the loop should hold a whole number of beats).
    void Heartbeats(float bpm, float level);
    // Clock ticks, alternating tick and tock, `perSecond` times a second.
    void Ticks(float perSecond, float level);
    // Low metal strikes, far off, `count` times a loop.
    void Clanks(int count, float level);

    // Reverb over the whole mix; then the finished loop scaled to the given peak.
    Signal Finish(float reverbSize, float reverbWet, float peak);

    float Seconds() const { return mix.Seconds(); }

private:
    Signal RenderVoice(Voice voice, float hz, float brightness, float detuneCents);
    // Runs step over the loop twice and keeps the second pass.
    template <typename Step>
    void Cyclic(std::vector<float>& data, Step step);
    float Table(double phase) const;

    Signal mix;
    size_t n;
    Random rng;
    std::vector<float> sine;
};
