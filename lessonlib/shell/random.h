// The seeded random numbers of both programs.
//
// Seeded with a whole number; each draw is a 24-bit whole number times 2^-24,
// so a draw lies in [0, 1) and is never 1.0. The same seed gives the same
// sequence on every machine.
#pragma once

#include <cstdint>

namespace lesson {

class Random {
public:
    Random() { Seed(0); }
    void Seed(std::int32_t seed);
    float Draw();

private:
    std::uint64_t state_ = 0;
};

}  // namespace lesson
