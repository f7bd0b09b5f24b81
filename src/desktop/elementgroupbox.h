// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A group box whose drawn elements are painted on its own surface.
#pragma once

#include <QGroupBox>

#include <functional>

namespace vantrel {

class ElementGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QRegion&)>;

    ElementGroupBox(const QString& title, QWidget* parent);
    void setElementPainter(Painter painter) { painter_ = std::move(painter); }
    // The border and the caption's indent grow with the window's zoom.
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
    double zoom_ = 1.0;
};

} // namespace vantrel
