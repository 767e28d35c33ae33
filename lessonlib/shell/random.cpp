#include "lessonlib/shell/random.h"

namespace lesson {

void Random::Seed(std::int32_t seed) {
    // The seed's bits, spread by a fixed odd constant so that nearby seeds
    // (the clock sums lie in 0..141) start far apart.
    state_ = static_cast<std::uint64_t>(static_cast<std::uint32_t>(seed)) * 0x9E3779B97F4A7C15ull;
}

float Random::Draw() {
    // SplitMix64: a small, well-mixed generator with a fully defined sequence.
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    const std::uint32_t bits24 = static_cast<std::uint32_t>(z >> 40);
    return static_cast<float>(bits24) * (1.0f / 16777216.0f);
}

}  // namespace lesson
