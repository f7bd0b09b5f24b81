// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures the scene paints, prepared for the screen and the zoom.
#pragma once

#include "scene/experiment.h"
#include "scene/frame.h"
#include "window/palette.h"
#include "window/scenestate.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPointF>

#include <array>
#include <vector>

namespace vantrel {

// The pictures the scene paints, prepared once for the screen they go to
// and the zoom: the chart is stretched only when either changes.
class PictureCache {
public:
    // The screen's device-pixel ratio and the window's zoom.
    struct Scale {
        qreal dpr = 0;
        double zoom = 0;
        friend bool operator==(const Scale&, const Scale&) = default;
    };

    PictureCache();

    // The chart stretched into its element, and where it goes.
    const QPixmap& chart(Scale scale, QPointF* topLeft);
    // The About picture at its natural size times the zoom, and where it goes.
    const QPixmap& about(Scale scale, QPointF* topLeft);
    // A circle, or a line at its designed place (the picture does not follow
    // the line), drawn once at this scale and colour: copying it costs a
    // frame far less than stroking it.
    struct Sprite {
        QPixmap pixmap;
        QPointF topLeft; // where it goes
        // The squares of it that hold any ink, in logical pixels: a ring is
        // mostly hole, and copying the hole would blend nothing but costs.
        std::vector<QRectF> ink;
        QColor colour;
        Scale scale;
    };
    const Sprite& still(const ElementDef& def, const ElementState& state, const QColor& colour, Scale scale);
    // The field's path, a closed line through points in twips, stroked once
    // for each path and scale.
    const Sprite& fieldPath(const std::vector<Point>& path, Scale scale);

    // The chart of an experiment's currents from now on; false when it is
    // the one already shown.
    bool setExperiment(const Experiment& experiment);

    // The colours the scene is painted in: the chart and the path are drawn
    // anew, the circles and lines once their colour is asked for.
    void setLook(Look look);
    Look look() const { return look_; }

private:
    std::array<Sprite, kElementCount> stills_;
    Sprite path_;
    std::vector<Point> pathPoints_;
    Experiment experiment_;
    Look look_ = Look::Designed;
    QImage chartImage_;
    QImage aboutImage_;
    QPixmap chartPixmap_;
    QPointF chartTopLeft_;
    Scale chartScale_;
    QPixmap aboutPixmap_;
    QPointF aboutTopLeft_;
    Scale aboutScale_;
};

} // namespace vantrel
