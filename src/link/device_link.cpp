#include "link/device_link.h"

#include <algorithm>
#include <thread>

namespace ztmca {
namespace {

class SteadyClock final : public LinkClock {
public:
    std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
    void Pause(std::chrono::microseconds duration) override { std::this_thread::sleep_for(duration); }
};

}  // namespace

LinkClock& SteadyLinkClock() {
    static SteadyClock clock;
    return clock;
}

DeviceLink::DeviceLink(UsbTransport& transport, LinkClock& clock) : transport_(transport), clock_(clock) {}

bool DeviceLink::WaitForBytes(DeviceHandle handle, std::size_t expected, std::size_t& waiting) {
    const auto deadline = clock_.Now() + kLinkTimeout;
    for (;;) {
        if (!transport_.QueueStatus(handle, waiting)) return false;
        if (waiting >= expected) return true;
        if (clock_.Now() >= deadline) return false;
        // A short pause keeps a silent instrument from spinning the processor.
        clock_.Pause(std::chrono::microseconds(200));
    }
}

bool DeviceLink::ExchangeBytes(const unsigned char* command, std::size_t length, std::size_t expected,
                               unsigned char* reply, std::size_t capacity, std::size_t& received) {
    received = 0;
    const DeviceHandle handle = HandleSlots[0];
    if (!transport_.Write(handle, command, length)) return false;
    std::size_t waiting = 0;
    if (!WaitForBytes(handle, expected, waiting)) return false;
    const std::size_t count = std::min(waiting, capacity);
    return transport_.Read(handle, reply, count, received);
}

bool DeviceLink::SendCommand(std::string_view command) {
    unsigned char reply[kAckBufferBytes];
    std::size_t received = 0;
    if (!ExchangeBytes(reinterpret_cast<const unsigned char*>(command.data()), command.size(), 1, reply,
                       sizeof reply, received))
        return false;
    return received >= 1 && reply[0] == '!';
}

}  // namespace ztmca
