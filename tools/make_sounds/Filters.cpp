#include "tools/make_sounds/Filters.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void OnePole::SetCutoff(float hz, float rate)
{
    a = static_cast<float>(1.0 - std::exp(-2.0 * kPi * hz / rate));
}

void Biquad::Set(double nb0, double nb1, double nb2, double a0, double na1, double na2)
{
    b0 = nb0 / a0;
    b1 = nb1 / a0;
    b2 = nb2 / a0;
    a1 = na1 / a0;
    a2 = na2 / a0;
}

static double Clamp(double hz, float rate)
{
    double nyquist = rate * 0.49;
    return hz < 10.0 ? 10.0 : (hz > nyquist ? nyquist : hz);
}

void Biquad::Lowpass(float hz, float q, float rate)
{
    double w = 2.0 * kPi * Clamp(hz, rate) / rate;
    double alpha = std::sin(w) / (2.0 * q);
    double c = std::cos(w);
    Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::Highpass(float hz, float q, float rate)
{
    double w = 2.0 * kPi * Clamp(hz, rate) / rate;
    double alpha = std::sin(w) / (2.0 * q);
    double c = std::cos(w);
    Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::Bandpass(float hz, float q, float rate)
{
    double w = 2.0 * kPi * Clamp(hz, rate) / rate;
    double alpha = std::sin(w) / (2.0 * q);
    double c = std::cos(w);
    Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::Process(float x)
{
    // Transposed direct form II.
    double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return static_cast<float>(y);
}

Reverb::Reverb(float rate, float size, float damp) : feedback(0.7f + 0.28f * size), damping(damp)
{
    // Mutually prime-ish lengths (in ms) so the echoes smear instead of ringing.
    static const float combMs[] = {29.7f, 37.1f, 41.1f, 43.7f, 47.9f, 53.3f};
    static const float allPassMs[] = {5.0f, 1.7f};
    float scale = 0.6f + 0.8f * size;
    for (float ms : combMs) {
        Comb comb;
        comb.line.assign(static_cast<size_t>(ms * scale * rate / 1000.0f) + 1, 0.0f);
        combs.push_back(comb);
    }
    for (float ms : allPassMs) {
        AllPass ap;
        ap.line.assign(static_cast<size_t>(ms * rate / 1000.0f) + 1, 0.0f);
        allPasses.push_back(ap);
    }
}

float Reverb::Process(float x)
{
    float sum = 0.0f;
    for (Comb& comb : combs) {
        float out = comb.line[comb.pos];
        comb.store = out * (1.0f - damping) + comb.store * damping;
        comb.line[comb.pos] = x + comb.store * feedback;
        if (++comb.pos == comb.line.size()) comb.pos = 0;
        sum += out;
    }
    sum *= 1.0f / static_cast<float>(combs.size());
    for (AllPass& ap : allPasses) {
        float delayed = ap.line[ap.pos];
        float in = sum + delayed * 0.5f;
        ap.line[ap.pos] = in;
        if (++ap.pos == ap.line.size()) ap.pos = 0;
        sum = delayed - in * 0.5f;
    }
    return sum;
}
