#pragma once

#include <random>

// Where the names are drawn from. Tests plan the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // One of `count` choices, 0 to count - 1, each as likely; count > 0.
    virtual int pick(int count) = 0;
};

// Seeded from the clock, so every run draws other names.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    int pick(int count) override;

private:
    std::mt19937_64 engine_;
};
