// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: from main() to the first painted and flushed window, as the
// program starts, and the resident memory at that point. Each run is a fresh
// process, so nothing is warm but the system's file cache.
//
// Usage: bench_startup [runs]   (default 15)
#include "benchsupport.h"

#include "desktop/startup.h"

#include <QPaintEvent>
#include <QProcess>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

constexpr char kChildArgument[] = "--one-start";

// The program's own window, with a note of when its first paint ended.
class TimedForm : public vantrel::MainWindow {
public:
    using MainWindow::MainWindow;
    bench::Clock::time_point firstPaint{};

protected:
    void paintEvent(QPaintEvent* event) override
    {
        MainWindow::paintEvent(event);
        if (firstPaint == bench::Clock::time_point{}) {
            firstPaint = bench::Clock::now();
            // The backing store is flushed once this paint pass returns.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
};

double nanos(bench::Clock::time_point t)
{
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count());
}

// What main() does, timed; prints the clock at main, at the first paint and
// after the flush, and the resident memory then.
int oneStart(int argc, char* argv[], bench::Clock::time_point atMain)
{
    QApplication app(argc, argv);
    vantrel::setUpApplication();
    vantrel::Session session;
    TimedForm form(session);
    vantrel::setUpView(form);
    form.show();
    QApplication::exec();
    const auto flushed = bench::Clock::now();
    std::printf("%.0f %.0f %.0f %ld\n", nanos(atMain), nanos(form.firstPaint), nanos(flushed), bench::residentKiB());
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto atMain = bench::Clock::now();
    bench::preferOffscreen();
    if (argc > 1 && std::strcmp(argv[1], kChildArgument) == 0)
        return oneStart(argc, argv, atMain);

    QCoreApplication launcher(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> toMain, toPaint, toFlush, rss;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const auto spawned = bench::Clock::now();
        child.start(QString::fromLocal8Bit(argv[0]), {QString::fromLatin1(kChildArgument)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i);
            return EXIT_FAILURE;
        }
        double main = 0, paint = 0, flush = 0;
        long kib = 0;
        if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %lf %ld", &main, &paint, &flush, &kib) != 4)
            return EXIT_FAILURE;
        toMain.push_back((main - nanos(spawned)) / 1e6);
        toPaint.push_back((paint - main) / 1e6);
        toFlush.push_back((flush - main) / 1e6);
        rss.push_back(static_cast<double>(kib) / 1024.0);
    }
    std::printf("Start-up over %d fresh processes (%s platform)\n", runs, qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM")));
    bench::printSummary("spawn to main", toMain.size(), bench::summarise(toMain), "ms");
    bench::printSummary("main to first paint", toPaint.size(), bench::summarise(toPaint), "ms");
    bench::printSummary("main to painted + flushed", toFlush.size(), bench::summarise(toFlush), "ms");
    bench::printSummary("resident after start-up", rss.size(), bench::summarise(rss), "MiB");
    return EXIT_SUCCESS;
}
