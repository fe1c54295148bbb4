#pragma once
#include <cstddef>
#include <vector>

// One-pole smoothing low-pass (and its complement as a high-pass).
class OnePole {
public:
    void SetCutoff(float hz, float rate);
    float Lowpass(float x) { y += a * (x - y); return y; }
    float Highpass(float x) { return x - Lowpass(x); }
    void Reset() { y = 0.0f; }

private:
    float a = 1.0f;
    float y = 0.0f;
};

// Second-order section with the usual cookbook shapes; coefficients may change every sample.
class Biquad {
public:
    void Lowpass(float hz, float q, float rate);
    void Highpass(float hz, float q, float rate);
    // Peak gain 1 at the centre frequency.
    void Bandpass(float hz, float q, float rate);
    float Process(float x);
    void Reset() { z1 = z2 = 0.0; }

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;
};

// Small room/hall: parallel damped combs into series all-passes. Output is the wet signal only.
class Reverb {
public:
    Reverb(float rate, float size, float damping);
    float Process(float x);

private:
    struct Comb {
        std::vector<float> line;
        size_t pos = 0;
        float store = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        size_t pos = 0;
    };
    std::vector<Comb> combs;
    std::vector<AllPass> allPasses;
    float feedback;
    float damping;
};
