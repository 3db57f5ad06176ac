#pragma once
// The workstation's source of uniform random numbers.

#include <cstdint>

namespace platform {

class Random {
public:
    virtual ~Random() = default;
    // k / 2^24 with k in 0 .. 2^24 - 1: every value is exact in single precision and
    // lies in [0, 1).
    virtual float next() = 0;
};

// A fixed sequence: every program start draws the same values, and nothing reseeds it.
// SplitMix64 from a fixed state, each value the top 24 bits of one 64-bit output, so the
// sequence is the same on every compiler and library.
class FixedRandom : public Random {
public:
    static constexpr std::uint64_t kStartState = 0x6a09e667f3bcc909ULL;

    float next() override;
    // The 64-bit output behind the next value; next() uses its top 24 bits.
    std::uint64_t nextBits();

private:
    std::uint64_t state_ = kStartState;
};

} // namespace platform
