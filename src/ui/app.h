#pragma once
// Builds the complete main window on a transport; needs a QApplication.
#include <QMainWindow>
#include <memory>

#include "link/usb_transport.h"

namespace ztmca {

std::unique_ptr<QMainWindow> makeMainWindow(std::unique_ptr<UsbTransport> transport);

}  // namespace ztmca
