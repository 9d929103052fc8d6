// Starts the program on the instrument behind the USB bridge.
#include <QApplication>

#include "ftdi/ftdi_transport.h"
#include "ui/app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    auto window = ztmca::makeMainWindow(ztmca::MakeFtdiTransport());
    window->show();
    return application.exec();
}
