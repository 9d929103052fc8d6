// The libftdi1 side of FtdiCalls: one library context per open bridge.
#include <libftdi1/ftdi.h>

#include <algorithm>
#include <climits>

#include "ftdi/ftdi_calls.h"

namespace ztmca {
namespace {

constexpr int kVendor = 0x0403;
// FT232R/FT245R, FT2232, FT4232, FT232H, FT-X.
constexpr int kProducts[] = {0x6001, 0x6010, 0x6011, 0x6014, 0x6015};
constexpr int kSerialBytes = 64;

int ClampToInt(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

class LibFtdiCalls final : public FtdiCalls {
public:
    ~LibFtdiCalls() override {
        for (ftdi_context*& ctx : contexts_)
            if (ctx != nullptr) Release(ctx);
    }

    bool ListSerials(std::vector<std::string>& serials) override {
        serials.clear();
        ftdi_context* ctx = ftdi_new();
        if (ctx == nullptr) return false;
        bool ok = true;
        for (int product : kProducts) {
            ftdi_device_list* list = nullptr;
            if (ftdi_usb_find_all(ctx, &list, kVendor, product) < 0) {
                ok = false;
                continue;
            }
            for (ftdi_device_list* d = list; d != nullptr; d = d->next) {
                char serial[kSerialBytes] = {};
                // A bridge whose strings cannot be read (no permission, no serial number)
                // cannot be opened by serial number either, so it is not listed.
                if (ftdi_usb_get_strings(ctx, d->dev, nullptr, 0, nullptr, 0, serial, sizeof serial) == 0 &&
                    serial[0] != '\0')
                    serials.emplace_back(serial);
            }
            ftdi_list_free(&list);
        }
        ftdi_free(ctx);
        return ok;
    }

    bool Open(const std::string& serial, int& port) override {
        ftdi_context* ctx = ftdi_new();
        if (ctx == nullptr) return false;
        ctx->module_detach_mode = AUTO_DETACH_SIO_MODULE;
        for (int product : kProducts) {
            if (ftdi_usb_open_desc(ctx, kVendor, product, nullptr, serial.c_str()) != 0) continue;
            const auto free = std::find(contexts_.begin(), contexts_.end(), nullptr);
            if (free != contexts_.end()) {
                *free = ctx;
                port = static_cast<int>(free - contexts_.begin());
            } else {
                contexts_.push_back(ctx);
                port = static_cast<int>(contexts_.size()) - 1;
            }
            return true;
        }
        ftdi_free(ctx);
        return false;
    }

    bool Reset(int port) override {
        ftdi_context* ctx = At(port);
        return ctx != nullptr && ftdi_usb_reset(ctx) == 0;
    }

    bool SetLatencyTimer(int port, unsigned char milliseconds) override {
        ftdi_context* ctx = At(port);
        return ctx != nullptr && ftdi_set_latency_timer(ctx, milliseconds) == 0;
    }

    bool SetTimeouts(int port, unsigned readMs, unsigned writeMs) override {
        ftdi_context* ctx = At(port);
        if (ctx == nullptr) return false;
        ctx->usb_read_timeout = static_cast<int>(std::min<unsigned>(readMs, INT_MAX));
        ctx->usb_write_timeout = static_cast<int>(std::min<unsigned>(writeMs, INT_MAX));
        return true;
    }

    bool Purge(int port) override {
        ftdi_context* ctx = At(port);
        return ctx != nullptr && ftdi_tcioflush(ctx) == 0;
    }

    bool Write(int port, const unsigned char* bytes, std::size_t count, std::size_t& written) override {
        written = 0;
        ftdi_context* ctx = At(port);
        if (ctx == nullptr) return false;
        const int result = ftdi_write_data(ctx, bytes, ClampToInt(count));
        if (result < 0) return false;
        written = static_cast<std::size_t>(result);
        return true;
    }

    bool Read(int port, unsigned char* buffer, std::size_t capacity, std::size_t& received) override {
        received = 0;
        ftdi_context* ctx = At(port);
        if (ctx == nullptr) return false;
        const int result = ftdi_read_data(ctx, buffer, ClampToInt(capacity));
        if (result < 0) return false;
        received = static_cast<std::size_t>(result);
        return true;
    }

    bool Close(int port) override {
        ftdi_context* ctx = At(port);
        if (ctx == nullptr) return false;
        const bool ok = ftdi_usb_close(ctx) == 0;
        ftdi_free(ctx);
        contexts_[static_cast<std::size_t>(port)] = nullptr;
        return ok;
    }

private:
    ftdi_context* At(int port) {
        if (port < 0 || static_cast<std::size_t>(port) >= contexts_.size()) return nullptr;
        return contexts_[static_cast<std::size_t>(port)];
    }
    static void Release(ftdi_context*& ctx) {
        ftdi_usb_close(ctx);
        ftdi_free(ctx);
        ctx = nullptr;
    }

    std::vector<ftdi_context*> contexts_;
};

}  // namespace

std::unique_ptr<FtdiCalls> MakeLibFtdiCalls() { return std::make_unique<LibFtdiCalls>(); }

}  // namespace ztmca
