#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "window_fixture.h"
#include "ui/screenshot.h"
#include "ui/app.h"
#include "ui/tform1.h"

namespace ztmca {
namespace {

using testing::WindowFixture;
using Window = WindowFixture;

TEST(MainWindow, OpensWithTheDesignCaptionAndWithoutTouchingTheInstrument) {
    Window w;
    EXPECT_EQ(w.window->windowTitle(), QStringLiteral("ZT-520 Ver 2.0"));
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("ZT-740"));
    EXPECT_EQ(w.transport->lists, 0);
    EXPECT_TRUE(w.transport->writes.empty());
    auto* timer = w.Find<QTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    testing::SaveShot(w.window.get(), QStringLiteral("startup"));
}

TEST(MainWindow, EveryControlIsFoundByItsDesignName) {
    Window w;
    for (const char* name : {"McaStart", "McaStop", "McaClear", "McaOpen", "Button10", "SaveAcqInf", "LogDisp",
                             "AutoVfs", "VfcUp", "VfcDn", "Expand", "Compres", "LinDot", "VfsOfset", "SnapPeak",
                             "FWHM", "EngCalib", "PlotLpt", "PrintSpec", "OverLapON", "Button2"})
        EXPECT_NE(w.Find<QPushButton>(name), nullptr) << name;
    for (const char* name : {"Edit1", "Edit2", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14",
                             "EditROILow", "EditROIHigh", "Element", "LowCh", "HiCh", "LoEng", "HiEng", "ChKev",
                             "FwhmVal"})
        EXPECT_NE(w.Find<QLineEdit>(name), nullptr) << name;
    for (const char* name : {"Label1", "Label2", "Label3", "Label7", "Label8", "Label9", "Label10"})
        EXPECT_NE(w.Find<QLabel>(name), nullptr) << name;
    for (const char* name : {"ROIOnCheck", "ROILowCh", "ROIHighCh", "LengCh", "HengCh"})
        EXPECT_NE(w.Find<QCheckBox>(name), nullptr) << name;
    for (const char* name : {"AXFM", "MISC"}) EXPECT_NE(w.Find<QTabWidget>(name), nullptr) << name;
    for (const char* name : {"File1", "Config1", "Connect1", "Help1"}) EXPECT_NE(w.Find<QMenu>(name), nullptr) << name;
    for (const char* name : {"Read1", "Write1", "Write2", "SetupPrint", "Exit1", "About1", "Open1", "Scan1"})
        EXPECT_NE(w.Find<QAction>(name), nullptr) << name;
    EXPECT_EQ(w.Find<QPushButton>("McaOpen")->text(), QStringLiteral("OpenMCA"));
    EXPECT_FALSE(w.Find<QPushButton>("McaStart")->isEnabled());
    EXPECT_EQ(w.Find<QTabWidget>("AXFM")->tabText(w.Find<QTabWidget>("AXFM")->currentIndex()), QStringLiteral(" PHA"));
    EXPECT_EQ(w.Find<QTabWidget>("MISC")->tabText(w.Find<QTabWidget>("MISC")->currentIndex()), QStringLiteral(" Print"));
}

}  // namespace
}  // namespace ztmca
