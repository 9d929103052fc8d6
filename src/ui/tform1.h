#pragma once
// TForm1: the main window. Builds the widgets of the core main form, forwards events, and maps
// the window system's maximize and restore onto the form's two layouts.
#include <QMainWindow>
#include <memory>

#include "app/main_form.h"
#include "ui/form_view.h"
#include "ui/qt_form_host.h"

namespace ztmca {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(std::unique_ptr<UsbTransport> transport, QWidget* parent = nullptr);
    ~TForm1() override;

    MainForm& Model() { return *form_; }
    FormView& View() { return *view_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSize DesignSize() const;
    void UpdateAnchors();

    std::unique_ptr<UsbTransport> transport_;
    QtFormHost host_;
    std::unique_ptr<MainForm> form_;
    QWidget* client_;
    FormView* view_;
};

}  // namespace ztmca
