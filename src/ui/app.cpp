#include "ui/app.h"

#include <QApplication>
#include <clocale>

#include "ui/tform1.h"

namespace ztmca {

std::unique_ptr<QMainWindow> makeMainWindow(std::unique_ptr<UsbTransport> transport) {
    // Numbers are written and read with a decimal point whatever the desktop's language, so that
    // dumps, read-outs and typed values mean the same on every workstation.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("ZT-740"));
    return std::make_unique<TForm1>(std::move(transport));
}

}  // namespace ztmca
