#pragma once
// Shows a core form with Qt widgets: one widget per control, objectName = the control's name.
// Widget events go to the form's handlers; afterwards one generic loop shows the form's state.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "app/form.h"

class QMenuBar;
class QTimer;

namespace ztmca {

class FormView : public QObject {
    Q_OBJECT
public:
    // Builds the widgets of every control into container (and the menus into menuBar, if any).
    FormView(Form& form, FormHost& host, QWidget* container, QMenuBar* menuBar);

    Form& Model() { return form_; }
    QObject* Widget(const std::string& name) const;

    // Runs an event on the form: errors that escape a handler go to the general error report;
    // then the widgets show the form's state again.
    void Dispatch(const std::function<void()>& event);
    void Sync();

    // How far the container is wider than the design: right-anchored controls move by this.
    void SetAnchorShift(int shift);
    // The window has closed: its timers stop for good, whatever the form's state says.
    void StopTimers();

signals:
    // A handler set the form's modal result.
    void ResultSet();

private:
    void Build(const Control& c, QWidget* parentWidget);
    QWidget* ParentWidgetFor(const Control& c) const;
    void SyncControl(const Control& c);

    Form& form_;
    FormHost& host_;
    QWidget* container_;
    QMenuBar* menuBar_;
    std::map<std::string, QPointer<QObject>> widgets_;
    std::map<std::string, QTimer*> timers_;
    bool syncing_ = false;
    int depth_ = 0;
    int anchorShift_ = 0;
    bool timersStopped_ = false;
};

// The paint box: shows the form's picture for it; repaints and mouse presses go to the form.
class PaintBoxWidget : public QWidget {
    Q_OBJECT
public:
    PaintBoxWidget(FormView& view, std::string name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    FormView& view_;
    std::string name_;
    bool painting_ = false;
};

}  // namespace ztmca
