// Starts the program: on the instrument behind the USB bridge, or with --simulate[=SOURCE] on
// the built-in simulated instrument.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string_view>

#include "ftdi/ftdi_transport.h"
#include "link/simulated/simulated_transport.h"
#include "ui/app.h"

namespace {

constexpr std::string_view kSimulate = "--simulate";

void PrintUsage() {
    std::fprintf(stderr, "usage: ztmca [--simulate[=SOURCE]]\nsources:");
    for (std::string_view name : ztmca::SimulatedSourceNames())
        std::fprintf(stderr, " %.*s", static_cast<int>(name.size()), name.data());
    std::fprintf(stderr, " (default %.*s)\n", static_cast<int>(ztmca::SimulatedSourceNames()[0].size()),
                 ztmca::SimulatedSourceNames()[0].data());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::unique_ptr<ztmca::UsbTransport> transport;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const std::string argument = arguments[i].toStdString();
        std::string_view source;
        if (argument == kSimulate) {
            source = ztmca::SimulatedSourceNames()[0];
        } else if (argument.rfind(std::string(kSimulate) + "=", 0) == 0) {
            source = std::string_view(argument).substr(kSimulate.size() + 1);
        } else {
            PrintUsage();
            return 2;
        }
        transport = ztmca::MakeSimulatedTransport(source);
        if (!transport) {
            std::fprintf(stderr, "ztmca: unknown source '%.*s'\n", static_cast<int>(source.size()), source.data());
            PrintUsage();
            return 2;
        }
    }
    if (!transport) transport = ztmca::MakeFtdiTransport();
    // A failure while the window is built is shown as the event handlers' failures are, then
    // the program ends.
    try {
        auto window = ztmca::makeMainWindow(std::move(transport));
        window->show();
        return application.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString());
    }
    return 1;
}
