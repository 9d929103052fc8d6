#pragma once
// Time for the link's waits, injectable so that tests of the time-out run without waiting.
#include <chrono>

namespace ztmca {

class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual std::chrono::steady_clock::time_point Now() = 0;
    virtual void Pause(std::chrono::microseconds duration) = 0;
};

// The steady clock with real sleeps.
LinkClock& SteadyLinkClock();

}  // namespace ztmca
