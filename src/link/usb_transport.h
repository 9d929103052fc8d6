#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace ztmca {
using DeviceHandle = int;
// The ten operations that the instrument link relies on. Each returns false on failure.
class UsbTransport {
public:
    virtual ~UsbTransport() = default;
    virtual bool ListDevices(std::vector<std::string>& serials) = 0;   // serial numbers, list order
    virtual bool Open(const std::string& serial, DeviceHandle& handle) = 0;
    virtual bool Reset(DeviceHandle handle) = 0;
    virtual bool SetLatencyTimer(DeviceHandle handle, unsigned char milliseconds) = 0;
    virtual bool SetTimeouts(DeviceHandle handle, unsigned readMs, unsigned writeMs) = 0;
    virtual bool Purge(DeviceHandle handle) = 0;                       // receive and transmit
    virtual bool Write(DeviceHandle handle, const unsigned char* bytes, std::size_t count) = 0;
    virtual bool QueueStatus(DeviceHandle handle, std::size_t& waiting) = 0;
    virtual bool Read(DeviceHandle handle, unsigned char* buffer, std::size_t count,
                      std::size_t& received) = 0;
    virtual bool Close(DeviceHandle handle) = 0;
};
}  // namespace ztmca
