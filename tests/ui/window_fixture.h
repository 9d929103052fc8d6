#pragma once
// The whole main window on a recording instrument, found by the widgets' design names.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "support/recording_transport.h"
#include "ui/app.h"

namespace ztmca::testing {

// A dialog runs modally: the answer is played from inside its own event loop, once it is shown.
inline void AnswerNextDialog(std::function<void(QWidget* dialog)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
}

class CountingTransport : public RecordingTransport {
public:
    int lists = 0;
    bool ListDevices(std::vector<std::string>& out) override {
        ++lists;
        return RecordingTransport::ListDevices(out);
    }
};

struct WindowFixture {
    CountingTransport* transport;
    std::unique_ptr<QMainWindow> window;

    WindowFixture() {
        auto t = std::make_unique<CountingTransport>();
        transport = t.get();
        window = makeMainWindow(std::move(t));
        window->show();
        QApplication::processEvents();
    }
    template <class W>
    W* Find(const char* name) const {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    void Press(const char* button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Type(const char* edit, const QString& text) const {
        QLineEdit* e = Find<QLineEdit>(edit);
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    QString TextOf(const char* edit) const { return Find<QLineEdit>(edit)->text(); }
};

}  // namespace ztmca::testing
