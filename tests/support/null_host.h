#pragma once
// A desktop that draws no text and answers every dialog with Cancel, and a USB bus with nothing
// on it: enough to run the main form where only its own work counts (read-outs, benchmarks).
#include "app/form.h"
#include "app/form_host.h"
#include "link/usb_transport.h"

namespace ztmca::testing {

class NullHost final : public FormHost {
public:
    void DrawText(Bitmap&, int, int, std::string_view, Colour) override {}
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
    bool RunModal(Form&) override { return false; }
    bool AskOpenFile(const FileDialogOptions&, std::string&) override { return false; }
    bool AskSaveFile(const FileDialogOptions&, std::string&) override { return false; }
    void ShowError(std::string_view) override {}
    LocalDateTime Now() override { return {2026, 12, 11, 9, 30, 0}; }
    std::string FormatDateTime(const LocalDateTime&) override { return "2026/12/11 09:30:00"; }
    void CloseMainWindow() override {}
};

class NoInstrument final : public UsbTransport {
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

}  // namespace ztmca::testing
