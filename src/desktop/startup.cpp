// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/startup.h"

#include "buildfacts.h"

#include "window/words.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

namespace vantrel {

void setUpApplication(const Language& language)
{
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));
    QApplication::setApplicationDisplayName(QString::fromUtf8(kProgramName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // The captions are designed in Liberation Sans Bold's metrics; the program
    // carries the font, so they fit on machines that have no such font.
    // The scripts it lacks come from fonts cut for the catalogs' words.
    for (const char* file : kFontFiles)
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QString::fromLatin1(file));
    if (language.def().rightToLeft)
        QApplication::setLayoutDirection(Qt::RightToLeft);
    // One look on every desktop, so the designed geometry fits the same everywhere.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
}

CommandLine readCommandLine(const QStringList& arguments, const Language& language)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption highContrast(QStringLiteral("high-contrast"),
                                          QString::fromStdString(language.tr(highContrastOption())));
    parser.addOption(highContrast);
    parser.process(arguments);
    return {parser.isSet(highContrast)};
}

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window)
        , then_(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: the paint and the flush to the screen finish first.
            QTimer::singleShot(0, watched, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
    bool seen_ = false;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) { new FirstPaint(window, std::move(then)); }

void quitAfterFirstFrameIfAsked(QWidget& window)
{
    if (qgetenv("VANTREL_QUIT_AFTER_FIRST_FRAME") == "1")
        afterFirstPaint(window, [] { QCoreApplication::exit(0); });
}

} // namespace vantrel
