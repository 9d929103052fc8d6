#pragma once
// A simulated transport on a hand-driven clock, and a helper that runs one exchange.
#include <chrono>
#include <string>
#include <string_view>

#include "link/link_clock.h"
#include "link/simulated/simulated_transport.h"

namespace ztmca::testing {

class ManualClock final : public LinkClock {
public:
    std::chrono::steady_clock::time_point Now() override { return now; }
    void Pause(std::chrono::microseconds d) override { now += d; }
    void Advance(std::chrono::nanoseconds d) { now += d; }
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
};

struct SimFixture {
    explicit SimFixture(SimulationOptions options = {}) : transport(clock) {
        instrument = &transport.AddInstrument("SIM1", options);
        transport.Open("SIM1", handle);
    }

    // Writes the command and takes whatever reply is waiting.
    std::string Send(std::string_view command) {
        transport.Write(handle, reinterpret_cast<const unsigned char*>(command.data()), command.size());
        std::size_t waiting = 0;
        transport.QueueStatus(handle, waiting);
        std::string reply(waiting, '\0');
        std::size_t received = 0;
        transport.Read(handle, reinterpret_cast<unsigned char*>(reply.data()), waiting, received);
        reply.resize(received);
        return reply;
    }
    bool Accepted(std::string_view command) { return Send(command) == "!"; }
    DeviceStatus Status() {
        DeviceStatus s;
        const std::string reply = Send("$R0;");
        for (std::size_t i = 0; i < reply.size() && i < s.Bytes.size(); ++i) s.Bytes[i] = static_cast<std::uint8_t>(reply[i]);
        return s;
    }
    void Wait(std::chrono::nanoseconds d) { clock.Advance(d); }

    ManualClock clock;
    SimulatedTransport transport;
    SimulatedInstrument* instrument = nullptr;
    DeviceHandle handle = 0;
};

}  // namespace ztmca::testing
