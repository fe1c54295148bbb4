#include "tools/make_sprites/Noise.h"

#include <cmath>

namespace sprites {

uint32_t hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

uint32_t hash2(int x, int y, uint32_t seed) {
    return hash32(static_cast<uint32_t>(x) * 0x9E3779B1u ^ hash32(static_cast<uint32_t>(y) + seed * 0x85EBCA77u));
}

float hashUnit(int x, int y, uint32_t seed) {
    return static_cast<float>(hash2(x, y, seed) >> 8) / 16777216.0f;
}

static float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float valueNoise(float x, float y, uint32_t seed) {
    float fx = std::floor(x);
    float fy = std::floor(y);
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    float tx = smooth(x - fx);
    float ty = smooth(y - fy);
    float a = hashUnit(ix, iy, seed);
    float b = hashUnit(ix + 1, iy, seed);
    float c = hashUnit(ix, iy + 1, seed);
    float d = hashUnit(ix + 1, iy + 1, seed);
    float top = a + (b - a) * tx;
    float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, uint32_t seed, int octaves) {
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + static_cast<uint32_t>(i) * 101u) * amplitude;
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / total;
}

uint32_t Random::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return hash32(state_);
}

float Random::unit() { return static_cast<float>(next() >> 8) / 16777216.0f; }

float Random::range(float lo, float hi) { return lo + (hi - lo) * unit(); }

int Random::below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(n)); }

}  // namespace sprites
