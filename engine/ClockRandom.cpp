#include "engine/ClockRandom.h"

#include <chrono>

ClockRandom::ClockRandom()
    : engine_(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

int ClockRandom::pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(engine_);
}
