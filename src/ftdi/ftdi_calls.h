#pragma once
// The handful of libftdi operations the transport needs, behind an interface so that the
// transport's buffering and error paths can be tested without a bridge attached. Only the
// implementation in libftdi_calls.cpp includes the library's header.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace ztmca {

class FtdiCalls {
public:
    virtual ~FtdiCalls() = default;
    // Serial numbers of the attached bridges with the usual vendor and product ids.
    virtual bool ListSerials(std::vector<std::string>& serials) = 0;
    // Opens the bridge with this serial number (taking it from the kernel's serial driver);
    // port names it in the calls below.
    virtual bool Open(const std::string& serial, int& port) = 0;
    virtual bool Reset(int port) = 0;
    virtual bool SetLatencyTimer(int port, unsigned char milliseconds) = 0;
    virtual bool SetTimeouts(int port, unsigned readMs, unsigned writeMs) = 0;
    // Empties the chip's receive and transmit buffers.
    virtual bool Purge(int port) = 0;
    // Sends up to count bytes; written may come back smaller than count.
    virtual bool Write(int port, const unsigned char* bytes, std::size_t count, std::size_t& written) = 0;
    // Takes what the chip holds, at most capacity bytes; received may be 0.
    virtual bool Read(int port, unsigned char* buffer, std::size_t capacity, std::size_t& received) = 0;
    virtual bool Close(int port) = 0;
};

std::unique_ptr<FtdiCalls> MakeLibFtdiCalls();

}  // namespace ztmca
