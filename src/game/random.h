#pragma once
// The program's random generator: a 32-bit linear congruential generator
// (state := state * 134775813 + 1), random(N) being the upper 32 bits of N * state.
// The host shuffles with it and the computer players pick their first toe with it, so a
// seeded generator replays a whole game exactly.

#include <cstdint>

namespace game {

class Random {
public:
    explicit Random(std::uint32_t seed = 0) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t state() const { return state_; }

    // A whole number from 0 to n - 1 (0 when n is 0).
    std::uint32_t random(std::uint32_t n)
    {
        state_ = state_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * state_) >> 32);
    }

    // The seed taken when the table window is created: milliseconds since midnight, UTC.
    static std::uint32_t timeOfDaySeed();

private:
    std::uint32_t state_;
};

} // namespace game
