#pragma once
// An instrument that records every command and answers from a script: "!" to acknowledged
// commands, a status block to "$R0;", a channel block to "$Rn;", and a fixed identity.
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "link/usb_transport.h"

namespace ztmca::testing {

class RecordingTransport : public UsbTransport {
public:
    std::vector<std::string> serials{"ZT000001"};
    std::vector<std::string> writes;  // every command written, in order
    std::string identity = "ZT-740";
    DeviceStatus status;
    std::array<std::int32_t, kMaxChannels> channels{};
    // Replies to acknowledged commands, by command text; missing ones answer "!".
    std::function<std::string(const std::string&)> ackFor = [](const std::string&) { return std::string("!"); };
    bool failWrites = false;
    bool failQueue = false;

    bool ListDevices(std::vector<std::string>& out) override {
        out = serials;
        return true;
    }
    bool Open(const std::string& serial, DeviceHandle& handle) override {
        const auto it = std::find(serials.begin(), serials.end(), serial);
        if (it == serials.end()) return false;
        handle = static_cast<DeviceHandle>(it - serials.begin()) + 1;
        return true;
    }
    bool Reset(DeviceHandle) override { return true; }
    bool SetLatencyTimer(DeviceHandle, unsigned char) override { return true; }
    bool SetTimeouts(DeviceHandle, unsigned, unsigned) override { return true; }
    bool Purge(DeviceHandle) override {
        pending.clear();
        return true;
    }
    bool Write(DeviceHandle, const unsigned char* bytes, std::size_t count) override {
        if (failWrites) return false;
        const std::string command(reinterpret_cast<const char*>(bytes), count);
        writes.push_back(command);
        Answer(command);
        return true;
    }
    bool QueueStatus(DeviceHandle, std::size_t& waiting) override {
        if (failQueue) return false;
        waiting = pending.size();
        return true;
    }
    bool Read(DeviceHandle, unsigned char* buffer, std::size_t count, std::size_t& received) override {
        received = std::min(count, pending.size());
        std::copy_n(pending.begin(), received, buffer);
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(received));
        return true;
    }
    bool Close(DeviceHandle) override { return true; }

    std::deque<unsigned char> pending;

private:
    void Answer(const std::string& command) {
        pending.clear();
        if (command == "$?;") {
            pending.assign(identity.begin(), identity.end());
        } else if (command == "$R0;") {
            pending.assign(status.Bytes.begin(), status.Bytes.end());
        } else if (command.size() > 3 && command.rfind("$R", 0) == 0 && command.back() == ';') {
            const int block = std::stoi(command.substr(2, command.size() - 3));
            for (int ch = (block - 1) * 128; ch < block * 128; ++ch) {
                const auto v = static_cast<std::uint32_t>(ch >= 0 && ch < kMaxChannels ? channels[ch] : 0);
                for (int i = 0; i < 4; ++i) pending.push_back(static_cast<unsigned char>(v >> (8 * i)));
            }
        } else {
            const std::string reply = ackFor(command);
            pending.assign(reply.begin(), reply.end());
        }
    }
};

// Commands written, without the reads of status and channel blocks.
inline std::vector<std::string> CommandsOnly(const std::vector<std::string>& writes) {
    std::vector<std::string> out;
    for (const auto& w : writes)
        if (!(w.size() >= 4 && w.rfind("$R", 0) == 0)) out.push_back(w);
    return out;
}

}  // namespace ztmca::testing
