// The view controls and the wheel through the widgets, with the commands the instrument gets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QWheelEvent>

#include "window_fixture.h"

namespace ztmca {
namespace {

using testing::CommandsOnly;
using testing::WindowFixture;

void Wheel(QWidget* target, int delta) {
    const QPointF at(100, 100);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    QApplication::processEvents();
}

struct OpenWindow : WindowFixture {
    OpenWindow() {
        transport->status.SetI16(status::kDispStart, 0);
        transport->status.SetI16(status::kDispEnd, 1023);
        Press("McaOpen");
        transport->writes.clear();
    }
    std::vector<std::string> Sent() {
        std::vector<std::string> sent = CommandsOnly(transport->writes);
        transport->writes.clear();
        return sent;
    }
    QString Label(const char* name) const { return Find<QLabel>(name)->text(); }
};

using Commands = std::vector<std::string>;

TEST(WindowView, WheelOverThePlotMovesTheCursorAndTellsTheInstrument) {
    OpenWindow w;
    QWidget* plot = w.Find<QWidget>("PaintBox1");
    Wheel(plot, -120);  // towards the operator: one channel up
    EXPECT_EQ(w.Label("Label3"), QStringLiteral("513"));
    EXPECT_EQ(w.Label("Label7"), QStringLiteral("513"));
    EXPECT_EQ(w.Sent(), (Commands{"$@C0513;"}));
    Wheel(plot, 120);
    Wheel(plot, 120);
    EXPECT_EQ(w.Label("Label3"), QStringLiteral("511"));
    EXPECT_EQ(w.Sent(), (Commands{"$@C0512;", "$@C0511;"}));
}

TEST(WindowView, ScaleButtonsSendTheirCommands) {
    OpenWindow w;
    w.Press("AutoVfs");  // the ramp's largest count between the edges is 1021: 2500, index 5
    EXPECT_EQ(w.Sent(), (Commands{"$V5;"}));
    EXPECT_EQ(w.TextOf("Edit1"), QStringLiteral("$V5;"));
    w.Press("VfcUp");
    w.Press("VfcDn");
    w.Press("LogDisp");
    EXPECT_EQ(w.Sent(), (Commands{"$V;", "$v;", "$O;"}));
}

TEST(WindowView, ExpandTakesTheRangeTheInstrumentReports) {
    OpenWindow w;
    w.transport->status.SetI16(status::kDispStart, 300);
    w.transport->status.SetI16(status::kDispEnd, 811);
    w.Press("Expand");
    EXPECT_EQ(w.transport->writes.front(), "$E;");
    EXPECT_EQ(w.transport->writes.back(), "$R0;");
    EXPECT_EQ(w.Label("Label1"), QStringLiteral("300ch"));
    EXPECT_EQ(w.Label("Label2"), QStringLiteral("811ch"));
}

TEST(WindowView, DispMemButtonsShowTheirMemoryAndStayExclusive) {
    WindowFixture w;
    const auto radio = [&](const char* name) { return w.Find<QRadioButton>(name); };
    for (int click = 0; click < 2; ++click) QTest::mouseClick(radio("Mem2Spec"), Qt::LeftButton);
    EXPECT_TRUE(radio("Mem2Spec")->isChecked());
    EXPECT_FALSE(radio("MCA1Spec")->isChecked());
    QTest::mouseClick(radio("MCA1Spec"), Qt::LeftButton);
    EXPECT_TRUE(radio("MCA1Spec")->isChecked());
    EXPECT_FALSE(radio("Mem2Spec")->isChecked());
    EXPECT_TRUE(w.transport->writes.empty());
}

}  // namespace
}  // namespace ztmca
