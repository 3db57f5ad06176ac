#include "platform/Random.h"

namespace platform {

std::uint64_t FixedRandom::nextBits() {
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

float FixedRandom::next() {
    constexpr float kScale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(nextBits() >> 40) * kScale;
}

} // namespace platform
