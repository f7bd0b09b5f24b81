// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of one running tick against one full repaint of the window.
//
// A tick is what the event loop does for one timer event while running: the
// tick handler with its frame update, then the repaint of the regions that
// the frame update invalidated, painted into the window's real backing store
// and flushed. The full repaint is the same path with the whole window
// invalidated. grab() would render into a fresh pixmap instead and skip the
// backing store and the dirty-region bookkeeping, which is not what the
// screen pays, so it is not used.
//
// Usage: bench_tick [device-pixel-ratio [view [lab]]]
//   device-pixel-ratio  default 1; 2 renders at 2x
//   view                the zoom, such as 1.5, or "full" for full screen (default 1)
//   lab                 "path": the lab open beside the scene with the field's
//                       path shown, the designed experiment's circle, at Fast;
//                       its read-out changes every tick too. "closed-path": the
//                       same path with the lab closed again, so that the full
//                       repaint is the designed window's alone
#include "benchsupport.h"

#include "desktop/startup.h"
#include "window/lab.h"

#include <QTimer>

#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    const char* ratio = argc > 1 ? argv[1] : "1";
    // The ratio must be known before the application exists.
    qputenv("QT_SCALE_FACTOR", ratio);
    bench::preferOffscreen();

    QApplication app(argc, argv);
    vantrel::setUpApplication();
    bench::Program program;
    const std::string lab = argc > 3 ? argv[3] : "";
    const bool path = lab == "path" || lab == "closed-path";
    if (path) {
        program.form.run(vantrel::Command::Lab);
        program.form.lab(vantrel::LabId::path);
        program.form.run(vantrel::Command::Fast);
        if (lab == "closed-path")
            program.form.run(vantrel::Command::Lab);
        bench::Program::flush();
    }
    const QString view = bench::applyView(program, argc > 2 ? argv[2] : "1");
    // The benchmark drives the ticks itself; a real timer event in the middle
    // of a measurement would be counted twice.
    program.form.ticker()->stop();
    program.form.run(vantrel::Command::PlayPause);

    constexpr int kCycle = 629;
    constexpr int kCycles = 8; // 5032 ticks, every angle of the cycle eight times
    constexpr int kTicks = kCycle * kCycles;

    // One cycle first, so that the picture caches and fonts are warm.
    for (int i = 0; i < kCycle; ++i) {
        program.form.tick();
        bench::Program::flush();
    }

    std::vector<double> tick;
    tick.reserve(kTicks);
    for (int i = 0; i < kTicks; ++i) {
        const auto start = bench::Clock::now();
        program.form.tick();
        bench::Program::flush();
        tick.push_back(bench::microsSince(start));
    }

    // Full repaints at angles spread over the cycle as well: an untimed tick
    // moves the scene on before each one.
    std::vector<double> full;
    full.reserve(kTicks);
    for (int i = 0; i < kTicks; ++i) {
        program.form.tick();
        bench::Program::flush();
        const auto start = bench::Clock::now();
        program.form.update();
        bench::Program::flush();
        full.push_back(bench::microsSince(start));
    }

    const bench::Summary t = bench::summarise(tick);
    const bench::Summary f = bench::summarise(full);
    std::printf("Tick cost at device-pixel ratio %s, %s%s (%s platform, window %dx%d logical px)\n", ratio,
                qPrintable(view),
                !path                ? ""
                : lab == "path"      ? ", lab open with the field's path"
                                     : ", the field's path with the lab closed",
                qPrintable(QGuiApplication::platformName()), program.form.width(), program.form.height());
    bench::printSummary("tick (handler + region)", tick.size(), t, "us");
    bench::printSummary("full repaint", full.size(), f, "us");
    // The path lies under whatever a tick repaints, so the lab's guard is a
    // looser one.
    const double share = t.median / f.median;
    const double target = path ? 0.6 : 0.1;
    std::printf("ratio of medians tick/full: %.3f (target at most %.3f): %s\n", share, target,
                share <= target ? "met" : "NOT met");
    return EXIT_SUCCESS;
}
