#pragma once
// The command exchange with instrument 0: framing, acknowledgements and the bounded wait.
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

class DeviceLink {
public:
    explicit DeviceLink(UsbTransport& transport, LinkClock& clock = SteadyLinkClock());

    std::array<DeviceHandle, kMaxInstruments> HandleSlots{};
    std::int32_t OpenedCount = 0;
    std::string ModelName;

    UsbTransport& Transport() { return transport_; }
    LinkClock& Clock() { return clock_; }

    // Writes the command to instrument 0, waits (at most kLinkTimeout) until expected bytes are
    // waiting and reads what is waiting, never more than capacity. received gets the count read.
    bool ExchangeBytes(const unsigned char* command, std::size_t length, std::size_t expected,
                       unsigned char* reply, std::size_t capacity, std::size_t& received);
    // True when the exchange succeeds and the first reply byte is "!".
    bool SendCommand(std::string_view command);

    // The wait of an exchange: queue status until at least expected bytes are waiting.
    // False on a failed queue call or when the time-out passes first.
    bool WaitForBytes(DeviceHandle handle, std::size_t expected, std::size_t& waiting);

private:
    UsbTransport& transport_;
    LinkClock& clock_;
};

}  // namespace ztmca
