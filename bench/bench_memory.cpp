// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Resident memory over a long lesson: after start-up, then while running a
// million ticks, each with its frame update and its repaint. Nothing is
// allocated for good while the animation runs, so the figure must not grow.
//
// Usage: bench_memory [ticks]   (default 1000000)
#include "benchsupport.h"

#include "desktop/startup.h"

#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    bench::preferOffscreen();
    QApplication app(argc, argv);
    vantrel::setUpApplication();
    const long ticks = argc > 1 ? std::max(1L, std::atol(argv[1])) : 1000000L;

    bench::Program program;
    const long atStart = bench::residentKiB();
    // Ticks come as fast as they can be drawn rather than every 20 ms.
    program.form.ticker()->stop();
    program.form.run(vantrel::Command::PlayPause);

    std::printf("Resident memory (%s platform)\n", qPrintable(QGuiApplication::platformName()));
    std::printf("%-12s %10ld KiB\n", "start-up", atStart);
    long last = atStart;
    long afterFirstThousand = atStart;
    long nextReport = 1000;
    const auto start = bench::Clock::now();
    for (long i = 1; i <= ticks; ++i) {
        program.form.tick();
        bench::Program::flush();
        if (i == nextReport || i == ticks) {
            last = bench::residentKiB();
            if (i == 1000)
                afterFirstThousand = last;
            std::printf("%-12ld %10ld KiB\n", i, last);
            std::fflush(stdout);
            nextReport *= 10;
        }
    }
    const double seconds = bench::microsSince(start) / 1e6;
    // The first frames fill the glyph and pixmap caches once; what matters
    // is that nothing grows after that.
    std::printf("%ld ticks in %.0f s; since start-up %+ld KiB, since tick 1000 %+ld KiB (target: no growth)\n",
                ticks, seconds, last - atStart, last - afterFirstThousand);
    return EXIT_SUCCESS;
}
