#pragma once
// The command exchange with the instruments: framing, acknowledgements and the bounded wait.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/link_clock.h"
#include "link/usb_transport.h"

namespace ztmca {

constexpr int kMaxInstruments = 5;
constexpr std::chrono::milliseconds kLinkTimeout{3000};
constexpr std::size_t kAckBufferBytes = 512;

// How an exchange ended. Only Ok delivered a reply; the others say which step gave up.
enum class ExchangeResult { Ok, WriteFailed, QueueFailed, TimedOut, ReadFailed };

class DeviceLink {
public:
    explicit DeviceLink(UsbTransport& transport, LinkClock& clock = SteadyLinkClock());

    std::array<DeviceHandle, kMaxInstruments> HandleSlots{};
    std::int32_t OpenedCount = 0;
    std::string ModelName;

    UsbTransport& Transport() { return transport_; }
    LinkClock& Clock() { return clock_; }

    // Writes the command, waits until at least `expected` bytes are waiting (never longer than
    // kLinkTimeout from the write) and reads them, never more than capacity. Bytes beyond the
    // reply are dropped so that they cannot be taken for the next reply; after an exchange that
    // did not end cleanly, whatever is still waiting is dropped before the next command.
    ExchangeResult Exchange(DeviceHandle handle, const unsigned char* command, std::size_t length,
                            std::size_t expected, unsigned char* reply, std::size_t capacity,
                            std::size_t& received);
    // Exchange with instrument 0; true when it ended Ok.
    bool ExchangeBytes(const unsigned char* command, std::size_t length, std::size_t expected,
                       unsigned char* reply, std::size_t capacity, std::size_t& received);
    // True when the exchange with instrument 0 succeeds and the first reply byte is "!".
    bool SendCommand(std::string_view command);

private:
    ExchangeResult WaitForBytes(DeviceHandle handle, std::size_t expected,
                                std::chrono::steady_clock::time_point deadline, std::size_t& waiting);
    // Reads and throws away up to `count` waiting bytes.
    void Discard(DeviceHandle handle, std::size_t count);

    UsbTransport& transport_;
    LinkClock& clock_;
    bool unsettled_ = false;  // the last exchange may have left bytes behind
};

}  // namespace ztmca
