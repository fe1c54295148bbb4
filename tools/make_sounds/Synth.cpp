#include "tools/make_sounds/Synth.h"

#include <cmath>

#include "tools/make_sounds/Filters.h"

namespace Synth {

namespace {
// A sine by rotation: one complex multiply per sample instead of a sin call.
class Phasor {
public:
    Phasor(double radiansPerSample, double startPhase)
        : c(std::cos(radiansPerSample)), s(std::sin(radiansPerSample)),
          x(std::cos(startPhase)), y(std::sin(startPhase)) {}
    float Next()
    {
        float out = static_cast<float>(y);
        double nx = x * c - y * s;
        y = x * s + y * c;
        x = nx;
        return out;
    }

private:
    double c, s, x, y;
};

// AttackDecay(t, attack, decay) sample by sample without an exp per sample.
class Envelope {
public:
    Envelope(float rate, float attack, float decay)
        : attackSamples(std::fmax(1.0f, attack * rate)),
          factor(static_cast<float>(std::exp(-1.0 / (static_cast<double>(decay) * rate)))) {}
    float Next()
    {
        if (count < attackSamples) return ++count / attackSamples;
        level *= factor;
        return level;
    }

private:
    float attackSamples;
    float factor;
    float count = 0.0f;
    float level = 1.0f;
};
}  // namespace

float AttackDecay(float t, float attack, float decay)
{
    if (t < 0.0f) return 0.0f;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

float SemitonesToRatio(float semitones)
{
    return std::pow(2.0f, semitones / 12.0f);
}

Signal NoiseBurst(Random& rng, int rate, float seconds, float attack, float decay, Band band,
                  float fromHz, float toHz, float q)
{
    Signal out(rate, seconds);
    Biquad filter;
    float fr = static_cast<float>(rate);
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / fr;
        float k = t / seconds;
        float hz = fromHz * std::pow(toHz / fromHz, k);
        if ((i & 15) == 0) {
            if (band == Band::Low) filter.Lowpass(hz, q, fr);
            else if (band == Band::High) filter.Highpass(hz, q, fr);
            else filter.Bandpass(hz, q, fr);
        }
        out.samples[i] = filter.Process(rng.Bipolar()) * AttackDecay(t, attack, decay);
    }
    out.Normalize(1.0f);
    return out;
}

Signal Thump(int rate, float fromHz, float toHz, float glide, float decay, float seconds)
{
    Signal out(rate, seconds);
    double phase = 0.0;
    float fr = static_cast<float>(rate);
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / fr;
        float k = std::fmin(1.0f, t / glide);
        float hz = fromHz + (toHz - fromHz) * (1.0f - (1.0f - k) * (1.0f - k));
        phase += 2.0 * 3.14159265358979 * hz / fr;
        out.samples[i] = static_cast<float>(std::sin(phase)) * AttackDecay(t, 0.002f, decay);
    }
    return out;
}

Signal Click(Random& rng, int rate, float hz, float q, float decay)
{
    float seconds = decay * 8.0f + 0.01f;
    Signal out(rate, seconds);
    Biquad ring;
    ring.Bandpass(hz, q, static_cast<float>(rate));
    float fr = static_cast<float>(rate);
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / fr;
        float excite = t < 0.0015f ? rng.Bipolar() * (1.0f - t / 0.0015f) : 0.0f;
        out.samples[i] = ring.Process(excite) * 4.0f + excite * 0.2f * AttackDecay(t, 0.0001f, decay);
    }
    out.Normalize(1.0f);
    return out;
}

Signal Creak(Random& rng, int rate, float seconds, float fromHz, float toHz,
             const std::vector<float>& resonances, float q)
{
    Signal out(rate, seconds);
    std::vector<Biquad> bodies(resonances.size());
    float fr = static_cast<float>(rate);
    for (size_t r = 0; r < resonances.size(); ++r) bodies[r].Bandpass(resonances[r], q, fr);
    double nextPulse = 0.0;
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / fr;
        float k = t / seconds;
        // Slow-fast-slow: the hinge sticks at both ends of the swing.
        float speed = std::sin(kPi * k);
        float hz = (fromHz + (toHz - fromHz) * k) * (0.4f + 0.6f * speed);
        float pulse = 0.0f;
        if (static_cast<double>(t) >= nextPulse) {
            pulse = 1.0f + 0.3f * rng.Bipolar();
            nextPulse = t + (1.0 / hz) * (1.0 + 0.08 * rng.Bipolar());
        }
        float excite = pulse + rng.Bipolar() * 0.02f;
        float sum = 0.0f;
        for (Biquad& body : bodies) sum += body.Process(excite);
        float envelope = std::fmin(1.0f, t / 0.05f) * std::fmin(1.0f, (seconds - t) / 0.08f);
        out.samples[i] = sum * envelope * (0.5f + 0.5f * speed);
    }
    out.Normalize(1.0f);
    return out;
}

Signal MetalHit(Random& rng, int rate, float baseHz, const std::vector<float>& ratios,
                float decay, float seconds)
{
    Signal out(rate, seconds);
    float fr = static_cast<float>(rate);
    for (size_t p = 0; p < ratios.size(); ++p) {
        float hz = baseHz * ratios[p];
        if (hz >= fr * 0.45f) continue;
        float amp = 1.0f / (1.0f + static_cast<float>(p) * 0.7f);
        float tau = decay / (1.0f + static_cast<float>(p) * 0.5f);
        Phasor osc(6.283185307 * hz / fr, rng.Uniform() * 6.283);
        Envelope env(fr, 0.0008f, tau);
        for (size_t i = 0; i < out.Size(); ++i) out.samples[i] += amp * osc.Next() * env.Next();
    }
    Signal strike = NoiseBurst(rng, rate, 0.03f, 0.0005f, 0.004f, Band::High, 2000.0f, 2000.0f, 0.7f);
    out.Mix(strike, 0.0f, 0.5f);
    out.Normalize(1.0f);
    return out;
}

Signal Crackle(Random& rng, int rate, float seconds, float perSecond, float lowHz, float highHz)
{
    Signal out(rate, seconds);
    float t = 0.0f;
    while (true) {
        // Pops come in small bursts: short gaps inside a burst, longer between bursts.
        float gap = rng.Uniform() < 0.7f ? rng.Range(0.002f, 0.02f) : rng.Range(0.5f, 2.0f) / perSecond * 4.0f;
        t += gap;
        if (t >= seconds - 0.02f) break;
        float hz = rng.Range(lowHz, highHz);
        Signal pop = Click(rng, rate, hz, rng.Range(1.0f, 4.0f), rng.Range(0.0008f, 0.003f));
        out.Mix(pop, t, rng.Range(0.3f, 1.0f) * (rng.Uniform() < 0.5f ? -1.0f : 1.0f));
    }
    out.Normalize(1.0f);
    return out;
}

Signal Rustle(Random& rng, int rate, float seconds, float centreHz, float q, float jitterHz)
{
    Signal out(rate, seconds);
    Biquad band;
    band.Bandpass(centreHz, q, static_cast<float>(rate));
    OnePole smooth;
    smooth.SetCutoff(jitterHz * 2.0f, static_cast<float>(rate));
    float level = 0.0f;
    int hold = 0;
    float fr = static_cast<float>(rate);
    for (size_t i = 0; i < out.Size(); ++i) {
        if (hold-- <= 0) {
            float r = rng.Uniform();
            level = r * r * r;
            hold = static_cast<int>(fr / jitterHz * rng.Range(0.3f, 1.5f));
        }
        float t = static_cast<float>(i) / fr;
        float edge = std::fmin(1.0f, std::fmin(t, seconds - t) / 0.05f);
        out.samples[i] = band.Process(rng.Bipolar()) * smooth.Lowpass(level) * edge;
    }
    out.Normalize(1.0f);
    return out;
}

Signal Growl(Random& rng, int rate, float seconds, float pitchHz, float wobble,
             const std::vector<float>& formants)
{
    Signal out(rate, seconds);
    float fr = static_cast<float>(rate);
    std::vector<Biquad> vowels(formants.size());
    for (size_t f = 0; f < formants.size(); ++f) vowels[f].Bandpass(formants[f], 5.0f, fr);
    double phase = 0.0;
    OnePole jitter;
    jitter.SetCutoff(12.0f, fr);
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / fr;
        float wob = jitter.Lowpass(rng.Bipolar()) * wobble * 8.0f;
        float hz = pitchHz * (1.0f + wob + 0.15f * std::sin(2.0f * kPi * 3.0f * t));
        phase += hz / fr;
        phase -= std::floor(phase);
        float saw = static_cast<float>(2.0 * phase - 1.0);
        float source = saw + rng.Bipolar() * 0.6f;
        float sum = 0.0f;
        for (Biquad& v : vowels) sum += v.Process(source);
        float env = std::fmin(1.0f, t / 0.08f) * std::fmin(1.0f, (seconds - t) / 0.3f);
        out.samples[i] = std::tanh(sum * 3.0f) * env;
    }
    out.Normalize(1.0f);
    return out;
}

Signal Cluster(Random& rng, int rate, float seconds, const std::vector<float>& freqs,
               float detuneCents, float fromHz, float toHz, float attack, float release)
{
    Signal out(rate, seconds);
    float fr = static_cast<float>(rate);
    struct Voice {
        double phase;
        float hz;
    };
    std::vector<Voice> voices;
    for (float f : freqs) {
        for (int d = -1; d <= 1; ++d) {
            float cents = static_cast<float>(d) * detuneCents + rng.Bipolar() * detuneCents * 0.2f;
            voices.push_back({static_cast<double>(rng.Uniform()), f * std::pow(2.0f, cents / 1200.0f)});
        }
    }
    Biquad lowpass;
    for (size_t i = 0; i < out.Size(); ++i) {
        float t = static_cast<float>(i) / fr;
        float k = t / seconds;
        if ((i & 31) == 0) lowpass.Lowpass(fromHz * std::pow(toHz / fromHz, k), 0.9f, fr);
        float sum = 0.0f;
        for (Voice& v : voices) {
            v.phase += v.hz / fr;
            v.phase -= std::floor(v.phase);
            sum += static_cast<float>(2.0 * v.phase - 1.0);
        }
        float env = std::fmin(1.0f, t / attack) * std::fmin(1.0f, (seconds - t) / release);
        out.samples[i] = lowpass.Process(sum / static_cast<float>(voices.size())) * env;
    }
    out.Normalize(1.0f);
    return out;
}

Signal PianoNote(Random& rng, int rate, float hz, float seconds, float brightness)
{
    Signal out(rate, seconds);
    float fr = static_cast<float>(rate);
    const float stretch = 0.0004f;
    for (int n = 1; n <= 10; ++n) {
        float partial = hz * static_cast<float>(n) * std::sqrt(1.0f + stretch * static_cast<float>(n * n));
        if (partial >= fr * 0.45f) break;
        float amp = std::pow(static_cast<float>(n), -1.1f) * std::pow(brightness, static_cast<float>(n - 1));
        float tau = 2.8f / (1.0f + 0.55f * static_cast<float>(n - 1));
        for (int string = 0; string < 2; ++string) {
            float detune = string == 0 ? 1.0f : 1.0f + 0.0006f * (1.0f + rng.Uniform());
            Phasor osc(6.283185307 * partial * detune / fr, 0.0);
            // Fast first fall, then the long ring (the two-stage decay of a real string).
            Envelope fast(fr, 0.003f, tau * 0.25f);
            Envelope slow(fr, 0.003f, tau);
            for (size_t i = 0; i < out.Size(); ++i)
                out.samples[i] += 0.5f * amp * (0.6f * fast.Next() + 0.4f * slow.Next()) * osc.Next();
        }
    }
    Signal hammer = NoiseBurst(rng, rate, 0.03f, 0.0005f, 0.006f, Band::Low, hz * 6.0f, hz * 3.0f, 0.7f);
    out.Mix(hammer, 0.0f, 0.15f);
    out.FadeEdges(0.0f, 0.2f);
    out.Normalize(1.0f);
    return out;
}

Signal BellNote(int rate, float hz, float seconds, const std::vector<float>& ratios, float decay)
{
    Signal out(rate, seconds);
    float fr = static_cast<float>(rate);
    for (size_t p = 0; p < ratios.size(); ++p) {
        float partial = hz * ratios[p];
        if (partial >= fr * 0.45f) continue;
        float amp = 1.0f / (1.0f + static_cast<float>(p));
        float tau = decay / (1.0f + static_cast<float>(p) * 0.8f);
        Phasor osc(6.283185307 * partial / fr, 0.0);
        Envelope env(fr, 0.002f, tau);
        for (size_t i = 0; i < out.Size(); ++i) out.samples[i] += amp * env.Next() * osc.Next();
    }
    out.FadeEdges(0.0f, 0.1f);
    out.Normalize(1.0f);
    return out;
}

Signal Heartbeat(Random& rng, int rate, float strength)
{
    Signal out(rate, 0.7f);
    Signal lub = Thump(rate, 75.0f, 42.0f, 0.06f, 0.07f, 0.3f);
    Signal dub = Thump(rate, 68.0f, 40.0f, 0.05f, 0.06f, 0.3f);
    Signal thud = NoiseBurst(rng, rate, 0.12f, 0.003f, 0.025f, Band::Low, 180.0f, 90.0f, 0.8f);
    out.Mix(lub, 0.0f, strength);
    out.Mix(thud, 0.0f, strength * 0.8f);
    out.Mix(dub, 0.26f, strength * 0.65f);
    out.Mix(thud, 0.26f, strength * 0.5f);
    return out;
}

void AddReverb(Signal& signal, float size, float damping, float wet, float tailSeconds)
{
    signal.samples.resize(signal.samples.size() + signal.At(tailSeconds), 0.0f);
    Reverb reverb(static_cast<float>(signal.rate), size, damping);
    for (float& s : signal.samples) s += reverb.Process(s) * wet;
    signal.FadeEdges(0.0f, std::fmin(tailSeconds, 0.5f));
}

void Saturate(Signal& signal, float drive)
{
    float norm = 1.0f / std::tanh(drive);
    for (float& s : signal.samples) s = std::tanh(s * drive) * norm;
}

}  // namespace Synth
