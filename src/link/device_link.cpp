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

ExchangeResult DeviceLink::WaitForBytes(DeviceHandle handle, std::size_t expected,
                                        std::chrono::steady_clock::time_point deadline, std::size_t& waiting) {
    for (;;) {
        if (!transport_.QueueStatus(handle, waiting)) return ExchangeResult::QueueFailed;
        if (waiting >= expected) return ExchangeResult::Ok;
        if (clock_.Now() >= deadline) return ExchangeResult::TimedOut;
        // A short pause keeps a silent instrument from spinning the processor.
        clock_.Pause(std::chrono::microseconds(200));
    }
}

void DeviceLink::Discard(DeviceHandle handle, std::size_t count) {
    unsigned char scratch[kAckBufferBytes];
    while (count > 0) {
        std::size_t got = 0;
        if (!transport_.Read(handle, scratch, std::min(count, sizeof scratch), got) || got == 0) return;
        count -= std::min(got, count);
    }
}

ExchangeResult DeviceLink::Exchange(DeviceHandle handle, const unsigned char* command, std::size_t length,
                                    std::size_t expected, unsigned char* reply, std::size_t capacity,
                                    std::size_t& received) {
    received = 0;
    if (unsettled_) {
        // A reply that came after its time-out, or the rest of a failed read, must not be taken
        // for the answer to this command.
        std::size_t stale = 0;
        if (transport_.QueueStatus(handle, stale)) Discard(handle, stale);
    }
    unsettled_ = true;
    const auto deadline = clock_.Now() + kLinkTimeout;
    if (!transport_.Write(handle, command, length)) return ExchangeResult::WriteFailed;
    std::size_t waiting = 0;
    const ExchangeResult waited = WaitForBytes(handle, expected, deadline, waiting);
    if (waited != ExchangeResult::Ok) return waited;
    const std::size_t count = std::min(waiting, capacity);
    if (!transport_.Read(handle, reply, count, received)) {
        received = 0;
        return ExchangeResult::ReadFailed;
    }
    received = std::min(received, count);
    Discard(handle, waiting - received);
    unsettled_ = false;
    return ExchangeResult::Ok;
}

bool DeviceLink::ExchangeBytes(const unsigned char* command, std::size_t length, std::size_t expected,
                               unsigned char* reply, std::size_t capacity, std::size_t& received) {
    return Exchange(HandleSlots[0], command, length, expected, reply, capacity, received) == ExchangeResult::Ok;
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
