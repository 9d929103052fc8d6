#include "link/simulated/simulated_instrument.h"

#include <algorithm>
#include <limits>

#include "app/byte_order.h"

namespace ztmca {
namespace {

constexpr std::int64_t kNsPerSecond = 1000000000;
constexpr std::int64_t kNsPerTenth = 100000000;
constexpr std::int64_t kNsPerHundredth = 10000000;
constexpr int kMaxVfsIndex = 20;
constexpr std::int64_t kDwellUnitNs[] = {1000, 10000, 100000, 1000000, 10000000, 100000000};

bool IsMcs(int mode) { return mode > 1; }
bool IsRoiGated(int mode) { return mode == 5 || mode == 6; }

std::int16_t Saturate16(std::int64_t v) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

SimulatedInstrument::SimulatedInstrument(const SimulationOptions& options, TimePoint now)
    : options_(options), random_(options.Seed), last_(now) {
    FillSourceSpectrum(options_.Source, fine_);
    sampler_.Build(fine_, 1024);
    const double rate = std::max(options_.InputRate, 0.0);
    const double tau = std::max(options_.DeadTimeUs, 0.0) * 1e-6;
    recordedRate_ = rate / (1.0 + rate * tau);
    ResetView();
}

std::int64_t SimulatedInstrument::LiveTimeNs() const {
    const double dead = static_cast<double>(events_) * std::max(options_.DeadTimeUs, 0.0) * 1000.0;
    return realNs_ - static_cast<std::int64_t>(dead);
}

std::uint32_t SimulatedInstrument::Count(int channel) const {
    if (channel < 0 || channel >= MemorySize()) return 0;
    return counts_[static_cast<std::size_t>(channel)];
}

std::size_t SimulatedInstrument::Execute(std::span<const unsigned char> bytes, TimePoint now,
                                         std::span<unsigned char> reply) {
    if (reply.size() < kMaxReplyBytes) return 0;
    AdvanceTo(now);
    const Command command = ParseCommand(bytes);
    if (command.Kind == CommandKind::Identify) {
        const std::size_t n = std::min(options_.Identity.size(), reply.size());
        std::copy_n(options_.Identity.begin(), n, reply.begin());
        return n;
    }
    if (command.Kind == CommandKind::Read) {
        if (command.Value == 0) {
            FillStatus(reply.first(kStatusBytes));
            return kStatusBytes;
        }
        if (command.Value <= MemorySize() / kReadoutBlockChannels) return WriteBlock(static_cast<int>(command.Value), reply);
        reply[0] = kRefusal;
        return 1;
    }
    reply[0] = Run(command) ? '!' : kRefusal;
    return 1;
}

bool SimulatedInstrument::Run(const Command& c) {
    const int n = MemorySize();
    switch (c.Kind) {
        case CommandKind::Mode:
            if (c.Value > 6) return false;
            // The mode of a running acquisition cannot change under it.
            if (running_ && c.Value != mode_) return false;
            mode_ = static_cast<int>(c.Value);
            // The set-up selects the count stop with "$D1;"; the start's "$D0;" keeps it.
            if (c.Value == 1) countStopArmed_ = true;
            return true;
        case CommandKind::Start: Start(); return true;
        case CommandKind::Stop: running_ = false; return true;
        case CommandKind::Clear: ClearAcquisition(); return true;
        case CommandKind::MemorySize: return SetMemorySize(c.Value);
        case CommandKind::PresetTime:
            // Every PHA set-up sends its preset time first: a time stop unless "$D1;" follows.
            presetTime_ = c.Value;
            countStopArmed_ = false;
            return true;
        case CommandKind::PresetCount: presetCount_ = c.Value; return true;
        case CommandKind::LoadNumber: loadedNumber_ = c.Value; return true;
        case CommandKind::StoreNumber:
            if (c.Value == 0) {
                sweepCount_ = loadedNumber_;
            } else if (c.Value == 1) {
                dwellMultiplier_ = loadedNumber_;
            } else if (c.Value == 2) {
                if (loadedNumber_ >= static_cast<std::int64_t>(std::size(kDwellUnitNs))) return false;
                dwellUnit_ = static_cast<int>(loadedNumber_);
            } else {
                return false;
            }
            return true;
        case CommandKind::LogScale: logScale_ = true; return true;
        case CommandKind::FullScaleSet:
            if (c.Value < 1 || c.Value > kMaxVfsIndex) return false;
            vfsIndex_ = static_cast<int>(c.Value);
            logScale_ = false;
            return true;
        case CommandKind::FullScaleDown:
            vfsIndex_ = std::max(1, vfsIndex_ - 1);
            logScale_ = false;
            return true;
        case CommandKind::FullScaleUp:
            vfsIndex_ = std::min(kMaxVfsIndex, vfsIndex_ + 1);
            logScale_ = false;
            return true;
        case CommandKind::Expand:
        case CommandKind::Compress: {
            const int width = dispEnd_ - dispStart_ + 1;
            const int next = c.Kind == CommandKind::Expand ? std::max(width / 2, std::min(kMinDisplayWindow, n))
                                                           : std::min(width * 2, n);
            dispStart_ = std::clamp(cursor_ - next / 2, 0, n - next);
            dispEnd_ = dispStart_ + next - 1;
            return true;
        }
        case CommandKind::Cursor:
            if (c.Value >= n) return false;
            cursor_ = static_cast<int>(c.Value);
            return true;
        case CommandKind::Roi:
            if (c.Value > c.Value2) return false;
            roiLow_ = static_cast<int>(c.Value);
            roiHigh_ = static_cast<int>(c.Value2);
            return true;
        default: return false;
    }
}

bool SimulatedInstrument::SetMemorySize(std::int64_t blocks) {
    if (blocks != 4 && blocks != 8 && blocks != 16 && blocks != 32 && blocks != 64) return false;
    if (running_) return false;
    const int channels = static_cast<int>(blocks) * kReadoutBlockChannels;
    // The same size again keeps the memory: a repeated set-up must not wipe a finished spectrum.
    if (channels == MemorySize()) return true;
    sampler_.Build(fine_, channels);
    ClearAcquisition();
    ResetView();
    return true;
}

void SimulatedInstrument::Start() {
    if (running_) return;
    // A run whose preset is already reached ends at once; clearing is what starts it afresh.
    running_ = !PresetReached();
}

void SimulatedInstrument::ClearAcquisition() {
    std::fill(counts_.begin(), counts_.end(), 0u);
    realNs_ = 0;
    events_ = 0;
    sweeps_ = 0;
    sweepChannel_ = 0;
    dwellPhaseNs_ = 0;
}

void SimulatedInstrument::ResetView() {
    dispStart_ = 0;
    dispEnd_ = MemorySize() - 1;
    cursor_ = MemorySize() / 2;
}

bool SimulatedInstrument::PresetReached() const {
    if (IsMcs(mode_)) return sweepCount_ > 0 && sweeps_ >= sweepCount_;
    if (CountStop()) return presetCount_ > 0 && events_ >= static_cast<std::uint64_t>(presetCount_);
    return presetTime_ > 0 && realNs_ >= presetTime_ * kNsPerTenth;
}

void SimulatedInstrument::AdvanceTo(TimePoint now) {
    if (now <= last_) return;
    const std::int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now - last_).count();
    last_ = now;
    if (!running_) return;
    if (IsMcs(mode_))
        AdvanceMcs(ns);
    else
        AdvancePha(ns);
}

void SimulatedInstrument::AdvancePha(std::int64_t ns) {
    bool ends = false;
    if (!CountStop() && presetTime_ > 0) {
        const std::int64_t left = presetTime_ * kNsPerTenth - realNs_;
        if (ns >= left) {
            ns = std::max<std::int64_t>(left, 0);
            ends = true;
        }
    }
    std::uint64_t events = random_.Poisson(recordedRate_ * static_cast<double>(ns) / kNsPerSecond);
    if (CountStop() && presetCount_ > 0) {
        const std::uint64_t left = static_cast<std::uint64_t>(presetCount_) - std::min<std::uint64_t>(events_, presetCount_);
        if (events >= left) {
            // The last needed pulse arrives, on average, at left / (events + 1) of the interval.
            ns = static_cast<std::int64_t>(static_cast<double>(ns) * static_cast<double>(left) /
                                           static_cast<double>(events + 1));
            events = left;
            ends = true;
        }
    }
    sampler_.AddEvents(events, random_, counts_);
    events_ += events;
    realNs_ += ns;
    if (ends) running_ = false;
}

std::int64_t SimulatedInstrument::DwellNs() const {
    // A multiplier of 0 dwells one unit, as the set-up dialog itself turns 0 into 1.
    return std::max<std::int64_t>(dwellMultiplier_, 1) * kDwellUnitNs[dwellUnit_];
}

void SimulatedInstrument::AdvanceMcs(std::int64_t ns) {
    const int n = MemorySize();
    const std::int64_t dwell = DwellNs();
    const std::int64_t total = dwellPhaseNs_ + ns;
    std::int64_t steps = total / dwell;
    bool ends = false;
    if (sweepCount_ > 0) {
        const std::int64_t left = sweepCount_ * n - (static_cast<std::int64_t>(sweeps_) * n + sweepChannel_);
        if (steps >= left) {
            steps = std::max<std::int64_t>(left, 0);
            ends = true;
        }
    }
    if (ends) {
        realNs_ += std::max<std::int64_t>(steps * dwell - dwellPhaseNs_, 0);
        dwellPhaseNs_ = 0;
    } else {
        realNs_ += ns;
        dwellPhaseNs_ = total % dwell;
    }
    double rate = recordedRate_;
    if (IsRoiGated(mode_)) rate *= sampler_.Fraction(roiLow_, roiHigh_);
    const double perDwell = rate * static_cast<double>(dwell) / kNsPerSecond;
    const std::int64_t fullSweeps = steps / n;
    const std::int64_t partial = steps % n;
    const int first = sweepChannel_;
    // Channels visited k times get one Poisson draw of k dwells; only visited channels cost.
    const std::int64_t visited = fullSweeps > 0 ? n : partial;
    for (std::int64_t k = 0; k < visited; ++k) {
        const auto c = static_cast<std::size_t>((first + k) % n);
        const std::int64_t visits = fullSweeps + (k < partial ? 1 : 0);
        const std::uint64_t added = random_.Poisson(perDwell * static_cast<double>(visits));
        counts_[c] += static_cast<std::uint32_t>(added);
        events_ += added;
    }
    const std::int64_t reached = first + steps;
    sweeps_ = static_cast<std::int32_t>(std::min<std::int64_t>(sweeps_ + reached / n, 0x7FFFFFFF));
    sweepChannel_ = static_cast<int>(reached % n);
    if (ends) running_ = false;
}

void SimulatedInstrument::FillStatus(std::span<std::uint8_t> b) const {
    std::fill(b.begin(), b.end(), std::uint8_t{0});
    WriteI16(b, status::kDispStart, static_cast<std::int16_t>(dispStart_));
    WriteI16(b, status::kDispEnd, static_cast<std::int16_t>(dispEnd_));
    WriteI16(b, status::kCursor, static_cast<std::int16_t>(cursor_));
    WriteI16(b, status::kLogScale, logScale_ ? 1 : 0);
    WriteI16(b, status::kVfsIndex, static_cast<std::int16_t>(vfsIndex_));
    WriteI32(b, status::kRealTime, static_cast<std::int32_t>(std::min<std::int64_t>(realNs_ / kNsPerHundredth, 0x7FFFFFFF)));
    WriteI16(b, status::kMode, static_cast<std::int16_t>(CountStop() ? 1 : mode_));
    WriteI16(b, status::kRunning, running_ ? 1 : 0);
    WriteI16(b, status::kMemorySize, static_cast<std::int16_t>(MemorySize()));
    WriteI16(b, status::kMemorySize2, static_cast<std::int16_t>(IsMcs(mode_) ? MemorySize() : 0));
    // The rate field is 16 bits of 10 counts per second: it saturates rather than wraps.
    const double rate = realNs_ > 0 ? static_cast<double>(events_) * kNsPerSecond / static_cast<double>(realNs_) : 0.0;
    WriteI16(b, status::kCountRate, Saturate16(static_cast<std::int64_t>(rate / 10.0 + 0.5)));
    WriteI32(b, status::kSweeps, sweeps_);
}

std::size_t SimulatedInstrument::WriteBlock(int block, std::span<unsigned char> reply) const {
    const std::span<std::uint8_t> bytes(reply.data(), kMaxReplyBytes);
    const int first = (block - 1) * kReadoutBlockChannels;
    for (int i = 0; i < kReadoutBlockChannels; ++i) WriteU32(bytes, static_cast<std::size_t>(4 * i), counts_[static_cast<std::size_t>(first + i)]);
    return kMaxReplyBytes;
}

}  // namespace ztmca
