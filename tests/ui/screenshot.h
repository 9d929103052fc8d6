#pragma once
// Saves a widget's picture as PNG when ZTMCA_SCREENSHOT_DIR is set, for looking at the window.
#include <QDir>
#include <QImage>
#include <QWidget>

namespace ztmca::testing {

inline QImage Shot(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline void SaveShot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("ZTMCA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    Shot(widget).save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace ztmca::testing
