#pragma once
// The instrument link over the FTDI USB bridge (libftdi1).
#include <memory>

#include "link/usb_transport.h"

namespace ztmca {

std::unique_ptr<UsbTransport> MakeFtdiTransport();

}  // namespace ztmca
