#pragma once

// Randomness for the art generator. Our own generator and hash instead of
// <random> distributions, whose output is implementation-defined: the art must
// come out identical everywhere.

#include <cstdint>

namespace artgen {

// SplitMix64: a fast seeded stream whose every value depends only on the seed
// and on how many values came before it, so the drawing order fixes the art.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next();
    // Uniform in [low, high), from the top 53 bits of next().
    double uniform(double low = 0.0, double high = 1.0);
    bool chance(double probability) { return uniform() < probability; }

private:
    std::uint64_t state_;
};

// A hash of the lattice point (x, y), in [0, 1).
double hashUnit(int x, int y, std::uint32_t seed);

// Smooth noise in [0, 1): the lattice hashes blended with a smoothstep.
double valueNoise(double x, double y, std::uint32_t seed);

// Several octaves of value noise, each twice as fine and half as strong; in [0, 1).
double fractalNoise(double x, double y, std::uint32_t seed, int octaves = 4);

} // namespace artgen
