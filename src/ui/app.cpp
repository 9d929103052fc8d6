#include "ui/app.h"

#include <QApplication>

#include "ui/tform1.h"

namespace ztmca {

std::unique_ptr<QMainWindow> makeMainWindow(std::unique_ptr<UsbTransport> transport) {
    QApplication::setApplicationName(QStringLiteral("ZT-740"));
    return std::make_unique<TForm1>(std::move(transport));
}

}  // namespace ztmca
