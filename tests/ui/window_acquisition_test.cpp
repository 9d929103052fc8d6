// The operator's road through the window, widget by widget, with the instrument's traffic.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTimer>

#include "screenshot.h"
#include "window_fixture.h"

namespace ztmca {
namespace {

using testing::CommandsOnly;
using testing::WindowFixture;

TEST(WindowAcquisition, OpenStartStopAndClearSendExactlyTheirCommands) {
    WindowFixture w;
    w.Press("McaOpen");
    EXPECT_EQ(w.TextOf("Edit2"), QStringLiteral("1"));
    EXPECT_EQ(w.TextOf("Edit3"), QStringLiteral("ZT-740"));
    EXPECT_TRUE(w.Find<QLineEdit>("Edit3")->isVisible());
    EXPECT_TRUE(w.Find<QPushButton>("McaStart")->isEnabled());
    EXPECT_EQ(CommandsOnly(w.transport->writes), (std::vector<std::string>{"$?;"}));

    w.transport->writes.clear();
    w.Press("McaStart");
    EXPECT_EQ(CommandsOnly(w.transport->writes), (std::vector<std::string>{"$D0;", "$G;"}));
    EXPECT_TRUE(w.Find<QTimer>("Timer1")->isActive());

    w.transport->writes.clear();
    w.Press("McaStop");
    EXPECT_EQ(CommandsOnly(w.transport->writes), (std::vector<std::string>{"$D0;", "$S;"}));
    EXPECT_FALSE(w.Find<QTimer>("Timer1")->isActive());

    w.transport->writes.clear();
    w.Press("McaClear");
    EXPECT_EQ(CommandsOnly(w.transport->writes), (std::vector<std::string>{"$D0;", "$C;"}));
}

TEST(WindowAcquisition, PollTickReadsStatusAndEveryBlock) {
    WindowFixture w;
    w.Press("McaOpen");
    w.transport->status.SetI16(status::kRunning, 1);
    w.transport->status.SetI16(status::kMemorySize, 512);
    w.transport->status.SetI16(status::kDispEnd, 511);
    w.transport->status.SetI16(status::kLogScale, 1);
    w.transport->status.SetI32(status::kRealTime, 10009);
    w.Press("McaStart");
    w.transport->writes.clear();
    auto* timer = w.Find<QTimer>("Timer1");
    QSignalSpy spy(timer, &QTimer::timeout);
    ASSERT_TRUE(spy.wait(1000));
    QApplication::processEvents();
    ASSERT_GE(w.transport->writes.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(w.transport->writes.begin(), w.transport->writes.begin() + 5),
              (std::vector<std::string>{"$R0;", "$R1;", "$R2;", "$R3;", "$R4;"}));
    EXPECT_EQ(w.TextOf("Edit9"), QStringLiteral("512"));
    EXPECT_EQ(w.Find<QLabel>("Label2")->text(), QStringLiteral("511ch"));
}

TEST(WindowAcquisition, PhaSetUpDialogSendsTheSetUp) {
    WindowFixture w;
    w.Press("McaOpen");
    w.transport->writes.clear();
    testing::AnswerNextDialog([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("VOZE1 SetUp"));
        testing::SaveShot(dialog, QStringLiteral("pha_setup"));
        auto* preset = dialog->findChild<QLineEdit*>(QStringLiteral("PresetRT"));
        ASSERT_NE(preset, nullptr);
        preset->selectAll();
        QTest::keyClicks(preset, QStringLiteral("10.0"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    w.Press("Button10");
    EXPECT_EQ(CommandsOnly(w.transport->writes), (std::vector<std::string>{"$M8;", "$P100;", "$D0;"}));
    EXPECT_EQ(w.TextOf("Edit12"), QStringLiteral("100"));
}

TEST(WindowAcquisition, TheMcsPageIsReachableAndItsSetUpSendsTheSweepAndDwell) {
    WindowFixture w;
    w.Press("McaOpen");
    auto* pages = w.Find<QTabWidget>("AXFM");
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(0).center());
    ASSERT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(w.Find<QPushButton>("SxfmStart")->isVisible());
    w.transport->writes.clear();
    testing::AnswerNextDialog([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("MCS SetUp"));
        testing::SaveShot(dialog, QStringLiteral("mcs_setup"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    w.Press("Button7");
    EXPECT_EQ(CommandsOnly(w.transport->writes),
              (std::vector<std::string>{"$M8;", "$N100000000;", "$d0;", "$N10;", "$d1;", "$N2;", "$d2;", "$D6;"}));
    w.transport->writes.clear();
    w.Press("SxfmStart");
    EXPECT_EQ(CommandsOnly(w.transport->writes), (std::vector<std::string>{"$D6;", "$G;"}));
    EXPECT_EQ(w.TextOf("Edit8"), QStringLiteral("MCS"));
}

TEST(WindowAcquisition, SetUpDialogsEndByTheirKeysAndShowNoTitleBarButtons) {
    WindowFixture w;
    w.Press("McaOpen");
    w.transport->writes.clear();
    // Esc cancels the PHA set-up: nothing goes to the instrument.
    testing::AnswerNextDialog([&](QWidget* dialog) {
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("PresetRT")), Qt::Key_Escape);
    });
    w.Press("Button10");
    EXPECT_TRUE(w.transport->writes.empty());

    // Enter in the MCS set-up presses its default button, OK.
    testing::AnswerNextDialog([&](QWidget* dialog) {
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        auto* sweeps = dialog->findChild<QLineEdit*>(QStringLiteral("Nsweep"));
        sweeps->selectAll();
        QTest::keyClicks(sweeps, QStringLiteral("500"));
        QTest::keyClick(sweeps, Qt::Key_Return);
        if (QApplication::activeModalWidget() == dialog) dialog->close();  // Enter did nothing
    });
    w.Press("Button7");
    const auto sent = CommandsOnly(w.transport->writes);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[1], "$N500;");
}

TEST(WindowLayout, MaximizeShowsTheLargePlotAndRestoreTheNormalOne) {
    WindowFixture w;
    EXPECT_EQ(w.TextOf("Edit1"), QStringLiteral("Normal"));
    w.window->setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    auto* plot = w.Find<QWidget>("PaintBox1");
    EXPECT_EQ(w.TextOf("Edit1"), QStringLiteral("Maximized"));
    EXPECT_EQ(plot->size(), QSize(1050, 620));
    EXPECT_EQ(w.Find<QLabel>("Label1")->y(), 685);
    testing::SaveShot(w.window.get(), QStringLiteral("maximized"));
    w.window->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(w.TextOf("Edit1"), QStringLiteral("Normal"));
    EXPECT_EQ(plot->size(), QSize(530, 320));
    EXPECT_EQ(w.Find<QLabel>("Label1")->y(), 385);
    // The normal window cannot be given another size.
    const QSize normal = w.window->size();
    w.window->resize(normal + QSize(200, 100));
    QApplication::processEvents();
    EXPECT_EQ(w.window->size(), normal);
    EXPECT_EQ(w.TextOf("Edit1"), QStringLiteral("Normal"));
}

TEST(WindowLayout, ComingBackFromMinimizedShowsTheLayoutOfTheStateItReturnsTo) {
    WindowFixture w;
    auto* plot = w.Find<QWidget>("PaintBox1");
    const auto goTo = [&](Qt::WindowStates state) {
        w.window->setWindowState(state);
        QApplication::processEvents();
    };
    const auto expectLayout = [&](const char* status, QSize size, const char* step) {
        EXPECT_EQ(w.TextOf("Edit1"), QString::fromLatin1(status)) << step;
        EXPECT_EQ(plot->size(), size) << step;
    };
    goTo(Qt::WindowMinimized);
    goTo(Qt::WindowNoState);
    expectLayout("Normal", QSize(530, 320), "normal, minimized, normal");
    goTo(Qt::WindowMaximized);
    goTo(Qt::WindowMinimized);
    goTo(Qt::WindowMaximized);
    expectLayout("Maximized", QSize(1050, 620), "maximized, minimized, maximized");
    EXPECT_EQ(w.Find<QWidget>("Edit1")->x(), 1058);
    goTo(Qt::WindowMinimized);
    goTo(Qt::WindowNoState);
    expectLayout("Normal", QSize(530, 320), "maximized, minimized, normal");
    EXPECT_EQ(w.Find<QWidget>("Edit1")->x(), 536);
}

}  // namespace
}  // namespace ztmca
