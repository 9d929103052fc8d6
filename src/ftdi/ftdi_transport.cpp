// Placeholder until the libftdi1 transport lands: every operation fails.
#include "ftdi/ftdi_transport.h"

namespace ztmca {
namespace {

class NoTransport final : public UsbTransport {
public:
    bool ListDevices(std::vector<std::string>&) override { return false; }
    bool Open(const std::string&, DeviceHandle&) override { return false; }
    bool Reset(DeviceHandle) override { return false; }
    bool SetLatencyTimer(DeviceHandle, unsigned char) override { return false; }
    bool SetTimeouts(DeviceHandle, unsigned, unsigned) override { return false; }
    bool Purge(DeviceHandle) override { return false; }
    bool Write(DeviceHandle, const unsigned char*, std::size_t) override { return false; }
    bool QueueStatus(DeviceHandle, std::size_t&) override { return false; }
    bool Read(DeviceHandle, unsigned char*, std::size_t, std::size_t&) override { return false; }
    bool Close(DeviceHandle) override { return false; }
};

}  // namespace

std::unique_ptr<UsbTransport> MakeFtdiTransport() { return std::make_unique<NoTransport>(); }

}  // namespace ztmca
