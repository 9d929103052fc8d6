#pragma once
// A link clock whose pauses advance time at once, so waits for a silent instrument end at their
// bound without taking it.
#include <chrono>

#include "link/link_clock.h"

namespace ztmca::testing {

class FakeLinkClock : public LinkClock {
public:
    std::chrono::steady_clock::time_point Now() override { return now; }
    void Pause(std::chrono::microseconds duration) override { now += duration; }

    std::chrono::milliseconds Elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now - std::chrono::steady_clock::time_point{});
    }

    std::chrono::steady_clock::time_point now{};
};

}  // namespace ztmca::testing
