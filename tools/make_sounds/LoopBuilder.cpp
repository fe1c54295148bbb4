#include "tools/make_sounds/LoopBuilder.h"

#include <cmath>

#include "tools/make_sounds/Filters.h"
#include "tools/make_sounds/Synth.h"

namespace {
constexpr size_t kTableSize = 4096;

float PolyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return static_cast<float>(t + t - t * t - 1.0);
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return static_cast<float>(t * t + t + t + 1.0);
    }
    return 0.0f;
}
}  // namespace

LoopBuilder::LoopBuilder(float seconds, std::uint32_t seed, int rate)
    : mix(rate, seconds), n(mix.Size()), rng(seed)
{
    sine.resize(kTableSize + 1);
    for (size_t i = 0; i <= kTableSize; ++i)
        sine[i] = static_cast<float>(std::sin(6.283185307179586 * static_cast<double>(i) / kTableSize));
}

float LoopBuilder::Note(int midi)
{
    return 440.0f * std::pow(2.0f, static_cast<float>(midi - 69) / 12.0f);
}

float LoopBuilder::Table(double phase) const
{
    double x = phase * kTableSize;
    size_t i = static_cast<size_t>(x);
    float f = static_cast<float>(x - static_cast<double>(i));
    i %= kTableSize;
    return sine[i] + (sine[i + 1] - sine[i]) * f;
}

template <typename Step>
void LoopBuilder::Cyclic(std::vector<float>& data, Step step)
{
    for (size_t i = 0; i < data.size(); ++i) step(i, data[i]);
    for (size_t i = 0; i < data.size(); ++i) data[i] = step(i, data[i]);
}

void LoopBuilder::Drone(const std::vector<int>& notes, float detuneCents, float saw, float level,
                        float cutoff, float octaves, int sweeps, int swells, float depth)
{
    const double rate = static_cast<double>(mix.rate);
    std::vector<float> layer(n, 0.0f);
    int voiceIndex = 0;
    int voices = 0;
    for (int note : notes) {
        for (int d = -1; d <= 1; ++d, ++voiceIndex, ++voices) {
            float cents = static_cast<float>(d) * detuneCents + rng.Bipolar() * detuneCents * 0.25f;
            double hz = Note(note) * std::pow(2.0, cents / 1200.0);
            // Whole cycles per loop: the phase at sample n is the phase at sample 0.
            std::uint64_t k = static_cast<std::uint64_t>(std::llround(hz * static_cast<double>(n) / rate));
            if (k == 0) k = 1;
            std::uint64_t offset = static_cast<std::uint64_t>(rng.Uniform() * static_cast<float>(n));
            std::uint64_t swellCycles = static_cast<std::uint64_t>(swells + voiceIndex % 3);
            std::uint64_t swellOffset = static_cast<std::uint64_t>(rng.Uniform() * static_cast<float>(n));
            double dt = static_cast<double>(k) / static_cast<double>(n);
            for (size_t i = 0; i < n; ++i) {
                double phase = static_cast<double>((k * i + offset) % n) / static_cast<double>(n);
                float pure = Table(phase);
                float bright = static_cast<float>(2.0 * phase - 1.0) - PolyBlep(phase, dt);
                double sp = static_cast<double>((swellCycles * i + swellOffset) % n) / static_cast<double>(n);
                float swell = 1.0f - depth * 0.5f * (1.0f + Table(sp));
                layer[i] += (pure * (1.0f - saw) + bright * saw) * swell;
            }
        }
    }
    Biquad filter;
    const double nd = static_cast<double>(n);
    const std::uint64_t sweepCycles = static_cast<std::uint64_t>(sweeps);
    const float fr = static_cast<float>(rate);
    float gain = level / std::sqrt(static_cast<float>(voices));
    Cyclic(layer, [&](size_t i, float x) {
        if ((i & 31) == 0) {
            double sp = static_cast<double>((sweepCycles * i) % n) / nd;
            filter.Lowpass(cutoff * std::pow(2.0f, octaves * Table(sp)), 0.8f, fr);
        }
        return filter.Process(x);
    });
    for (size_t i = 0; i < n; ++i) mix.samples[i] += layer[i] * gain;
}

void LoopBuilder::Air(float level, float centreHz, float q, int sweeps, float octaves)
{
    std::vector<float> layer(n);
    for (float& s : layer) s = rng.Bipolar();
    Biquad filter;
    const double nd = static_cast<double>(n);
    const std::uint64_t sweepCycles = static_cast<std::uint64_t>(sweeps);
    const float fr = static_cast<float>(mix.rate);
    Cyclic(layer, [&](size_t i, float x) {
        if ((i & 31) == 0) {
            double sp = static_cast<double>((sweepCycles * i) % n) / nd;
            filter.Bandpass(centreHz * std::pow(2.0f, octaves * Table(sp)), q, fr);
        }
        return filter.Process(x);
    });
    // Gusts: the loudness follows the sweep a quarter-cycle behind.
    for (size_t i = 0; i < n; ++i) {
        double sp = static_cast<double>((sweepCycles * i) % n) / nd + 0.25;
        mix.samples[i] += layer[i] * level * (0.6f + 0.4f * Table(sp - std::floor(sp)));
    }
}

Signal LoopBuilder::RenderVoice(Voice voice, float hz, float brightness, float detuneCents)
{
    hz *= std::pow(2.0f, detuneCents / 1200.0f);
    switch (voice) {
    case Voice::Piano:
        return Synth::PianoNote(rng, mix.rate, hz, 5.0f, brightness);
    case Voice::Bell:
        return Synth::BellNote(mix.rate, hz, 6.0f, {1.0f, 2.0f, 2.4f, 3.0f, 4.2f, 5.4f}, 2.5f);
    case Voice::MusicBox:
    default:
        return Synth::BellNote(mix.rate, hz, 2.5f, {1.0f, 3.9f, 9.2f}, 0.9f * (0.5f + brightness));
    }
}

void LoopBuilder::Scatter(const std::vector<int>& pool, int count, float level, Voice voice,
                          float brightness)
{
    if (pool.empty() || count <= 0) return;
    float slot = Seconds() / static_cast<float>(count);
    int last = -1;
    for (int j = 0; j < count; ++j) {
        int pick = rng.Below(static_cast<int>(pool.size()));
        if (pick == last) pick = (pick + 1) % static_cast<int>(pool.size());
        last = pick;
        float at = slot * static_cast<float>(j) + rng.Range(0.0f, slot * 0.6f);
        float velocity = rng.Range(0.6f, 1.0f);
        mix.Mix(RenderVoice(voice, Note(pool[static_cast<size_t>(pick)]), brightness, 0.0f), at,
                level * velocity, true);
    }
}

void LoopBuilder::Melody(const std::vector<int>& notes, float beat, float start, float level,
                         Voice voice, float detuneCents)
{
    for (size_t j = 0; j < notes.size(); ++j) {
        if (notes[j] < 0) continue;
        // An old mechanism: each note a little out of tune, and not the same way twice.
        float cents = -rng.Uniform() * detuneCents;
        float at = start + beat * static_cast<float>(j);
        mix.Mix(RenderVoice(voice, Note(notes[j]), 0.5f, cents), at, level * rng.Range(0.75f, 1.0f), true);
    }
}

void LoopBuilder::Heartbeats(float bpm, float level)
{
    float period = 60.0f / bpm;
    int beats = static_cast<int>(std::floor(Seconds() / period + 0.01f));
    Signal beat = Synth::Heartbeat(rng, mix.rate, 1.0f);
    for (int b = 0; b < beats; ++b) mix.Mix(beat, period * static_cast<float>(b), level, true);
}

void LoopBuilder::Ticks(float perSecond, float level)
{
    int count = static_cast<int>(std::floor(Seconds() * perSecond + 0.01f));
    Signal tick = Synth::Click(rng, mix.rate, 3100.0f, 6.0f, 0.004f);
    Signal tock = Synth::Click(rng, mix.rate, 2300.0f, 6.0f, 0.005f);
    for (int t = 0; t < count; ++t)
        mix.Mix(t % 2 == 0 ? tick : tock, static_cast<float>(t) / perSecond, level, true);
}

void LoopBuilder::Clanks(int count, float level)
{
    if (count <= 0) return;
    float slot = Seconds() / static_cast<float>(count);
    for (int c = 0; c < count; ++c) {
        Signal clank = Synth::MetalHit(rng, mix.rate, rng.Range(90.0f, 160.0f),
                                       {1.0f, 2.76f, 5.4f, 8.93f}, 1.6f, 4.0f);
        // Far away: only the low part of it arrives.
        Biquad lowpass;
        lowpass.Lowpass(900.0f, 0.7f, static_cast<float>(mix.rate));
        for (float& s : clank.samples) s = lowpass.Process(s);
        mix.Mix(clank, slot * static_cast<float>(c) + rng.Range(0.0f, slot * 0.5f), level, true);
    }
}

Signal LoopBuilder::Finish(float reverbSize, float reverbWet, float peak)
{
    std::vector<float> wet = mix.samples;
    Reverb reverb(static_cast<float>(mix.rate), reverbSize, 0.45f);
    Cyclic(wet, [&](size_t, float x) { return reverb.Process(x); });
    for (size_t i = 0; i < n; ++i) mix.samples[i] += wet[i] * reverbWet;
    // Keep the lowest rumble out of it: small speakers only distort on it.
    std::vector<float>& data = mix.samples;
    Biquad highpass;
    highpass.Highpass(30.0f, 0.7f, static_cast<float>(mix.rate));
    Cyclic(data, [&](size_t, float x) { return highpass.Process(x); });
    mix.Normalize(peak);
    return mix;
}
