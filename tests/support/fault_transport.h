#pragma once
// An instrument with faults on demand, on top of RecordingTransport's answers. Unlike the
// recording one, its receive queue keeps what the link leaves behind, as a real bridge does, so
// that surplus or late bytes show up in the next reply.
#include <chrono>
#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_link_clock.h"
#include "support/recording_transport.h"

namespace ztmca::testing {

class FaultTransport : public RecordingTransport {
public:
    explicit FaultTransport(FakeLinkClock& clock) : clock_(clock) {}

    bool listFails = false;
    std::set<std::string> openFails;      // serials whose open fails
    std::set<DeviceHandle> resetFails;
    std::map<DeviceHandle, std::string> identities;  // per handle; others answer `identity`
    bool silent = false;                  // nothing the instrument sends ever arrives
    std::size_t writesBeforeUnplug = std::numeric_limits<std::size_t>::max();
    // Edits the reply to a command: cut it short, garble it, make it longer.
    std::function<void(const std::string& command, std::string& reply)> mangle;
    // Replies to commands for which this says true arrive this long after the write.
    std::function<bool(const std::string& command)> delayed;
    std::chrono::milliseconds delay{4000};
    // The first queue call after a command for which this says true fails.
    std::function<bool(const std::string& command)> queueFailsAfter;

    std::vector<std::pair<DeviceHandle, std::string>> traffic;  // every write with its handle
    std::vector<DeviceHandle> closed;
    std::vector<std::size_t> readSizes;  // the count asked for by every read

    bool Unplugged() const { return traffic.size() >= writesBeforeUnplug; }
    // Commands written to the handle of the instrument kept open, without the read-outs.
    std::vector<std::string> CommandsTo(DeviceHandle handle) const {
        std::vector<std::string> out;
        for (const auto& [h, command] : traffic)
            if (h == handle && !(command.size() >= 4 && command.rfind("$R", 0) == 0)) out.push_back(command);
        return out;
    }

    bool ListDevices(std::vector<std::string>& out) override {
        if (listFails) return false;
        return RecordingTransport::ListDevices(out);
    }
    bool Open(const std::string& serial, DeviceHandle& handle) override {
        if (openFails.count(serial) || !RecordingTransport::Open(serial, handle)) return false;
        open_.insert(handle);
        return true;
    }
    bool Reset(DeviceHandle handle) override { return resetFails.count(handle) == 0; }
    bool Close(DeviceHandle handle) override {
        closed.push_back(handle);
        return open_.erase(handle) == 1;
    }
    bool Write(DeviceHandle handle, const unsigned char* bytes, std::size_t count) override {
        if (Unplugged() || !open_.count(handle)) return false;
        const std::string command(reinterpret_cast<const char*>(bytes), count);
        traffic.emplace_back(handle, command);
        queueFailArmed_ = queueFailsAfter && queueFailsAfter(command);
        std::deque<unsigned char> kept;
        kept.swap(pending);
        RecordingTransport::Write(handle, bytes, count);  // puts the scripted reply in pending
        std::string reply(pending.begin(), pending.end());
        pending.swap(kept);
        const auto id = identities.find(handle);
        if (command == "$?;" && id != identities.end()) reply = id->second;
        if (mangle) mangle(command, reply);
        if (silent) return true;
        Release();
        if (delayed && delayed(command)) {
            held_.insert(held_.end(), reply.begin(), reply.end());
            releaseAt_ = clock_.now + delay;
        } else {
            pending.insert(pending.end(), reply.begin(), reply.end());
        }
        return true;
    }
    bool QueueStatus(DeviceHandle handle, std::size_t& waiting) override {
        if (Unplugged() || !open_.count(handle)) return false;
        if (queueFailArmed_) {
            queueFailArmed_ = false;
            return false;
        }
        Release();
        return RecordingTransport::QueueStatus(handle, waiting);
    }
    bool Read(DeviceHandle handle, unsigned char* buffer, std::size_t count, std::size_t& received) override {
        if (Unplugged() || !open_.count(handle)) return false;
        readSizes.push_back(count);
        Release();
        return RecordingTransport::Read(handle, buffer, count, received);
    }

private:
    void Release() {
        if (held_.empty() || clock_.now < releaseAt_) return;
        pending.insert(pending.end(), held_.begin(), held_.end());
        held_.clear();
    }

    FakeLinkClock& clock_;
    std::set<DeviceHandle> open_;
    bool queueFailArmed_ = false;
    std::deque<unsigned char> held_;
    std::chrono::steady_clock::time_point releaseAt_{};
};

}  // namespace ztmca::testing
