#pragma once
#include <cstdint>

namespace Framework {

// The one pseudo-random sequence of the whole game (particles, game controller, player,
// story events), so that the order of draws is shared as the game expects. Never seeded.
constexpr int kRandMax = 32767;

// Next value in 0..32767: s = s * 214013 + 2531011, result (s >> 16) & 0x7FFF; s starts at 1.
int Rand();

// Restarts the sequence from its initial state (tests).
void ResetRand(std::uint32_t seed = 1);

}  // namespace Framework
