// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting of the window's drawn elements: lines, circles, labels and images.
#pragma once

#include "desktop/picturecache.h"
#include "window/scenestate.h"

#include <QRegion>

class QPainter;

namespace vantrel {

// Whether two states of an element put the same pixels on screen: the time
// cursor moves by half a pixel a tick, but is drawn on whole pixels.
bool paintsAlike(const ElementDef& def, const ElementState& a, const ElementState& b, double zoom, qreal dpr);

// Paints every visible drawn element of one container that meets the exposed
// region, the last row of the table first so that earlier rows lie on top.
void paintElements(QPainter& painter, In container, const SceneState& scene, const QRegion& exposed,
                   PictureCache& pictures, double zoom);

// The field's path where it meets the exposed region; painted before the
// elements, so that every one of them lies on it.
void paintFieldPath(QPainter& painter, const std::vector<Point>& path, const QRegion& exposed, PictureCache& pictures,
                    double zoom);

} // namespace vantrel
