// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole cycle at Fast, driven by the window's own timer and event loop
// exactly as the program runs: how long it takes against its nominal time,
// the largest gap between two ticks, and the CPU the process spent on it.
//
// Usage: bench_timing [cycles [view [whole|paused|floor]]]
//   cycles  whole cycles to run (default 1)
//   view    the zoom, such as 1.5, or "full" for full screen (default 1)
//   whole   repaint the whole window on every tick, as an animation that
//           redraws its scene each frame would: the figure to compare with
//   paused  leave the animation paused: what the timer alone costs
//   floor   paused, but repaint a 2 x 2 pixel corner of the window on every
//           tick: what the toolkit and the window system charge for any
//           repaint at all, however little it draws
#include "benchsupport.h"

#include "desktop/startup.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char* argv[])
{
    bench::preferOffscreen();
    QApplication app(argc, argv);
    vantrel::setUpApplication();
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const bool whole = argc > 3 && std::strcmp(argv[3], "whole") == 0;
    const bool floor = argc > 3 && std::strcmp(argv[3], "floor") == 0;
    const bool paused = floor || (argc > 3 && std::strcmp(argv[3], "paused") == 0);

    bench::Program program;
    const QString view = bench::applyView(program, argc > 2 ? argv[2] : "1");
    if (whole)
        QObject::connect(program.form.ticker(), &QTimer::timeout, &program.form, [&] { program.form.update(); });
    if (floor)
        QObject::connect(program.form.ticker(), &QTimer::timeout, &program.form, [&] { program.form.update(0, 0, 2, 2); });
    program.form.fastOption()->click();
    if (!paused)
        program.form.playButton()->click();

    constexpr int kCycle = 629;
    const int ticks = kCycle * cycles;
    std::vector<bench::Clock::time_point> at;
    at.reserve(static_cast<std::size_t>(ticks) + 1);
    double cpuStart = 0;
    std::int16_t angleStart = 0;

    // Connected after the handlers, so each stamp follows its frame update;
    // the repaint then runs in the same loop pass, as in the program. The
    // first tick after Play only starts the clock: Play falls anywhere
    // within an interval.
    QObject::connect(program.form.ticker(), &QTimer::timeout, &app, [&] {
        at.push_back(bench::Clock::now());
        if (at.size() == 1) {
            cpuStart = cpuSeconds();
            angleStart = program.session.state().angle;
        } else if (at.size() == static_cast<std::size_t>(ticks) + 1) {
            QCoreApplication::quit();
        }
    });
    QApplication::exec();
    const double cpu = cpuSeconds() - cpuStart;

    const double elapsed = std::chrono::duration<double>(at.back() - at.front()).count();
    const double nominal = ticks * vantrel::kFastMs / 1000.0;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < at.size(); ++i)
        gaps.push_back(std::chrono::duration<double, std::milli>(at[i] - at[i - 1]).count());
    const bench::Summary g = bench::summarise(gaps);

    const double deviation = (elapsed - nominal) / nominal * 100.0;
    const double share = cpu / elapsed * 100.0;
    std::printf("Timing at Fast (%s platform, %s%s): %d ticks, %d whole cycle(s), angle %d -> %d\n",
                qPrintable(QGuiApplication::platformName()), qPrintable(view),
                whole   ? ", whole window repainted every tick"
                : floor ? ", paused, a 2 x 2 corner repainted every tick"
                : paused ? ", paused"
                         : "",
                ticks, cycles, angleStart, program.session.state().angle);
    std::printf("elapsed %.3f s against nominal %.3f s: %+.3f %% (target within 1 %%): %s\n", elapsed, nominal,
                deviation, std::abs(deviation) <= 1.0 ? "met" : "NOT met");
    bench::printSummary("gap between ticks", gaps.size(), g, "ms");
    std::printf("largest gap %.2f ms against the 20 ms interval\n", g.max);
    std::printf("CPU %.3f s over the cycle: %.2f %% of one core (target at most 2 %%): %s\n", cpu, share,
                share <= 2.0 ? "met" : "NOT met");
    // A whole number of cycles comes back to where it started.
    return program.session.state().angle == angleStart ? EXIT_SUCCESS : EXIT_FAILURE;
}
