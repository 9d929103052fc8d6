// Saving and loading a spectrum through the File menu and the real file dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <filesystem>

#include "ui/tform1.h"
#include "window_fixture.h"

namespace ztmca {
namespace {

using testing::AnswerNextDialog;
using testing::WindowFixture;

// Chooses a path in the file dialog that the next menu item opens, checking its filters.
void ChooseFile(const QString& path, const QString& firstFilter) {
    AnswerNextDialog([=](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->nameFilters().value(0), firstFilter);
        files->selectFile(path);
        QMetaObject::invokeMethod(files, "accept");
    });
}

TEST(WindowFiles, ASavedSpectrumComesBackIntoTheCheckedWorkMemory) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ramp spectrum.dat"));
    {
        WindowFixture w;
        ChooseFile(path, QStringLiteral("spectrum(*.dat)"));
        w.Find<QAction>("Write1")->trigger();
        EXPECT_EQ(std::filesystem::file_size(path.toStdString()), 5120u);
    }
    WindowFixture w;
    MainForm& form = static_cast<TForm1*>(w.window.get())->Model();
    form.State.Memory.MainCounts.fill(0);
    QTest::mouseClick(w.Find<QRadioButton>("Mem2Spec"), Qt::LeftButton);
    ChooseFile(path, QStringLiteral("spectrum(*.dat)"));
    w.Find<QAction>("Read1")->trigger();
    EXPECT_EQ(form.State.Memory.MainCounts[700], 700);
    EXPECT_EQ(form.State.Memory.WorkCounts[1][700], 700);
    EXPECT_EQ(form.State.Memory.WorkCounts[0][5000], 0);
    EXPECT_EQ(form.State.Memory.WorkNames[1], "ramp spectrum.dat");
    EXPECT_EQ(w.TextOf("Edit9"), QStringLiteral("1024"));
    EXPECT_EQ(w.Find<QLabel>("Label2")->text(), QStringLiteral("1023ch"));
}

TEST(WindowFiles, TheDumpHasItsHeaderLinesAndOneLinePerChannel) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dump.txt"));
    WindowFixture w;
    ChooseFile(path, QStringLiteral("spectrum(*.txt)"));
    w.Find<QAction>("Write2")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines.value(0), QByteArray("*** Velmora Co., MCA Binary Data to ASCII Data Dump ***\r"));
    EXPECT_EQ(lines.value(15), QByteArray("   5,       5\r"));
    EXPECT_EQ(lines.size(), 10 + 1024 + 1);  // the last line end leaves an empty piece
}

}  // namespace
}  // namespace ztmca
