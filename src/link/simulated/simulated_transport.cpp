#include "link/simulated/simulated_transport.h"

#include <array>

namespace ztmca {

SimulatedTransport::SimulatedTransport(LinkClock& clock) : clock_(clock) {}

SimulatedInstrument& SimulatedTransport::AddInstrument(std::string serial, const SimulationOptions& options) {
    auto device = std::make_unique<Device>();
    device->Serial = std::move(serial);
    device->Instrument = std::make_unique<SimulatedInstrument>(options, clock_.Now());
    devices_.push_back(std::move(device));
    return *devices_.back()->Instrument;
}

SimulatedInstrument* SimulatedTransport::Instrument(std::string_view serial) {
    for (auto& d : devices_)
        if (d->Serial == serial) return d->Instrument.get();
    return nullptr;
}

SimulatedTransport::Device* SimulatedTransport::Find(DeviceHandle handle) {
    if (handle < 1 || static_cast<std::size_t>(handle) > devices_.size()) return nullptr;
    Device* device = devices_[static_cast<std::size_t>(handle) - 1].get();
    return device->IsOpen ? device : nullptr;
}

bool SimulatedTransport::ListDevices(std::vector<std::string>& serials) {
    serials.clear();
    for (const auto& d : devices_) serials.push_back(d->Serial);
    return true;
}

bool SimulatedTransport::Open(const std::string& serial, DeviceHandle& handle) {
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        Device& d = *devices_[i];
        if (d.Serial != serial) continue;
        // One owner at a time, as with a real bridge.
        if (d.IsOpen) return false;
        d.IsOpen = true;
        d.Replies.Clear();
        handle = static_cast<DeviceHandle>(i + 1);
        return true;
    }
    return false;
}

bool SimulatedTransport::Reset(DeviceHandle handle) {
    Device* d = Find(handle);
    if (d == nullptr) return false;
    d->Replies.Clear();
    return true;
}

bool SimulatedTransport::SetLatencyTimer(DeviceHandle handle, unsigned char milliseconds) {
    return Find(handle) != nullptr && milliseconds > 0;
}

bool SimulatedTransport::SetTimeouts(DeviceHandle handle, unsigned, unsigned) { return Find(handle) != nullptr; }

bool SimulatedTransport::Purge(DeviceHandle handle) { return Reset(handle); }

bool SimulatedTransport::Write(DeviceHandle handle, const unsigned char* bytes, std::size_t count) {
    Device* d = Find(handle);
    if (d == nullptr || (bytes == nullptr && count > 0)) return false;
    if (count == 0) return true;
    const auto now = clock_.Now();
    std::array<unsigned char, kMaxReplyBytes> reply;
    const std::size_t length = d->Instrument->Execute({bytes, count}, now, reply);
    d->Replies.Push(std::span<const unsigned char>(reply.data(), length), now, latency_);
    return true;
}

bool SimulatedTransport::QueueStatus(DeviceHandle handle, std::size_t& waiting) {
    Device* d = Find(handle);
    if (d == nullptr) return false;
    waiting = d->Replies.Visible(clock_.Now());
    return true;
}

bool SimulatedTransport::Read(DeviceHandle handle, unsigned char* buffer, std::size_t count, std::size_t& received) {
    received = 0;
    Device* d = Find(handle);
    if (d == nullptr || (buffer == nullptr && count > 0)) return false;
    received = d->Replies.Read(buffer, count, clock_.Now());
    return true;
}

bool SimulatedTransport::Close(DeviceHandle handle) {
    Device* d = Find(handle);
    if (d == nullptr) return false;
    d->IsOpen = false;
    d->Replies.Clear();
    return true;
}

std::unique_ptr<UsbTransport> MakeSimulatedTransport(std::string_view source) {
    const auto kind = FindSource(source);
    if (!kind) return nullptr;
    auto transport = std::make_unique<SimulatedTransport>();
    SimulationOptions options;
    options.Source = *kind;
    transport->AddInstrument(std::string(kSimulatedSerial), options);
    return transport;
}

}  // namespace ztmca
