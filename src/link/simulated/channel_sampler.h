#pragma once
// Distributes detected events over the channels of the memory in use. Built once per memory
// size (Vose alias table plus the plain probabilities); drawing allocates nothing.
#include <array>
#include <cstdint>

#include "app/app_state.h"
#include "link/simulated/random.h"
#include "link/simulated/source_spectrum.h"

namespace ztmca {

using SimCounts = std::array<std::uint32_t, kMaxChannels>;

class ChannelSampler {
public:
    // Folds the fine spectrum onto `channels` channels (a divisor of 8192).
    void Build(const FineSpectrum& fine, int channels);

    int Channels() const { return channels_; }
    // Probability of channels low..high inclusive, clipped to the memory.
    double Fraction(int low, int high) const;

    // Adds exactly `events` events to counts[0 .. Channels() - 1].
    void AddEvents(std::uint64_t events, SimRandom& random, SimCounts& counts) const;

private:
    int Draw(SimRandom& random) const;

    int channels_ = 0;
    std::array<double, kMaxChannels> probability_{};
    std::array<double, kMaxChannels> threshold_{};
    std::array<std::int32_t, kMaxChannels> alias_{};
    std::array<std::int32_t, kMaxChannels> small_{};
    std::array<std::int32_t, kMaxChannels> large_{};
};

}  // namespace ztmca
