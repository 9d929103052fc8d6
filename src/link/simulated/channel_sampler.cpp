// Few events go one by one through the alias table; many are drawn as one Poisson count per
// channel and the total is then corrected to the exact number, so the cost stays O(channels)
// however long the simulation was left alone.
#include "link/simulated/channel_sampler.h"

#include <algorithm>

namespace ztmca {

void ChannelSampler::Build(const FineSpectrum& fine, int channels) {
    channels_ = std::clamp(channels, 1, kMaxChannels);
    const int fold = kMaxChannels / channels_;
    for (int c = 0; c < channels_; ++c) {
        double sum = 0.0;
        for (int k = 0; k < fold; ++k) sum += fine[static_cast<std::size_t>(c * fold + k)];
        probability_[static_cast<std::size_t>(c)] = sum;
    }
    int smallCount = 0;
    int largeCount = 0;
    for (int c = 0; c < channels_; ++c) {
        const auto i = static_cast<std::size_t>(c);
        threshold_[i] = probability_[i] * channels_;
        alias_[i] = c;
        if (threshold_[i] < 1.0)
            small_[static_cast<std::size_t>(smallCount++)] = c;
        else
            large_[static_cast<std::size_t>(largeCount++)] = c;
    }
    while (smallCount > 0 && largeCount > 0) {
        const auto s = static_cast<std::size_t>(small_[static_cast<std::size_t>(--smallCount)]);
        const auto l = static_cast<std::size_t>(large_[static_cast<std::size_t>(largeCount - 1)]);
        alias_[s] = static_cast<std::int32_t>(l);
        threshold_[l] -= 1.0 - threshold_[s];
        if (threshold_[l] < 1.0) {
            --largeCount;
            small_[static_cast<std::size_t>(smallCount++)] = static_cast<std::int32_t>(l);
        }
    }
    // Whatever rounding leaves over stands for itself.
    for (int k = 0; k < smallCount; ++k) threshold_[static_cast<std::size_t>(small_[static_cast<std::size_t>(k)])] = 1.0;
    for (int k = 0; k < largeCount; ++k) threshold_[static_cast<std::size_t>(large_[static_cast<std::size_t>(k)])] = 1.0;
}

double ChannelSampler::Fraction(int low, int high) const {
    double sum = 0.0;
    for (int c = std::max(low, 0); c <= std::min(high, channels_ - 1); ++c) sum += probability_[static_cast<std::size_t>(c)];
    return sum;
}

int ChannelSampler::Draw(SimRandom& random) const {
    const auto c = static_cast<std::size_t>(random.Below(static_cast<std::uint32_t>(channels_)));
    return random.Uniform() < threshold_[c] ? static_cast<int>(c) : alias_[c];
}

void ChannelSampler::AddEvents(std::uint64_t events, SimRandom& random, SimCounts& counts) const {
    if (events < static_cast<std::uint64_t>(channels_)) {
        for (std::uint64_t k = 0; k < events; ++k) ++counts[static_cast<std::size_t>(Draw(random))];
        return;
    }
    const double total = static_cast<double>(events);
    std::uint64_t added = 0;
    for (int c = 0; c < channels_; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const std::uint64_t n = random.Poisson(total * probability_[i]);
        counts[i] += static_cast<std::uint32_t>(n);
        added += n;
    }
    // The Poisson total misses the exact one by about its square root; settle the difference
    // with single events drawn from the same distribution.
    for (; added < events; ++added) ++counts[static_cast<std::size_t>(Draw(random))];
    while (added > events) {
        const auto c = static_cast<std::size_t>(Draw(random));
        if (counts[c] == 0) continue;
        --counts[c];
        --added;
    }
}

}  // namespace ztmca
