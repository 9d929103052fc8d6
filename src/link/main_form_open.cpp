// The open procedure: list the instruments, open and identify them, keep instrument 0.
#include <algorithm>
#include <cstdio>
#include <span>

#include "app/main_form.h"

namespace ztmca {

namespace {

constexpr std::string_view kZt740 = "ZT-740";
constexpr std::string_view kZt520 = "ZT-520";
// The identity test looks at bytes 0, 3 and 4; a shorter reply never names a model.
constexpr std::size_t kIdentityBytesTested = 5;
constexpr std::size_t kIdentityBufferBytes = 64;

std::string_view ModelFromIdentity(std::span<const unsigned char> reply) {
    if (reply.size() < kIdentityBytesTested) return {};
    if (reply[0] == kZt740[0] && reply[3] == kZt740[3]) return kZt740;
    if (reply[0] == kZt520[0] && reply[3] == kZt520[3] && reply[4] == kZt520[4]) return kZt520;
    return {};
}

}  // namespace

bool MainForm::OpenInstruments() {
    UsbTransport& usb = Link.Transport();
    std::vector<std::string> serials;
    if (!usb.ListDevices(serials)) return false;
    State.Acq.DeviceCount = static_cast<std::int32_t>(serials.size());
    SetNumber("Edit2", State.Acq.DeviceCount);
    SetNumber("Edit1", State.Acq.DeviceCount);
    if (serials.empty()) return false;

    // Only five handle slots exist: instruments beyond the fifth listed are left alone.
    const std::size_t considered = std::min<std::size_t>(serials.size(), kMaxInstruments);
    int j = 0;
    Link.OpenedCount = 0;
    for (std::size_t i = 0; i < considered; ++i) {
        DeviceHandle& handle = Link.HandleSlots[j];
        // A failed open leaves no handle to close.
        if (!usb.Open(serials[i], handle)) continue;
        if (!usb.Reset(handle) || !usb.SetLatencyTimer(handle, 6)) return false;
        const auto timeoutMs = static_cast<unsigned>(kLinkTimeout.count());
        usb.SetTimeouts(handle, timeoutMs, timeoutMs);
        usb.Purge(handle);

        // Waits within the link's bound until the model name can have arrived whole; a shorter
        // identity is read as it stands once the bound has passed.
        static constexpr unsigned char kIdentify[] = {'$', '?', ';'};
        unsigned char reply[kIdentityBufferBytes];
        std::size_t received = 0;
        const ExchangeResult result =
            Link.Exchange(handle, kIdentify, sizeof kIdentify, kZt740.size(), reply, sizeof reply, received);
        if (result == ExchangeResult::WriteFailed || result == ExchangeResult::ReadFailed) return false;
        if (result == ExchangeResult::TimedOut) {
            std::size_t waiting = 0;
            if (usb.QueueStatus(handle, waiting) && waiting > 0) {
                received = 0;
                if (!usb.Read(handle, reply, std::min(waiting, sizeof reply), received)) return false;
                received = std::min(received, std::min(waiting, sizeof reply));
            }
        }
        if (j == 0) {
            const std::string_view model = ModelFromIdentity(std::span<const unsigned char>(reply, received));
            if (!model.empty()) {
                Link.ModelName.assign(model);
                (*this)["DevID1"].Visible = true;
                (*this)["Edit3"].Visible = true;
                SetText("Edit3", model);
            }
        }
        ++j;
        Link.OpenedCount = j;
    }

    State.Acq.DeviceOpened = 1;
    for (const char* name : {"McaStart", "McaStop", "McaClear", "SxfmStart", "SxfmStop", "SxfmClear"})
        (*this)[name].Enabled = true;
    for (int k = 1; k < j; ++k) usb.Close(Link.HandleSlots[k]);
    return true;
}

void MainForm::McaOpenClick() {
    if (State.Acq.DeviceCount != 0) return;
    if (OpenInstruments())
        SetNumber("Edit2", State.Acq.DeviceCount);
    else
        SetText("Edit2", "Error");
}

}  // namespace ztmca
