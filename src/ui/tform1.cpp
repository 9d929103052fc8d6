#include "ui/tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindowStateChangeEvent>

namespace ztmca {
namespace {

WindowState StateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return WindowState::Minimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

}  // namespace

TForm1::TForm1(std::unique_ptr<UsbTransport> transport, QWidget* parent)
    : QMainWindow(parent), transport_(std::move(transport)) {
    setObjectName(QStringLiteral("Form1"));
    host_.SetMainWindow(this);
    form_ = std::make_unique<MainForm>(host_, *transport_);
    form_->CreateStartupForms();

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Form1Client"));
    QFont font = client_->font();
    font.setPixelSize(11);
    client_->setFont(font);
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    setCentralWidget(client_);
    view_ = new FormView(*form_, host_, client_, menuBar());
    client_->setMinimumSize(form_->ClientWidth, form_->ClientHeight);
    setWindowTitle(QString::fromStdString(form_->Caption));
    setMaximumSize(form_->MaxWidth, form_->MaxHeight);
    resize(DesignSize());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), DesignSize());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QApplication::instance()->installEventFilter(this);
    // The window's first resize event, which the form counts as its start.
    view_->Dispatch([this] { form_->Resize(WindowState::Normal); });
}

TForm1::~TForm1() = default;

QSize TForm1::DesignSize() const {
    return QSize(form_->ClientWidth, form_->ClientHeight + menuBar()->sizeHint().height());
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing ends the program with no further word to the instrument: no poll tick either.
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) view_->StopTimers();
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const WindowState previous = StateOf(change->oldState());
    const WindowState now = StateOf(windowState());
    // A minimized window keeps its layout; nothing of it is seen until it comes back.
    if (previous == now || now == WindowState::Minimized) return;
    // The form picks its layout by the state the window leaves. Coming back from minimized, the
    // window may return maximized or normal whatever the layout in force: name the state whose
    // leaving selects the layout of the state the window returns to.
    WindowState leaving = previous;
    const bool large = now == WindowState::Maximized;
    if (previous == WindowState::Minimized && form_->LargeLayout != large)
        leaving = large ? WindowState::Normal : WindowState::Maximized;
    view_->Dispatch([&] { form_->Resize(leaving); });
    UpdateAnchors();
}

void TForm1::UpdateAnchors() {
    // Right-anchored controls follow the right edge; beside the large plot they never stand
    // over it, also on a screen too small for the whole maximized window.
    const int besideLargePlot = 1050 + 8 - 536;
    int shift = std::max(0, client_->width() - form_->ClientWidth);
    if (form_->LargeLayout) shift = std::max(shift, besideLargePlot);
    view_->SetAnchorShift(shift);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A fixed border: the normal window keeps its design size; only maximizing makes it larger.
    // A window manager may send the maximized size before the new state, so the state is looked
    // at once the events of this change have arrived.
    QTimer::singleShot(0, this, [this] {
        if (StateOf(windowState()) == WindowState::Normal && size() != DesignSize()) resize(DesignSize());
    });
    UpdateAnchors();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // The form's wheel events take the wheel over any of its controls, the plot included; the
    // toolkit would hand a wheel sent to a control to that control alone.
    if (event->type() != QEvent::Wheel || !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta != 0) view_->Dispatch([&] { form_->MouseWheel(delta < 0); });
    return true;
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    MouseButton button = MouseButton::Left;
    if (event->button() == Qt::RightButton) button = MouseButton::Right;
    if (event->button() == Qt::MiddleButton) button = MouseButton::Middle;
    const QPoint p = client_->mapFrom(this, event->position().toPoint());
    view_->Dispatch([&] { form_->MouseDown(form_->Name(), button, p.x(), p.y()); });
}

}  // namespace ztmca
