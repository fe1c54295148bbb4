#pragma once
// Deterministic noise: integer hashing only, so every run draws the same bytes.

#include <cstdint>

namespace sprites {

uint32_t hash32(uint32_t x);
uint32_t hash2(int x, int y, uint32_t seed);
// Uniform in [0, 1).
float hashUnit(int x, int y, uint32_t seed);
// Smooth value noise in [0, 1].
float valueNoise(float x, float y, uint32_t seed);
// Sum of octaves of value noise, normalised to [0, 1].
float fractalNoise(float x, float y, uint32_t seed, int octaves);

// Small sequential generator for scattering details.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    uint32_t next();
    float unit();                       // [0, 1)
    float range(float lo, float hi);    // [lo, hi)
    int below(int n);                   // [0, n)

private:
    uint32_t state_;
};

}  // namespace sprites
