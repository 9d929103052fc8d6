#pragma once
// A USB transport with simulated instruments behind it, listed and opened by serial number.
// Used by the program's simulate mode, by tests as the standard instrument double and by the
// benchmarks.
#include <chrono>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/link_clock.h"
#include "link/simulated/reply_queue.h"
#include "link/simulated/simulated_instrument.h"
#include "link/simulated/source_spectrum.h"
#include "link/usb_transport.h"

namespace ztmca {

class SimulatedTransport final : public UsbTransport {
public:
    // The clock times the acquisitions and the latency; the program uses the steady clock.
    explicit SimulatedTransport(LinkClock& clock = SteadyLinkClock());

    SimulatedInstrument& AddInstrument(std::string serial, const SimulationOptions& options = {});
    // Nullptr for an unknown serial number.
    SimulatedInstrument* Instrument(std::string_view serial);
    // Modelled USB round trip: a reply becomes visible this long after its command was written.
    void SetLatency(std::chrono::nanoseconds latency) { latency_ = latency; }

    bool ListDevices(std::vector<std::string>& serials) override;
    bool Open(const std::string& serial, DeviceHandle& handle) override;
    bool Reset(DeviceHandle handle) override;
    bool SetLatencyTimer(DeviceHandle handle, unsigned char milliseconds) override;
    bool SetTimeouts(DeviceHandle handle, unsigned readMs, unsigned writeMs) override;
    bool Purge(DeviceHandle handle) override;
    bool Write(DeviceHandle handle, const unsigned char* bytes, std::size_t count) override;
    bool QueueStatus(DeviceHandle handle, std::size_t& waiting) override;
    bool Read(DeviceHandle handle, unsigned char* buffer, std::size_t count, std::size_t& received) override;
    bool Close(DeviceHandle handle) override;

private:
    struct Device {
        std::string Serial;
        std::unique_ptr<SimulatedInstrument> Instrument;
        ReplyQueue Replies;
        bool IsOpen = false;
    };
    // The open device behind a handle, or nullptr.
    Device* Find(DeviceHandle handle);

    LinkClock& clock_;
    std::chrono::nanoseconds latency_{0};
    std::vector<std::unique_ptr<Device>> devices_;
};

// The serial number of the instrument that MakeSimulatedTransport creates.
constexpr std::string_view kSimulatedSerial = "ZTSIM001";

// SimulatedSourceNames() (source_spectrum.h) lists the sources MakeSimulatedTransport knows:
// "gamma" (the default), "fe", "cu", "zn", "brass".
// One simulated ZT-740 in front of the named source, on the steady clock; nullptr for an
// unknown source.
std::unique_ptr<UsbTransport> MakeSimulatedTransport(std::string_view source);

}  // namespace ztmca
