#include "engine/RandomSource.h"

#include <chrono>
#include <cmath>

void ClockRandom::Randomize()
{
    // Two levels started within one clock tick must not get the same name by
    // seed alone, so the previous state is mixed in.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(now) ^ engine_());
}

double ClockRandom::Rnd()
{
    // The top 53 bits as a fraction: always below 1, unlike some library
    // distributions, which can round up to 1 and pick past the last name.
    return std::ldexp(static_cast<double>(engine_() >> 11), -53);
}
