#pragma once

// Where the names are drawn from. Tests plan the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // One of `count` choices, 0 to count - 1, each as likely; count > 0.
    virtual int pick(int count) = 0;
};
