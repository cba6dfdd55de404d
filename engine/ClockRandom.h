#pragma once

#include "engine/RandomSource.h"

#include <random>

// Seeded from the clock, so every run draws other names.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    int pick(int count) override;

private:
    std::mt19937_64 engine_;
};
