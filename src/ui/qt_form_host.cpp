#include "ui/qt_form_host.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>

#include "ui/form_dialog.h"

namespace ztmca {

QtFormHost::QtFormHost() : font_(PlotFont()), metrics_(font_) {}

QFont QtFormHost::PlotFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage& QtFormHost::Wrap(Bitmap& target) {
    // Core pixels 0x00BBGGRR are RGBX bytes: the image shares them, nothing is converted.
    if (wrappedData_ != target.Data() || wrapped_.width() != target.Width() || wrapped_.height() != target.Height()) {
        wrapped_ = QImage(reinterpret_cast<uchar*>(target.Data()), target.Width(), target.Height(),
                          target.Width() * 4, QImage::Format_RGBX8888);
        wrappedData_ = target.Data();
    }
    return wrapped_;
}

void QtFormHost::DrawText(Bitmap& target, int x, int y, std::string_view text, Colour colour) {
    if (target.Width() == 0 || target.Height() == 0 || text.empty()) return;
    QImage& image = Wrap(target);
    QPainter painter(&image);
    painter.setFont(font_);
    painter.setPen(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    painter.drawText(x, y + metrics_.ascent(), QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    painter.end();
    // Drawing sets the fourth byte; the core keeps it zero.
    Colour* p = target.Data();
    const std::size_t n = static_cast<std::size_t>(target.Width()) * static_cast<std::size_t>(target.Height());
    const int top = std::max(0, y), bottom = std::min(target.Height(), y + metrics_.height() + 1);
    const int left = std::max(0, x - 2), right = std::min(target.Width(), x + TextWidth(text) + 4);
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col) {
            const std::size_t i = static_cast<std::size_t>(row) * target.Width() + col;
            if (i < n) p[i] &= 0x00FFFFFF;
        }
}

int QtFormHost::TextWidth(std::string_view text) {
    return metrics_.horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

bool QtFormHost::RunModal(Form& dialog) {
    FormDialog* window = MakeFormDialog(dialog, *this, mainWindow_);
    window->exec();
    delete window;
    if (dialog.Result == ModalResult::None) dialog.Result = ModalResult::Cancel;
    dialog.Close();
    return dialog.Result == ModalResult::Ok;
}

QString QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString pattern = parts[i + 1];
        // Qt reads the patterns from the parentheses; make sure they are the filter's own.
        const qsizetype open = name.indexOf(QLatin1Char('('));
        if (open >= 0) name = name.left(open);
        filters << QStringLiteral("%1(%2)").arg(name, QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

bool AskFile(QWidget* parent, const FileDialogOptions& options, std::string& path, bool save) {
    QFileDialog dialog(parent, QString::fromStdString(options.Title), QString::fromStdString(options.InitialDir),
                       QtNameFilters(options.Filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(options.DefaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = dialog.selectedFiles().first().toStdString();
    return true;
}

}  // namespace

bool QtFormHost::AskOpenFile(const FileDialogOptions& options, std::string& path) {
    return AskFile(mainWindow_, options, path, false);
}

bool QtFormHost::AskSaveFile(const FileDialogOptions& options, std::string& path) {
    return AskFile(mainWindow_, options, path, true);
}

void QtFormHost::ShowError(std::string_view message) {
    QMessageBox::critical(mainWindow_, QStringLiteral("ZT-740"),
                          QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

LocalDateTime QtFormHost::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::string QtFormHost::FormatDateTime(const LocalDateTime& when) {
    const QDateTime dt(QDate(when.Year, when.Month, when.Day), QTime(when.Hour, when.Minute, when.Second));
    return QLocale::system().toString(dt, QLocale::ShortFormat).toStdString();
}

void QtFormHost::CloseMainWindow() {
    if (mainWindow_) mainWindow_->close();
}

}  // namespace ztmca
