// A short real-time measurement on the simulated gamma source, as an operator makes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "link/simulated/simulated_transport.h"
#include "screenshot.h"
#include "window_fixture.h"
#include "ui/app.h"
#include "ui/tform1.h"

namespace ztmca {
namespace {

TEST(WindowSimulated, AcquiresToThePresetThenIntegratesThePhotopeak) {
    auto window = makeMainWindow(MakeSimulatedTransport("gamma"));
    window->show();
    auto find = [&](const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); };
    auto edit = [&](const char* name) { return static_cast<QLineEdit*>(find(name)); };
    auto press = [&](const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); };

    press("McaOpen");
    EXPECT_EQ(edit("Edit3")->text(), QStringLiteral("ZT-740"));
    testing::AnswerNextDialog([&](QWidget* dialog) {
        auto* preset = dialog->findChild<QLineEdit*>(QStringLiteral("PresetRT"));
        preset->selectAll();
        QTest::keyClicks(preset, QStringLiteral("1.5"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    press("Button10");
    press("McaStart");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);

    MainForm& form = static_cast<TForm1*>(window.get())->Model();
    EXPECT_EQ(form.State.Acq.RealTime, 15);
    EXPECT_EQ(form.State.Acq.Acquiring, 0);
    EXPECT_GT(form.State.Memory.TotalCounts, 1000.0f);

    // ROI # 0 around the photopeak, from the ROI page.
    auto* pages = static_cast<QTabWidget*>(find("AXFM"));
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(2).center());
    for (auto [name, text] : {std::pair{"EditROILow", "640"}, std::pair{"EditROIHigh", "685"}}) {
        edit(name)->selectAll();
        QTest::keyClicks(edit(name), QString::fromLatin1(text));
    }
    edit("Element")->selectAll();
    QTest::keyClicks(edit("Element"), QStringLiteral("Cs-137"));
    QTest::mouseClick(find("ROIOnCheck"), Qt::LeftButton);
    EXPECT_EQ(form.Rois.Entries[0].On, 1);
    EXPECT_GT(form.Rois.Entries[0].GrossSum, 0);
    testing::SaveShot(window.get(), QStringLiteral("simulated_gamma"));
}

TEST(WindowSimulated, BrassAtAPresetCountEndsByItselfWithTheMeasuredTime) {
    auto window = makeMainWindow(MakeSimulatedTransport("brass"));
    window->show();
    auto find = [&](const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); };
    auto press = [&](const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); };

    press("McaOpen");
    testing::AnswerNextDialog([&](QWidget* dialog) {
        auto* counts = dialog->findChild<QLineEdit*>(QStringLiteral("PresetSC"));
        counts->selectAll();
        QTest::keyClicks(counts, QStringLiteral("15000"));
        QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("AcqStop_1")), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    press("Button10");
    EXPECT_EQ(static_cast<QLineEdit*>(find("Edit12"))->text(), QStringLiteral("15000"));
    press("McaStart");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_TRUE(timer->isActive());
    const MainForm& form = static_cast<TForm1*>(window.get())->Model();
    const AcquisitionState& acq = form.State.Acq;

    // While it runs, every poll brings the times and the counts forward.
    QTRY_VERIFY_WITH_TIMEOUT(acq.RealTime >= 3, 5000);
    const std::int32_t realTime = acq.RealTime;
    const float counts = form.State.Memory.TotalCounts;
    EXPECT_EQ(acq.Acquiring, 1);
    EXPECT_GT(form.State.Memory.CountRate, 8000.0f);
    testing::SaveShot(window.get(), QStringLiteral("simulated_brass_running"));
    QTRY_VERIFY_WITH_TIMEOUT(acq.RealTime > realTime && form.State.Memory.TotalCounts > counts, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);

    // 15000 pulses at 10000 per second: the run ends after about 1.5 s, not at the 1000 s
    // preset time, and the read-outs hold what was measured.
    EXPECT_EQ(acq.Acquiring, 0);
    EXPECT_GE(acq.RealTime, 12);
    EXPECT_LE(acq.RealTime, 19);
    EXPECT_GT(acq.LiveTime, 0);
    EXPECT_LE(acq.LiveTime, acq.RealTime);
    EXPECT_GT(form.State.Memory.TotalCounts, 14000.0f);
    EXPECT_LE(form.State.Memory.TotalCounts, 15000.0f);
    EXPECT_GE(acq.DeadTimeShown, 8);  // about 1 % at 10000 pulses per second and 1.2 us each
    EXPECT_LE(acq.DeadTimeShown, 14);
    testing::SaveShot(window.get(), QStringLiteral("simulated_brass_count"));
}

TEST(WindowSimulated, McsRunOnItsPageEndsByItselfAfterItsSweeps) {
    auto window = makeMainWindow(MakeSimulatedTransport("fe"));
    window->show();
    auto find = [&](const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); };
    auto press = [&](const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); };

    press("McaOpen");
    auto* pages = static_cast<QTabWidget*>(find("AXFM"));
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(0).center());
    // Three sweeps of 512 channels at 1 ms each, counted under software control.
    testing::AnswerNextDialog([&](QWidget* dialog) {
        for (const char* button : {"MemSize512", "McsMode1", "DwUnit1ms"})
            QTest::mouseClick(dialog->findChild<QWidget*>(QString::fromLatin1(button)), Qt::LeftButton);
        for (auto [name, text] : {std::pair{"DwTset", "1"}, std::pair{"Nsweep", "3"}}) {
            auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(text));
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    press("Button7");
    press("SxfmStart");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_TRUE(timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);

    const MainForm& form = static_cast<TForm1*>(window.get())->Model();
    EXPECT_EQ(form.State.Acq.Acquiring, 0);
    EXPECT_EQ(form.State.Acq.AcquisitionMode, 2);
    EXPECT_EQ(static_cast<QLineEdit*>(find("Edit4"))->text(), QStringLiteral("3"));
    EXPECT_EQ(static_cast<QLineEdit*>(find("Edit9"))->text(), QStringLiteral("512"));
    EXPECT_GE(form.State.Acq.RealTime, 15);  // 1.536 s of dwelling
    EXPECT_LE(form.State.Acq.RealTime, 16);
    EXPECT_GT(form.State.Memory.TotalCounts, 0.0f);
    testing::SaveShot(window.get(), QStringLiteral("simulated_mcs"));
}

}  // namespace
}  // namespace ztmca
