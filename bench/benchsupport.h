// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the benchmark programs share: the window set up as main() sets it up,
// a way to make the backing store catch up, and plain statistics.
#pragma once

#include "desktop/program.h"
#include "desktop/viewcontrol.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double microsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Benchmarks are defined on the offscreen platform, so a figure does not
// depend on which X server or compositor happens to be around. A platform
// set by the caller still wins.
inline void preferOffscreen()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The window exactly as main() builds it, shown and exposed.
struct Program : vantrel::Program {
    Program()
    {
        form.show();
        while (!form.windowHandle() || !form.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        flush();
    }

    // What the event loop does next with the regions invalidated so far:
    // paint them into the backing store and flush it. One whole pass, not
    // just the update requests: the window system answers each flush with
    // events of its own, and left in the queue they pile up and skew both
    // the time and the memory figures.
    static void flush() { QCoreApplication::processEvents(); }
};

// Sets the window's view as a benchmark names it: a zoom such as "1.5", or
// "full" for full screen on whatever screen there is. Returns what it set,
// for the report.
inline QString applyView(Program& program, const char* view)
{
    if (std::string(view) == "full") {
        program.form.findChild<vantrel::ViewControl*>()->toggleFullScreen();
        // The window system resizes the window when it gets to it.
        const QSize screen = program.form.screen()->geometry().size();
        for (int i = 0; i < 500 && program.form.size() != screen; ++i)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        Program::flush();
        return QStringLiteral("full screen %1x%2, zoom %3")
            .arg(program.form.width()).arg(program.form.height()).arg(program.form.zoom() * 100, 0, 'f', 1);
    }
    program.form.setZoom(std::atof(view));
    Program::flush();
    return QStringLiteral("zoom %1 %").arg(program.form.zoom() * 100, 0, 'f', 0);
}

struct Summary {
    double median, p5, p25, p75, p95, max;
};

inline double quantile(const std::vector<double>& sorted, double q)
{
    const double pos = q * static_cast<double>(sorted.size() - 1);
    const auto lo = static_cast<std::size_t>(pos);
    const std::size_t hi = std::min(lo + 1, sorted.size() - 1);
    return sorted[lo] + (pos - static_cast<double>(lo)) * (sorted[hi] - sorted[lo]);
}

inline Summary summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {quantile(samples, 0.5), quantile(samples, 0.05), quantile(samples, 0.25),
            quantile(samples, 0.75), quantile(samples, 0.95), samples.back()};
}

inline void printSummary(const char* what, std::size_t count, const Summary& s, const char* unit)
{
    std::printf("%-26s n=%-6zu median %8.1f %s   p25-p75 %.1f-%.1f   p5-p95 %.1f-%.1f   max %.1f\n", what,
                count, s.median, unit, s.p25, s.p75, s.p5, s.p95, s.max);
}

// Resident set size of this process, in KiB, from the kernel's own account.
inline long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

} // namespace bench
