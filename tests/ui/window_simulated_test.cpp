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
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
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

}  // namespace
}  // namespace ztmca
