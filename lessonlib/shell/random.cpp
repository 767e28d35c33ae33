#include "lessonlib/shell/random.h"

namespace lesson {

namespace {

constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ull;

// SplitMix64's output function: every bit of the result depends on every
// bit of the input.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void Random::Seed(std::int32_t seed) {
    // The state steps by a fixed constant, so a state that were a plain
    // multiple of it would make seed s + 1 the sequence of seed s one draw
    // on. Mixing the seed puts each seed's start at an unrelated place on
    // the cycle of 2^64, so different seeds give unrelated sequences.
    state_ = Mix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(seed)) + kGamma);
}

float Random::Draw() {
    // SplitMix64: a small, well-mixed generator with a fully defined sequence.
    state_ += kGamma;
    const std::uint32_t bits24 = static_cast<std::uint32_t>(Mix(state_) >> 40);
    return static_cast<float>(bits24) * (1.0f / 16777216.0f);
}

}  // namespace lesson
