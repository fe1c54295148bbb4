#include "engine/Random.h"

namespace Framework {

namespace {
std::uint32_t gRandState = 1;
}

int Rand()
{
    // Unsigned arithmetic wraps modulo 2^32 as the generator needs.
    gRandState = gRandState * 214013u + 2531011u;
    return static_cast<int>((gRandState >> 16) & 0x7FFFu);
}

void ResetRand(std::uint32_t seed)
{
    gRandState = seed;
}

}  // namespace Framework
