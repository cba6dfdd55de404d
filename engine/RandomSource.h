#pragma once

#include <random>

// Where the names are drawn from. Tests inject a seeded or scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock.
    virtual void Randomize() = 0;
    // The next value in [0, 1).
    virtual double Rnd() = 0;
};

class ClockRandom : public RandomSource {
public:
    void Randomize() override;
    double Rnd() override;

private:
    std::mt19937_64 engine_;
};
