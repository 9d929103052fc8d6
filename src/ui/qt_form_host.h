#pragma once
// The desktop services that forms ask for, implemented with Qt.
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "app/form_host.h"

namespace ztmca {

class QtFormHost : public FormHost {
public:
    QtFormHost();
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    void DrawText(Bitmap& target, int x, int y, std::string_view text, Colour colour) override;
    int TextWidth(std::string_view text) override;
    bool RunModal(Form& dialog) override;
    bool AskOpenFile(const FileDialogOptions& options, std::string& path) override;
    bool AskSaveFile(const FileDialogOptions& options, std::string& path) override;
    void ShowError(std::string_view message) override;
    LocalDateTime Now() override;
    std::string FormatDateTime(const LocalDateTime& when) override;
    void CloseMainWindow() override;

    // The font of all texts drawn into the plot bitmaps.
    static QFont PlotFont();

private:
    QImage& Wrap(Bitmap& target);

    QPointer<QWidget> mainWindow_;
    QFont font_;
    QFontMetrics metrics_;
    QImage wrapped_;
    const Colour* wrappedData_ = nullptr;
};

// "name(*.dat)|*.dat|other(*.*)|*.*" as a Qt name filter list.
QString QtNameFilters(const std::string& filter);

}  // namespace ztmca
