// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qtpictures.h"

#include "window/icons.h"
#include "window/waveformchart.h"

#include <QPixmap>

namespace vantrel {

QImage toImage(const Pixels& pixels)
{
    bool opaque = true;
    for (std::size_t i = 3; i < pixels.byteCount() && opaque; i += 4)
        opaque = pixels.data()[i] == 255;
    QImage image(pixels.width(), pixels.height(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    const std::uint8_t* c = pixels.data();
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x, c += 4)
            line[x] = qRgba(c[0], c[1], c[2], c[3]);
    }
    return image;
}

QImage waveformChartImage(const Experiment& experiment, Look look)
{
    QImage image = toImage(makeWaveformChart(experiment, look));
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    return image;
}

namespace {
QIcon iconFrom(std::initializer_list<Pixels> pictures)
{
    QIcon icon;
    for (const Pixels& picture : pictures)
        icon.addPixmap(QPixmap::fromImage(toImage(picture)));
    return icon;
}
} // namespace

QIcon makeWindowIcon()
{
    // The larger sizes serve desktop launchers and task switchers.
    return iconFrom({makeTargetImage(16), makeTargetImage(32), makeTargetImage(48), makeTargetImage(64),
                     makeTargetImage(128), makeTargetImage(256)});
}

} // namespace vantrel
