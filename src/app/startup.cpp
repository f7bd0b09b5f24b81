#include "app/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyleFactory>

namespace vantrel {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
    // One look on every desktop, so the designed geometry fits the same everywhere.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
}

} // namespace vantrel
