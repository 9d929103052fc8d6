#pragma once
// The instrument link over the FTDI USB bridge (libftdi1). The library has no call that says
// how many bytes are waiting, so the transport drains the chip into a buffer of its own and
// reports that buffer's fill.
#include <array>
#include <cstddef>
#include <memory>

#include "ftdi/ftdi_calls.h"
#include "link/usb_transport.h"

namespace ztmca {

constexpr std::size_t kFtdiBufferBytes = 65536;
constexpr int kMaxFtdiDevices = 8;

class FtdiTransport final : public UsbTransport {
public:
    explicit FtdiTransport(std::unique_ptr<FtdiCalls> calls);
    // Closes every bridge still open.
    ~FtdiTransport() override;

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
    struct Port {
        bool IsOpen = false;
        int Id = 0;
        std::unique_ptr<std::array<unsigned char, kFtdiBufferBytes>> Buffer;
        std::size_t Head = 0;
        std::size_t Tail = 0;
    };
    Port* Find(DeviceHandle handle);
    // Moves what the chip holds into the port's buffer, as far as it has room.
    bool Fill(Port& port);

    std::unique_ptr<FtdiCalls> calls_;
    std::array<Port, kMaxFtdiDevices> ports_;
};

// The transport on the real library.
std::unique_ptr<UsbTransport> MakeFtdiTransport();

}  // namespace ztmca
