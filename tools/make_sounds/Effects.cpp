// Sound effects. Every recipe owns its seed, so adding or reordering recipes changes nothing else.
#include <cmath>
#include <string>

#include "tools/make_sounds/Recipe.h"
#include "tools/make_sounds/Filters.h"
#include "tools/make_sounds/Synth.h"

using namespace Synth;

namespace {

constexpr int kRate = 44100;

// Last touches every effect gets: no DC, no click at either end, the given peak.
Signal Done(Signal out, float peak)
{
    Biquad highpass;
    highpass.Highpass(25.0f, 0.7f, static_cast<float>(out.rate));
    for (float& s : out.samples) s = highpass.Process(s);
    out.FadeEdges(0.001f, 0.05f);
    out.Normalize(peak);
    return out;
}

// Long sounds with little above 9 kHz are kept at half the rate: half the bytes, same sound.
Signal HalfRate(Signal out)
{
    Biquad a;
    Biquad b;
    a.Lowpass(out.rate * 0.2f, 0.54f, static_cast<float>(out.rate));
    b.Lowpass(out.rate * 0.2f, 1.31f, static_cast<float>(out.rate));
    Signal half;
    half.rate = out.rate / 2;
    for (size_t i = 0; i < out.Size(); ++i) {
        float s = b.Process(a.Process(out.samples[i]));
        if (i % 2 == 0) half.samples.push_back(s);
    }
    return half;
}

Signal Footstep(int variant)
{
    Random rng(1000u + static_cast<unsigned>(variant) * 7919u);
    Signal out(kRate, 0.32f);
    // Heel: a soft low thump with a dull knock of the floor in it.
    float heelHz = rng.Range(85.0f, 120.0f);
    out.Mix(Thump(kRate, heelHz * 1.6f, heelHz, 0.03f, rng.Range(0.025f, 0.04f), 0.2f), 0.0f, 0.9f);
    out.Mix(NoiseBurst(rng, kRate, 0.15f, 0.002f, rng.Range(0.018f, 0.03f), Band::Low,
                       rng.Range(500.0f, 800.0f), 250.0f, 0.9f), 0.0f, 1.4f);
    // Toe and grit: a quieter scuff a moment later.
    float toe = rng.Range(0.035f, 0.07f);
    out.Mix(NoiseBurst(rng, kRate, 0.08f, 0.004f, 0.015f, Band::Pass, rng.Range(1400.0f, 2600.0f),
                       rng.Range(900.0f, 1500.0f), 1.2f), toe, rng.Range(0.25f, 0.45f));
    out.Mix(Crackle(rng, kRate, 0.06f, 60.0f, 2500.0f, 5000.0f), toe, 0.05f);
    AddReverb(out, 0.2f, 0.6f, 0.12f, 0.1f);
    out.FadeEdges(0.0f, 0.05f);
    return Done(out, 0.95f);
}

Signal MenuSelect()
{
    Random rng(2001u);
    Signal out(kRate, 0.7f);
    out.Mix(BellNote(kRate, 220.0f, 0.7f, {1.0f, 2.0f, 3.01f}, 0.18f), 0.0f, 0.6f);
    out.Mix(BellNote(kRate, 329.6f, 0.7f, {1.0f, 2.0f}, 0.12f), 0.0f, 0.25f);
    out.Mix(NoiseBurst(rng, kRate, 0.08f, 0.005f, 0.02f, Band::Pass, 1200.0f, 800.0f, 2.0f), 0.0f, 0.05f);
    AddReverb(out, 0.5f, 0.5f, 0.3f, 0.4f);
    return Done(out, 0.7f);
}

Signal MenuAccept()
{
    Random rng(2002u);
    Signal out(kRate, 1.4f);
    // A low minor chord struck softly, its fifth arriving a beat late.
    out.Mix(PianoNote(rng, kRate, 110.0f, 1.4f, 0.6f), 0.0f, 0.6f);
    out.Mix(PianoNote(rng, kRate, 130.8f, 1.4f, 0.6f), 0.0f, 0.4f);
    out.Mix(PianoNote(rng, kRate, 164.8f, 1.3f, 0.6f), 0.06f, 0.4f);
    out.Mix(BellNote(kRate, 440.0f, 1.0f, {1.0f, 2.76f}, 0.25f), 0.06f, 0.12f);
    AddReverb(out, 0.6f, 0.5f, 0.35f, 0.8f);
    return Done(out, 0.75f);
}

Signal Spark()
{
    Random rng(2101u);
    Signal out(kRate, 0.55f);
    out.Mix(Crackle(rng, kRate, 0.5f, 30.0f, 1800.0f, 7000.0f), 0.0f, 0.8f);
    // A fizz of current under the pops.
    Signal buzz = Cluster(rng, kRate, 0.35f, {100.0f, 150.0f}, 20.0f, 3000.0f, 1500.0f, 0.005f, 0.2f);
    out.Mix(buzz, 0.02f, 0.25f);
    out.Mix(Click(rng, kRate, 3200.0f, 3.0f, 0.004f), 0.0f, 0.9f);
    AddReverb(out, 0.3f, 0.4f, 0.15f, 0.2f);
    return Done(out, 0.85f);
}

Signal Electricity()
{
    Random rng(2102u);
    Signal out(kRate, 2.6f);
    Signal hum = Cluster(rng, kRate, 2.6f, {50.0f, 100.0f, 150.0f}, 8.0f, 400.0f, 1600.0f, 0.02f, 0.6f);
    Saturate(hum, 3.0f);
    out.Mix(hum, 0.0f, 0.35f);
    out.Mix(Crackle(rng, kRate, 2.4f, 40.0f, 1500.0f, 8000.0f), 0.0f, 0.7f);
    out.Mix(NoiseBurst(rng, kRate, 0.25f, 0.001f, 0.05f, Band::High, 2000.0f, 6000.0f, 0.8f), 0.0f, 0.6f);
    out.Mix(Thump(kRate, 90.0f, 45.0f, 0.05f, 0.08f, 0.3f), 0.0f, 0.8f);
    AddReverb(out, 0.6f, 0.4f, 0.2f, 0.6f);
    return Done(out, 0.85f);
}

Signal Spotlight()
{
    Random rng(2103u);
    Signal out(kRate, 2.0f);
    // The relay clunk, then the lamp's ballast humming up.
    out.Mix(Thump(kRate, 140.0f, 60.0f, 0.03f, 0.05f, 0.25f), 0.0f, 0.9f);
    out.Mix(Click(rng, kRate, 1800.0f, 4.0f, 0.01f), 0.0f, 0.7f);
    out.Mix(MetalHit(rng, kRate, 420.0f, {1.0f, 2.71f, 5.1f}, 0.15f, 0.5f), 0.0f, 0.25f);
    Signal hum = Cluster(rng, kRate, 1.8f, {100.0f, 200.0f}, 5.0f, 200.0f, 2500.0f, 0.4f, 0.6f);
    out.Mix(hum, 0.1f, 0.35f);
    AddReverb(out, 0.7f, 0.5f, 0.3f, 0.7f);
    return Done(out, 0.85f);
}

Signal TorchClick()
{
    Random rng(2104u);
    Signal out(kRate, 0.18f);
    out.Mix(Click(rng, kRate, 2800.0f, 5.0f, 0.006f), 0.0f, 1.0f);
    out.Mix(Click(rng, kRate, 1500.0f, 3.0f, 0.004f), 0.0f, 0.5f);
    out.Mix(Click(rng, kRate, 3300.0f, 5.0f, 0.004f), 0.07f, 0.6f);
    AddReverb(out, 0.15f, 0.5f, 0.1f, 0.05f);
    return Done(out, 0.8f);
}

Signal Door(unsigned seed, float creakSeconds, float fromHz, float toHz, float slam)
{
    Random rng(seed);
    Signal out(kRate, creakSeconds + 0.6f);
    out.Mix(Click(rng, kRate, 1900.0f, 4.0f, 0.008f), 0.0f, 0.5f);
    Signal creak = Creak(rng, kRate, creakSeconds, fromHz, toHz, {520.0f, 870.0f, 1340.0f, 2100.0f}, 12.0f);
    out.Mix(creak, 0.05f, 1.0f);
    // The creak is all thin spikes, the slam one solid body: keep the slam under it.
    float at = creakSeconds * 0.9f;
    out.Mix(Thump(kRate, 110.0f, 55.0f, 0.04f, 0.09f, 0.4f), at, slam * 0.45f);
    out.Mix(NoiseBurst(rng, kRate, 0.3f, 0.002f, 0.05f, Band::Low, 600.0f, 200.0f, 0.8f), at, slam * 0.5f);
    out.Mix(Click(rng, kRate, 1200.0f, 3.0f, 0.01f), at + 0.01f, slam * 0.3f);
    AddReverb(out, 0.6f, 0.5f, 0.25f, 0.6f);
    return Done(out, 0.9f);
}

Signal DoorLocked()
{
    Random rng(2201u);
    Signal out(kRate, 0.9f);
    // The handle tried twice: latch rattles against a bolt that does not give.
    const float times[] = {0.0f, 0.09f, 0.32f, 0.41f};
    for (float t : times) {
        out.Mix(MetalHit(rng, kRate, rng.Range(900.0f, 1300.0f), {1.0f, 2.32f, 4.1f}, 0.03f, 0.12f), t, 0.45f);
        out.Mix(Thump(kRate, 140.0f, 80.0f, 0.02f, 0.03f, 0.1f), t, 0.5f);
    }
    AddReverb(out, 0.4f, 0.5f, 0.2f, 0.3f);
    return Done(out, 0.85f);
}

Signal DoorUnlock()
{
    Random rng(2202u);
    Signal out(kRate, 1.2f);
    out.Mix(Click(rng, kRate, 2400.0f, 6.0f, 0.01f), 0.0f, 0.6f);
    out.Mix(MetalHit(rng, kRate, 780.0f, {1.0f, 2.6f, 4.9f}, 0.06f, 0.3f), 0.18f, 0.6f);
    out.Mix(Thump(kRate, 160.0f, 70.0f, 0.03f, 0.04f, 0.2f), 0.18f, 0.7f);
    out.Mix(Creak(rng, kRate, 0.45f, 45.0f, 25.0f, {600.0f, 980.0f, 1500.0f}, 10.0f), 0.35f, 0.35f);
    AddReverb(out, 0.5f, 0.5f, 0.25f, 0.4f);
    return Done(out, 0.85f);
}

Signal DeathSwell(unsigned seed, float seconds, float root, bool bell)
{
    Random rng(seed);
    Signal out(kRate, seconds);
    // Minor second and tritone over a low root: nothing in it resolves.
    Signal swell = Cluster(rng, kRate, seconds * 0.85f, {root, root * 1.0595f, root * 1.4142f, root * 2.12f},
                           18.0f, 120.0f, 1800.0f, seconds * 0.45f, seconds * 0.3f);
    Saturate(swell, 1.8f);
    out.Mix(swell, 0.0f, 0.8f);
    out.Mix(NoiseBurst(rng, kRate, seconds * 0.8f, seconds * 0.4f, seconds * 0.25f, Band::Pass, 200.0f, 900.0f, 1.2f),
            0.0f, 0.5f);
    float hit = seconds * 0.42f;
    out.Mix(Thump(kRate, 70.0f, 32.0f, 0.2f, 0.5f, 1.5f), hit, 1.0f);
    if (bell) out.Mix(MetalHit(rng, kRate, root * 2.0f, {1.0f, 2.0f, 2.4f, 3.0f, 4.2f, 5.4f}, 2.0f, seconds - hit), hit, 0.35f);
    AddReverb(out, 0.9f, 0.4f, 0.35f, 1.5f);
    out.FadeEdges(0.0f, 0.8f);
    return Done(out, 0.9f);
}

Signal BearAttack()
{
    Random rng(2301u);
    Signal out(kRate, 1.8f);
    Signal roar = Growl(rng, kRate, 1.5f, 95.0f, 0.25f, {400.0f, 800.0f, 1600.0f});
    out.Mix(roar, 0.05f, 0.9f);
    out.Mix(NoiseBurst(rng, kRate, 1.2f, 0.05f, 0.5f, Band::Pass, 700.0f, 300.0f, 1.0f), 0.05f, 0.5f);
    out.Mix(Thump(kRate, 80.0f, 38.0f, 0.1f, 0.2f, 0.6f), 0.0f, 1.0f);
    AddReverb(out, 0.5f, 0.5f, 0.25f, 0.6f);
    return Done(out, 0.95f);
}

Signal BearGrowl()
{
    Random rng(2302u);
    Signal out(kRate, 2.0f);
    out.Mix(Growl(rng, kRate, 1.8f, 70.0f, 0.15f, {350.0f, 700.0f, 1200.0f}), 0.0f, 0.8f);
    AddReverb(out, 0.6f, 0.5f, 0.3f, 0.6f);
    return Done(out, 0.85f);
}

Signal ItemPickup()
{
    Random rng(2401u);
    Signal out(kRate, 0.8f);
    out.Mix(Rustle(rng, kRate, 0.25f, 3000.0f, 1.5f, 60.0f), 0.0f, 0.6f);
    out.Mix(BellNote(kRate, 293.7f, 0.6f, {1.0f, 2.0f, 3.0f}, 0.2f), 0.12f, 0.35f);
    out.Mix(BellNote(kRate, 349.2f, 0.6f, {1.0f, 2.0f, 3.0f}, 0.2f), 0.2f, 0.25f);
    AddReverb(out, 0.4f, 0.5f, 0.25f, 0.3f);
    return Done(out, 0.8f);
}

Signal ItemPlace()
{
    Random rng(2402u);
    Signal out(kRate, 0.5f);
    out.Mix(Thump(kRate, 220.0f, 130.0f, 0.02f, 0.04f, 0.2f), 0.0f, 0.8f);
    out.Mix(NoiseBurst(rng, kRate, 0.15f, 0.001f, 0.02f, Band::Pass, 900.0f, 600.0f, 2.5f), 0.0f, 1.0f);
    out.Mix(MetalHit(rng, kRate, 1100.0f, {1.0f, 2.4f, 3.9f}, 0.05f, 0.25f), 0.0f, 0.2f);
    AddReverb(out, 0.3f, 0.5f, 0.2f, 0.2f);
    return Done(out, 0.8f);
}

Signal Paper()
{
    Random rng(2403u);
    Signal out(kRate, 0.8f);
    out.Mix(Rustle(rng, kRate, 0.7f, 3500.0f, 1.0f, 45.0f), 0.0f, 0.7f);
    out.Mix(Rustle(rng, kRate, 0.5f, 6000.0f, 1.2f, 80.0f), 0.1f, 0.3f);
    AddReverb(out, 0.2f, 0.6f, 0.1f, 0.15f);
    return Done(out, 0.7f);
}

Signal Rumble()
{
    Random rng(2501u);
    Signal out(kRate, 6.0f);
    Biquad lowpass;
    lowpass.Lowpass(90.0f, 0.8f, kRate);
    OnePole swell;
    swell.SetCutoff(1.5f, kRate);
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float env = std::fmin(1.0f, t / 1.0f) * std::fmin(1.0f, (6.0f - t) / 1.5f);
        float wobble = 0.6f + 0.4f * std::fabs(swell.Lowpass(rng.Bipolar() * 20.0f));
        out.samples[i] = lowpass.Process(rng.Bipolar()) * env * wobble * 6.0f;
    }
    Saturate(out, 1.5f);
    // Dust and grit coming down.
    out.Mix(Crackle(rng, kRate, 4.5f, 12.0f, 800.0f, 3000.0f), 1.0f, 0.12f);
    out.Mix(Thump(kRate, 60.0f, 30.0f, 0.3f, 0.6f, 1.5f), 2.8f, 0.8f);
    out.Mix(Thump(kRate, 55.0f, 28.0f, 0.3f, 0.6f, 1.5f), 4.6f, 0.8f);
    AddReverb(out, 0.8f, 0.6f, 0.3f, 0.8f);
    return Done(out, 0.9f);
}

Signal DoorBanging()
{
    Random rng(2502u);
    Signal out(kRate, 12.0f);
    float t = 0.1f;
    while (t < 11.2f) {
        float strength = rng.Range(0.6f, 1.0f);
        out.Mix(Thump(kRate, 120.0f, 50.0f, 0.04f, 0.12f, 0.6f), t, strength);
        out.Mix(NoiseBurst(rng, kRate, 0.4f, 0.002f, 0.06f, Band::Low, 900.0f, 250.0f, 0.9f), t, strength * 1.3f);
        out.Mix(MetalHit(rng, kRate, rng.Range(300.0f, 380.0f), {1.0f, 2.3f, 3.7f}, 0.12f, 0.4f), t, strength * 0.12f);
        // Fists come in pairs and threes, then a pause.
        t += rng.Uniform() < 0.65f ? rng.Range(0.28f, 0.4f) : rng.Range(0.9f, 1.5f);
    }
    AddReverb(out, 0.7f, 0.5f, 0.3f, 0.5f);
    return Done(out, 0.95f);
}

Signal FireIgnite()
{
    Random rng(2601u);
    Signal out(kRate, 3.0f);
    out.Mix(Click(rng, kRate, 3500.0f, 5.0f, 0.005f), 0.0f, 0.6f);
    out.Mix(NoiseBurst(rng, kRate, 1.2f, 0.15f, 0.5f, Band::Pass, 250.0f, 1800.0f, 0.8f), 0.05f, 1.0f);
    out.Mix(Thump(kRate, 70.0f, 40.0f, 0.2f, 0.3f, 0.8f), 0.1f, 0.6f);
    Signal roar = NoiseBurst(rng, kRate, 2.6f, 0.5f, 1.5f, Band::Low, 500.0f, 400.0f, 0.7f);
    out.Mix(roar, 0.3f, 0.6f);
    out.Mix(Crackle(rng, kRate, 2.5f, 25.0f, 1500.0f, 6000.0f), 0.4f, 0.5f);
    AddReverb(out, 0.6f, 0.5f, 0.2f, 0.5f);
    return Done(out, 0.9f);
}

Signal Whisper()
{
    Random rng(2701u);
    Signal out(kRate, 2.4f);
    // Breath through shifting vowel shapes: a voice with no words in it.
    const float vowels[][2] = {{700.0f, 1200.0f}, {400.0f, 2000.0f}, {300.0f, 900.0f}, {600.0f, 1700.0f}};
    float t = 0.1f;
    for (int syllable = 0; syllable < 7; ++syllable) {
        const float* v = vowels[rng.Below(4)];
        float len = rng.Range(0.15f, 0.32f);
        out.Mix(NoiseBurst(rng, kRate, len, len * 0.4f, len * 0.3f, Band::Pass, v[0], v[0] * 1.1f, 6.0f), t, 0.8f);
        out.Mix(NoiseBurst(rng, kRate, len, len * 0.4f, len * 0.3f, Band::Pass, v[1], v[1] * 0.9f, 8.0f), t, 0.6f);
        out.Mix(NoiseBurst(rng, kRate, 0.06f, 0.01f, 0.02f, Band::High, 5000.0f, 4000.0f, 0.8f), t, 0.15f);
        t += len + rng.Range(0.02f, 0.12f);
    }
    AddReverb(out, 0.85f, 0.4f, 0.5f, 1.0f);
    return Done(out, 0.7f);
}

Signal HeartbeatSfx()
{
    Random rng(2801u);
    Signal out(kRate, 1.0f);
    out.Mix(Heartbeat(rng, kRate, 1.0f), 0.0f, 1.0f);
    AddReverb(out, 0.3f, 0.6f, 0.15f, 0.2f);
    return Done(out, 0.95f);
}

Signal ToySqueak()
{
    Random rng(2901u);
    Signal out(kRate, 0.5f);
    double phase = 0.0;
    Biquad nasal;
    nasal.Bandpass(1800.0f, 3.0f, kRate);
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float hz = 900.0f + 500.0f * std::sin(kPi * std::fmin(1.0f, t / 0.35f)) + 30.0f * std::sin(2.0f * kPi * 28.0f * t);
        phase += hz / kRate;
        phase -= std::floor(phase);
        float pulse = phase < 0.3 ? 1.0f : -0.43f;
        float env = std::fmin(1.0f, t / 0.02f) * std::fmax(0.0f, 1.0f - t / 0.42f);
        out.samples[i] = (nasal.Process(pulse) * 0.8f + pulse * 0.1f) * env;
    }
    out.Mix(Rustle(rng, kRate, 0.3f, 4000.0f, 1.0f, 50.0f), 0.0f, 0.1f);
    AddReverb(out, 0.3f, 0.5f, 0.2f, 0.3f);
    return Done(out, 0.7f);
}

Signal GirlGiggle()
{
    Random rng(3001u);
    Signal out(kRate, 1.8f);
    double phase = 0.0;
    Biquad f1, f2;
    f1.Bandpass(850.0f, 5.0f, kRate);
    f2.Bandpass(1900.0f, 6.0f, kRate);
    // Five breathy "ha"s, falling in pitch, each voiced pulse train gated by its own envelope.
    const float starts[] = {0.05f, 0.22f, 0.38f, 0.53f, 0.7f};
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float gate = 0.0f;
        for (int h = 0; h < 5; ++h) {
            float local = t - starts[h];
            if (local >= 0.0f && local < 0.14f) gate += std::sin(kPi * local / 0.14f) * (1.0f - 0.12f * static_cast<float>(h));
        }
        float hz = 430.0f - 60.0f * t + 12.0f * std::sin(2.0f * kPi * 6.0f * t);
        phase += hz / kRate;
        phase -= std::floor(phase);
        float source = static_cast<float>(2.0 * phase - 1.0) * 0.5f + rng.Bipolar() * 0.5f;
        out.samples[i] = (f1.Process(source) + 0.6f * f2.Process(source)) * gate;
    }
    AddReverb(out, 0.9f, 0.35f, 0.55f, 0.9f);
    return Done(out, 0.65f);
}

Signal SwitchClick()
{
    Random rng(3101u);
    Signal out(kRate, 0.35f);
    out.Mix(Click(rng, kRate, 1600.0f, 4.0f, 0.012f), 0.0f, 0.8f);
    out.Mix(Thump(kRate, 180.0f, 90.0f, 0.02f, 0.03f, 0.15f), 0.0f, 0.7f);
    out.Mix(MetalHit(rng, kRate, 1400.0f, {1.0f, 2.2f}, 0.04f, 0.2f), 0.005f, 0.2f);
    AddReverb(out, 0.4f, 0.5f, 0.2f, 0.2f);
    return Done(out, 0.8f);
}

Signal MetalClang()
{
    Random rng(3201u);
    Signal out(kRate, 2.2f);
    out.Mix(MetalHit(rng, kRate, 240.0f, {1.0f, 2.76f, 5.40f, 8.93f, 13.34f}, 0.9f, 2.0f), 0.0f, 0.8f);
    out.Mix(Thump(kRate, 130.0f, 80.0f, 0.03f, 0.05f, 0.2f), 0.0f, 0.5f);
    AddReverb(out, 0.7f, 0.4f, 0.3f, 0.6f);
    return Done(out, 0.85f);
}

Signal WallSmash()
{
    Random rng(3301u);
    Signal out(kRate, 2.6f);
    out.Mix(Thump(kRate, 90.0f, 35.0f, 0.1f, 0.25f, 1.0f), 0.0f, 1.0f);
    out.Mix(NoiseBurst(rng, kRate, 0.8f, 0.002f, 0.15f, Band::Low, 2500.0f, 300.0f, 0.8f), 0.0f, 1.2f);
    out.Mix(Crackle(rng, kRate, 1.8f, 40.0f, 600.0f, 3500.0f), 0.05f, 0.5f);
    for (int chunk = 0; chunk < 6; ++chunk) {
        float at = rng.Range(0.2f, 1.6f);
        out.Mix(Thump(kRate, rng.Range(150.0f, 260.0f), 90.0f, 0.02f, 0.04f, 0.2f), at, rng.Range(0.2f, 0.45f));
    }
    AddReverb(out, 0.7f, 0.5f, 0.3f, 0.6f);
    return Done(out, 0.95f);
}

Signal WaterSplash()
{
    Random rng(3401u);
    Signal out(kRate, 1.6f);
    out.Mix(NoiseBurst(rng, kRate, 1.2f, 0.03f, 0.4f, Band::Pass, 1500.0f, 700.0f, 0.9f), 0.0f, 0.6f);
    // Bubbles: tiny rising sine chirps.
    for (int b = 0; b < 28; ++b) {
        float hz = rng.Range(400.0f, 1400.0f);
        float len = rng.Range(0.02f, 0.06f);
        Signal bubble(kRate, len);
        double phase = 0.0;
        for (size_t i = 0; i < bubble.Size(); ++i) {
            float t = static_cast<float>(i) / kRate;
            phase += 6.283185307 * hz * (1.0f + 2.0f * t / len) / kRate;
            bubble.samples[i] = static_cast<float>(std::sin(phase)) * std::exp(-t / (len * 0.4f));
        }
        out.Mix(bubble, rng.Range(0.0f, 1.1f), rng.Range(0.1f, 0.35f));
    }
    AddReverb(out, 0.4f, 0.5f, 0.2f, 0.3f);
    return Done(out, 0.8f);
}

// A ward where water drips from the ceiling into standing puddles: a few plinks a second with a
// long wet tail, sparse enough that the loop's seam is lost among them.
Signal WaterDrip()
{
    Random rng(3402u);
    Signal out(kRate, 4.0f);
    const float times[7] = {0.15f, 0.9f, 1.35f, 2.1f, 2.8f, 3.15f, 3.6f};
    for (float at : times) {
        float hz = rng.Range(700.0f, 1300.0f);
        float len = rng.Range(0.05f, 0.09f);
        Signal drop(kRate, len);
        double phase = 0.0;
        for (size_t i = 0; i < drop.Size(); ++i) {
            float t = static_cast<float>(i) / kRate;
            phase += 6.283185307 * hz * (1.0f + 1.5f * t / len) / kRate;
            drop.samples[i] = static_cast<float>(std::sin(phase)) * std::exp(-t / (len * 0.3f));
        }
        out.Mix(drop, at, rng.Range(0.35f, 0.6f));
        out.Mix(NoiseBurst(rng, kRate, 0.05f, 0.001f, 0.02f, Band::Pass, 2200.0f, 1600.0f, 1.2f), at, 0.12f);
    }
    AddReverb(out, 0.8f, 0.4f, 0.35f, 0.0f);
    return Done(out, 0.6f);
}

// Old boiler pipes: a low uneven drone with the odd knock, to loop under a room.
Signal PipeHum()
{
    Random rng(3403u);
    Signal out(kRate, 4.0f);
    Signal hum = Cluster(rng, kRate, 4.0f, {41.0f, 82.0f, 123.0f}, 3.0f, 320.0f, 340.0f, 0.05f, 0.05f);
    Saturate(hum, 2.0f);
    out.Mix(hum, 0.0f, 0.5f);
    out.Mix(MetalHit(rng, kRate, 180.0f, {1.0f, 2.3f, 3.9f}, 0.3f, 0.8f), 1.3f, 0.18f);
    out.Mix(MetalHit(rng, kRate, 140.0f, {1.0f, 2.7f, 4.4f}, 0.3f, 0.8f), 3.1f, 0.12f);
    AddReverb(out, 0.7f, 0.6f, 0.25f, 0.0f);
    return Done(out, 0.6f);
}

Signal Swish(unsigned seed, float seconds, float fromHz, float toHz)
{
    Random rng(seed);
    Signal out(kRate, seconds);
    float half = seconds * 0.5f;
    out.Mix(NoiseBurst(rng, kRate, half, half * 0.8f, half * 0.3f, Band::Pass, fromHz, toHz, 1.5f), 0.0f, 1.0f);
    out.Mix(NoiseBurst(rng, kRate, half, half * 0.3f, half * 0.4f, Band::Pass, toHz, fromHz, 1.5f), half * 0.7f, 0.7f);
    out.Mix(Rustle(rng, kRate, seconds * 0.9f, 2500.0f, 1.0f, 40.0f), 0.0f, 0.25f);
    AddReverb(out, 0.3f, 0.5f, 0.15f, 0.2f);
    return Done(out, 0.75f);
}

Signal KnifeSlash()
{
    Random rng(3501u);
    Signal out(kRate, 0.9f);
    out.Mix(NoiseBurst(rng, kRate, 0.25f, 0.12f, 0.05f, Band::Pass, 1200.0f, 5000.0f, 2.0f), 0.0f, 0.9f);
    out.Mix(MetalHit(rng, kRate, 2100.0f, {1.0f, 1.51f, 2.83f}, 0.25f, 0.6f), 0.16f, 0.3f);
    AddReverb(out, 0.4f, 0.4f, 0.2f, 0.3f);
    return Done(out, 0.85f);
}

Signal GeneratorStart()
{
    Random rng(3601u);
    Signal out(kRate, 3.6f);
    // The cranks come faster and faster until the motor catches.
    float t = 0.0f;
    float gap = 0.3f;
    while (t < 1.6f) {
        out.Mix(Thump(kRate, 120.0f, 60.0f, 0.03f, 0.05f, 0.2f), t, 0.7f);
        out.Mix(NoiseBurst(rng, kRate, 0.1f, 0.002f, 0.025f, Band::Pass, 900.0f, 500.0f, 1.5f), t, 0.5f);
        t += gap;
        gap *= 0.82f;
    }
    Signal motor = Cluster(rng, kRate, 2.2f, {48.0f, 96.0f, 144.0f}, 10.0f, 300.0f, 900.0f, 0.3f, 0.4f);
    Saturate(motor, 2.5f);
    out.Mix(motor, 1.4f, 0.7f);
    out.Mix(Crackle(rng, kRate, 1.8f, 15.0f, 1000.0f, 4000.0f), 1.5f, 0.15f);
    AddReverb(out, 0.5f, 0.5f, 0.2f, 0.4f);
    return Done(out, 0.85f);
}

Signal Lever()
{
    Random rng(3701u);
    Signal out(kRate, 1.0f);
    for (int i = 0; i < 5; ++i)
        out.Mix(Click(rng, kRate, rng.Range(1800.0f, 2300.0f), 5.0f, 0.006f), 0.05f + 0.07f * static_cast<float>(i), 0.5f);
    out.Mix(Thump(kRate, 150.0f, 60.0f, 0.03f, 0.06f, 0.3f), 0.45f, 0.9f);
    out.Mix(MetalHit(rng, kRate, 520.0f, {1.0f, 2.7f, 4.4f}, 0.15f, 0.45f), 0.45f, 0.35f);
    AddReverb(out, 0.5f, 0.5f, 0.25f, 0.3f);
    return Done(out, 0.85f);
}

Signal Lift()
{
    Random rng(3801u);
    Signal out(kRate, 3.4f);
    out.Mix(Thump(kRate, 100.0f, 45.0f, 0.05f, 0.12f, 0.5f), 0.0f, 0.8f);
    out.Mix(MetalHit(rng, kRate, 300.0f, {1.0f, 2.5f, 4.1f}, 0.3f, 0.8f), 0.0f, 0.25f);
    Signal motor = Cluster(rng, kRate, 2.8f, {55.0f, 110.0f}, 6.0f, 200.0f, 500.0f, 0.4f, 0.6f);
    out.Mix(motor, 0.2f, 0.6f);
    out.Mix(Creak(rng, kRate, 2.2f, 20.0f, 35.0f, {400.0f, 760.0f}, 14.0f), 0.5f, 0.2f);
    out.Mix(Thump(kRate, 90.0f, 40.0f, 0.05f, 0.12f, 0.4f), 3.0f, 0.7f);
    AddReverb(out, 0.6f, 0.5f, 0.25f, 0.4f);
    return Done(out, 0.85f);
}

Signal ScareSting()
{
    Random rng(3901u);
    Signal out(kRate, 2.8f);
    Signal strings = Cluster(rng, kRate, 2.4f, {622.3f, 659.3f, 698.5f, 932.3f, 987.8f}, 25.0f, 5000.0f, 1200.0f, 0.01f, 1.6f);
    out.Mix(strings, 0.0f, 0.8f);
    out.Mix(Thump(kRate, 80.0f, 35.0f, 0.1f, 0.3f, 1.0f), 0.0f, 1.0f);
    out.Mix(NoiseBurst(rng, kRate, 0.5f, 0.002f, 0.12f, Band::High, 3000.0f, 1500.0f, 0.7f), 0.0f, 0.5f);
    AddReverb(out, 0.9f, 0.35f, 0.45f, 1.0f);
    return Done(out, 0.9f);
}

Signal Rummage()
{
    Random rng(4001u);
    Signal out(kRate, 1.2f);
    out.Mix(Rustle(rng, kRate, 1.1f, 1800.0f, 0.8f, 25.0f), 0.0f, 0.8f);
    out.Mix(Rustle(rng, kRate, 0.8f, 700.0f, 1.0f, 15.0f), 0.2f, 0.5f);
    out.Mix(Thump(kRate, 160.0f, 100.0f, 0.02f, 0.03f, 0.15f), 0.5f, 0.3f);
    AddReverb(out, 0.2f, 0.6f, 0.1f, 0.15f);
    return Done(out, 0.75f);
}

Signal Wheelchair()
{
    Random rng(4101u);
    Signal out(kRate, 2.4f);
    // Rolling grit, and a wheel that squeaks once per turn.
    out.Mix(NoiseBurst(rng, kRate, 2.3f, 0.3f, 1.2f, Band::Low, 400.0f, 300.0f, 0.7f), 0.0f, 0.4f);
    for (int turn = 0; turn < 4; ++turn) {
        Signal squeak = Creak(rng, kRate, 0.2f, 600.0f, 800.0f, {1800.0f, 2600.0f}, 15.0f);
        out.Mix(squeak, 0.15f + 0.5f * static_cast<float>(turn), 0.4f - 0.07f * static_cast<float>(turn));
    }
    AddReverb(out, 0.5f, 0.5f, 0.2f, 0.3f);
    return Done(out, 0.75f);
}

Signal GlassCrack()
{
    Random rng(4201u);
    Signal out(kRate, 1.0f);
    out.Mix(Click(rng, kRate, 4200.0f, 8.0f, 0.02f), 0.0f, 0.8f);
    out.Mix(Crackle(rng, kRate, 0.4f, 60.0f, 3000.0f, 9000.0f), 0.01f, 0.6f);
    out.Mix(MetalHit(rng, kRate, 1900.0f, {1.0f, 2.9f, 4.7f, 7.1f}, 0.2f, 0.8f), 0.0f, 0.3f);
    AddReverb(out, 0.5f, 0.3f, 0.25f, 0.3f);
    return Done(out, 0.8f);
}

}  // namespace

std::vector<SoundRecipe> EffectRecipes()
{
    std::vector<SoundRecipe> recipes;
    for (int i = 1; i <= 6; ++i)
        recipes.push_back({"default_footstep" + std::to_string(i), [i] { return Footstep(i); }});
    recipes.push_back({"menu_select", MenuSelect});
    recipes.push_back({"menu_accept", MenuAccept});
    recipes.push_back({"spark", Spark});
    recipes.push_back({"electricity", Electricity});
    recipes.push_back({"spotlight2", Spotlight});
    recipes.push_back({"torch_click", TorchClick});
    recipes.push_back({"door_open", [] { return Door(2200u, 0.9f, 28.0f, 60.0f, 0.9f); }});
    recipes.push_back({"door_locked", DoorLocked});
    recipes.push_back({"door_unlock", DoorUnlock});
    recipes.push_back({"cupboard_open", [] { return Door(2203u, 0.6f, 40.0f, 75.0f, 0.4f); }});
    recipes.push_back({"trapdoor", [] { return Door(2204u, 1.4f, 18.0f, 35.0f, 1.0f); }});
    recipes.push_back({"death", [] { return HalfRate(DeathSwell(2300u, 4.0f, 55.0f, false)); }});
    recipes.push_back({"gameover", [] { return HalfRate(DeathSwell(2303u, 5.5f, 49.0f, true)); }});
    recipes.push_back({"game_overPlaceHolder", [] { return HalfRate(DeathSwell(2304u, 5.0f, 46.25f, true)); }});
    recipes.push_back({"bear_attack", BearAttack});
    recipes.push_back({"bear_growl", BearGrowl});
    recipes.push_back({"item_pickup", ItemPickup});
    recipes.push_back({"item_place", ItemPlace});
    recipes.push_back({"paper", Paper});
    recipes.push_back({"rumble", [] { return HalfRate(Rumble()); }});
    recipes.push_back({"door_banging", [] { return HalfRate(DoorBanging()); }});
    recipes.push_back({"fire_ignite", FireIgnite});
    recipes.push_back({"whisper", Whisper});
    recipes.push_back({"heartbeat", HeartbeatSfx});
    recipes.push_back({"toy_squeak", ToySqueak});
    recipes.push_back({"girl_giggle", GirlGiggle});
    recipes.push_back({"switch_click", SwitchClick});
    recipes.push_back({"metal_clang", MetalClang});
    recipes.push_back({"wall_smash", WallSmash});
    recipes.push_back({"water_splash", WaterSplash});
    recipes.push_back({"curtain", [] { return Swish(3450u, 1.0f, 600.0f, 2500.0f); }});
    recipes.push_back({"knife_slash", KnifeSlash});
    recipes.push_back({"generator_start", GeneratorStart});
    recipes.push_back({"lever", Lever});
    recipes.push_back({"lift", Lift});
    recipes.push_back({"scare_sting", ScareSting});
    recipes.push_back({"rummage", Rummage});
    recipes.push_back({"wheelchair", Wheelchair});
    recipes.push_back({"glass_crack", GlassCrack});
    recipes.push_back({"water_drip", WaterDrip});
    recipes.push_back({"pipe_hum", PipeHum});
    return recipes;
}
