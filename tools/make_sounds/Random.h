#pragma once
#include <cstdint>

// Small seeded generator (xorshift32): the same seed gives the same sounds on every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}

    std::uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // [0, 1)
    float Uniform() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }
    // [-1, 1)
    float Bipolar() { return Uniform() * 2.0f - 1.0f; }
    float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }
    int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<std::uint32_t>(n)) : 0; }

private:
    std::uint32_t state;
};
