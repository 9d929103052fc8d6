#include "ftdi/ftdi_transport.h"

#include <algorithm>
#include <cstring>

namespace ztmca {

FtdiTransport::FtdiTransport(std::unique_ptr<FtdiCalls> calls) : calls_(std::move(calls)) {}

FtdiTransport::~FtdiTransport() {
    for (Port& p : ports_)
        if (p.IsOpen) calls_->Close(p.Id);
}

FtdiTransport::Port* FtdiTransport::Find(DeviceHandle handle) {
    if (handle < 1 || handle > kMaxFtdiDevices) return nullptr;
    Port& p = ports_[static_cast<std::size_t>(handle - 1)];
    return p.IsOpen ? &p : nullptr;
}

bool FtdiTransport::ListDevices(std::vector<std::string>& serials) { return calls_->ListSerials(serials); }

bool FtdiTransport::Open(const std::string& serial, DeviceHandle& handle) {
    const auto free = std::find_if(ports_.begin(), ports_.end(), [](const Port& p) { return !p.IsOpen; });
    if (free == ports_.end()) return false;
    int id = 0;
    if (!calls_->Open(serial, id)) return false;
    if (!free->Buffer) free->Buffer = std::make_unique<std::array<unsigned char, kFtdiBufferBytes>>();
    free->IsOpen = true;
    free->Id = id;
    free->Head = free->Tail = 0;
    handle = static_cast<DeviceHandle>(free - ports_.begin()) + 1;
    return true;
}

bool FtdiTransport::Reset(DeviceHandle handle) {
    Port* p = Find(handle);
    if (p == nullptr) return false;
    p->Head = p->Tail = 0;
    return calls_->Reset(p->Id);
}

bool FtdiTransport::SetLatencyTimer(DeviceHandle handle, unsigned char milliseconds) {
    Port* p = Find(handle);
    return p != nullptr && calls_->SetLatencyTimer(p->Id, milliseconds);
}

bool FtdiTransport::SetTimeouts(DeviceHandle handle, unsigned readMs, unsigned writeMs) {
    Port* p = Find(handle);
    return p != nullptr && calls_->SetTimeouts(p->Id, readMs, writeMs);
}

bool FtdiTransport::Purge(DeviceHandle handle) {
    Port* p = Find(handle);
    if (p == nullptr) return false;
    p->Head = p->Tail = 0;
    return calls_->Purge(p->Id);
}

bool FtdiTransport::Write(DeviceHandle handle, const unsigned char* bytes, std::size_t count) {
    Port* p = Find(handle);
    if (p == nullptr || (bytes == nullptr && count > 0)) return false;
    std::size_t sent = 0;
    while (sent < count) {
        std::size_t written = 0;
        if (!calls_->Write(p->Id, bytes + sent, count - sent, written)) return false;
        // Nothing taken within the write time-out: the bridge is stuck, not slow.
        if (written == 0) return false;
        sent += std::min(written, count - sent);
    }
    return true;
}

bool FtdiTransport::Fill(Port& p) {
    auto& buffer = *p.Buffer;
    if (p.Head == p.Tail) p.Head = p.Tail = 0;
    if (p.Tail == buffer.size() && p.Head > 0) {
        std::memmove(buffer.data(), buffer.data() + p.Head, p.Tail - p.Head);
        p.Tail -= p.Head;
        p.Head = 0;
    }
    const std::size_t room = buffer.size() - p.Tail;
    if (room == 0) return true;
    std::size_t received = 0;
    if (!calls_->Read(p.Id, buffer.data() + p.Tail, room, received)) return false;
    p.Tail += std::min(received, room);
    return true;
}

bool FtdiTransport::QueueStatus(DeviceHandle handle, std::size_t& waiting) {
    Port* p = Find(handle);
    if (p == nullptr || !Fill(*p)) return false;
    waiting = p->Tail - p->Head;
    return true;
}

bool FtdiTransport::Read(DeviceHandle handle, unsigned char* buffer, std::size_t count, std::size_t& received) {
    received = 0;
    Port* p = Find(handle);
    if (p == nullptr || (buffer == nullptr && count > 0)) return false;
    if (p->Tail - p->Head < count && !Fill(*p)) return false;
    received = std::min(count, p->Tail - p->Head);
    std::copy_n(p->Buffer->begin() + static_cast<std::ptrdiff_t>(p->Head), received, buffer);
    p->Head += received;
    return true;
}

bool FtdiTransport::Close(DeviceHandle handle) {
    Port* p = Find(handle);
    if (p == nullptr) return false;
    p->IsOpen = false;
    p->Head = p->Tail = 0;
    return calls_->Close(p->Id);
}

std::unique_ptr<UsbTransport> MakeFtdiTransport() { return std::make_unique<FtdiTransport>(MakeLibFtdiCalls()); }

}  // namespace ztmca
