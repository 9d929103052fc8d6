// What the operator sees and does with the mouse and the menus, checked on the real widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <cmath>
#include <QLabel>
#include <QTimer>

#include "display/bitmap.h"
#include "screenshot.h"
#include "window_fixture.h"

namespace ztmca {
namespace {

using testing::WindowFixture;

QRgb Rgb(Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

TEST(WindowPicture, StartsWithTheGreenRampOnTheLogScaleAndTheRedCursorAt512) {
    WindowFixture w;
    QWidget* plot = w.Find<QWidget>("PaintBox1");
    const QImage picture = testing::Shot(plot);
    testing::SaveShot(plot, QStringLiteral("startup_plot"));
    ASSERT_EQ(picture.size(), QSize(530, 320));
    // Plot at x = 18: column x shows channels 2x and 2x + 1; channel c is log10(c + 0.5) * 50 high.
    for (int column : {50, 150, 300, 500}) {
        const int channel = 2 * column + 1;
        const int y = 300 - static_cast<int>(std::log10(channel + 0.5) * 50);
        EXPECT_EQ(picture.pixel(18 + column, y), Rgb(colours::kGreen)) << column;
        EXPECT_EQ(picture.pixel(18 + column, y - 3), Rgb(colours::kBlack)) << column;
    }
    // The cursor marker: 25 pixels above the trace in column 256.
    const int top = 300 - static_cast<int>(std::log10(512 + 0.5) * 50);
    EXPECT_EQ(picture.pixel(18 + 256, top - 10), Rgb(colours::kRed));
    // The scale strip has its black decade lines; the channel strip its ticks every 100 channels.
    EXPECT_EQ(picture.pixel(10, 299), Rgb(colours::kBlack));
    EXPECT_EQ(picture.pixel(18 + 50, 300 + 10), Rgb(colours::kBlack));
    EXPECT_EQ(w.Find<QLabel>("Label7")->text(), QStringLiteral("512"));
}

TEST(WindowPicture, AClickOnThePlotMovesTheCursor) {
    WindowFixture w;
    QTest::mouseClick(w.Find<QWidget>("PaintBox1"), Qt::LeftButton, {}, QPoint(18 + 100, 150));
    EXPECT_EQ(w.Find<QLabel>("Label3")->text(), QStringLiteral("200"));
    EXPECT_EQ(w.Find<QLabel>("Label7")->text(), QStringLiteral("200"));
}

TEST(WindowMenus, AboutShowsTheProgramAndClosesWithOk) {
    WindowFixture w;
    bool seen = false;
    testing::AnswerNextDialog([&](QWidget* about) {
        seen = true;
        EXPECT_NE(about->findChild<QLabel*>(QStringLiteral("ProductName")), nullptr);
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
    w.Find<QAction>("About1")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(WindowMenus, ExitClosesTheWindowWithoutAWordToTheInstrument) {
    WindowFixture w;
    w.Press("McaOpen");
    w.Press("McaStart");
    w.transport->writes.clear();
    w.Find<QAction>("Exit1")->trigger();
    QTest::qWait(250);  // no poll tick either while the program winds down
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_TRUE(w.transport->writes.empty());
}

}  // namespace
}  // namespace ztmca
