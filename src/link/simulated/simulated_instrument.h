#pragma once
// A ZT-740 as seen from its USB side: it keeps its own acquisition, memory and display view,
// answers every command the program sends, and fills its memory as a detector in front of a
// source would. Time is passed in by the caller; the simulation catches up lazily to it.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "link/simulated/channel_sampler.h"
#include "link/simulated/command_parser.h"
#include "link/simulated/random.h"
#include "link/simulated/source_spectrum.h"

namespace ztmca {

struct SimulationOptions {
    SourceKind Source = SourceKind::Gamma;
    double InputRate = 10000.0;  // pulses per second reaching the detector
    double DeadTimeUs = 1.2;     // per recorded pulse, non-paralysable
    std::uint64_t Seed = 1;
    std::string Identity = "ZT-740";
};

constexpr std::size_t kMaxReplyBytes = 512;
constexpr unsigned char kRefusal = '?';
constexpr int kMinDisplayWindow = 16;

class SimulatedInstrument {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    SimulatedInstrument(const SimulationOptions& options, TimePoint now);

    // Runs one command (the bytes of one write) at `now` and writes its reply into `reply`
    // (at least kMaxReplyBytes long); returns the reply's length.
    std::size_t Execute(std::span<const unsigned char> command, TimePoint now, std::span<unsigned char> reply);
    // Brings the acquisition up to `now`; earlier times are ignored.
    void AdvanceTo(TimePoint now);

    // What the instrument holds, for tests and benchmarks.
    int MemorySize() const { return sampler_.Channels(); }
    std::int64_t RealTimeNs() const { return realNs_; }
    std::int64_t LiveTimeNs() const;
    std::uint64_t RecordedEvents() const { return events_; }
    std::uint32_t Count(int channel) const;
    double RecordedRate() const { return recordedRate_; }

private:
    void FillStatus(std::span<std::uint8_t> block) const;
    bool Run(const Command& command);
    bool SetMemorySize(std::int64_t blocks);
    void Start();
    void ClearAcquisition();
    void ResetView();
    bool PresetReached() const;
    void AdvancePha(std::int64_t ns);
    void AdvanceMcs(std::int64_t ns);
    std::int64_t DwellNs() const;
    std::size_t WriteBlock(int block, std::span<unsigned char> reply) const;

    SimulationOptions options_;
    SimRandom random_;
    FineSpectrum fine_{};
    ChannelSampler sampler_;
    SimCounts counts_{};
    TimePoint last_;
    double recordedRate_ = 0.0;

    // Set-up.
    int mode_ = 0;
    bool countStopArmed_ = false;
    // PHA that ends at the preset count: mode 1, or mode 0 after a set-up that chose the count.
    bool CountStop() const { return mode_ == 1 || (mode_ == 0 && countStopArmed_); }
    std::int64_t presetTime_ = 10000;  // 0.1 s; 0: no limit
    std::int64_t presetCount_ = 10000;  // 0: no limit
    std::int64_t loadedNumber_ = 0;
    std::int64_t sweepCount_ = 100000000;  // 0: no limit
    std::int64_t dwellMultiplier_ = 10;
    int dwellUnit_ = 2;
    int roiLow_ = 0;
    int roiHigh_ = 0;

    // Acquisition.
    bool running_ = false;
    std::int64_t realNs_ = 0;
    std::uint64_t events_ = 0;
    std::int32_t sweeps_ = 0;
    int sweepChannel_ = 0;
    std::int64_t dwellPhaseNs_ = 0;

    // Display view.
    int dispStart_ = 0;
    int dispEnd_ = 0;
    int cursor_ = 0;
    bool logScale_ = true;
    int vfsIndex_ = 1;
};

}  // namespace ztmca
