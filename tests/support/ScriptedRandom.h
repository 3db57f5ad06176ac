#pragma once
// A random source that gives the values a test lists, in order, and counts the draws.

#include "platform/Random.h"

#include <deque>

namespace testsupport {

class ScriptedRandom : public platform::Random {
public:
    std::deque<float> values;
    float whenEmpty = 0.5f; // given once the listed values are used up
    int draws = 0;

    float next() override {
        ++draws;
        if (values.empty()) {
            return whenEmpty;
        }
        const float v = values.front();
        values.pop_front();
        return v;
    }
};

} // namespace testsupport
