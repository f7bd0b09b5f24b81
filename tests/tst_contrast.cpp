// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-contrast window as grabbed: every caption's ink at 4.5:1 against
// what lies behind it, every line, mark, etched border and chart curve at
// 3:1 against the white, WCAG's ratios worked out here from the definition.
#include "testapp.h"

#include "desktop/startup.h"
#include "window/presentation.h"

#include <QGroupBox>
#include <QMap>

#include <cmath>
#include <numbers>

using namespace vantrel;

namespace {

double ratio(QColor a, QColor b)
{
    const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const auto lum = [&](QColor c) { return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()); };
    return (std::max(lum(a), lum(b)) + 0.05) / (std::min(lum(a), lum(b)) + 0.05);
}

// The ink in a rectangle that stands out most from what lies behind it (the
// rectangle's commonest colour, unless given): a text's stems, a line's core.
double inkRatio(const QImage& img, const QRect& r, QColor behind = {})
{
    QMap<QRgb, int> count;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[img.pixel(x, y)];
    if (!behind.isValid())
        behind = std::max_element(count.keyValueBegin(), count.keyValueEnd(), [](auto a, auto b) { return a.second < b.second; })->first;
    double best = 1;
    for (QRgb c : count.keys())
        best = std::max(best, ratio(c, behind));
    return best;
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionAndMarkReachesItsRatio();
};

void TestContrast::everyCaptionAndMarkReachesItsRatio()
{
    TestApp app;
    QVERIFY(QTest::qWaitForWindowExposed(&app.form));
    app.setAngle(QStringLiteral("60"));
    const QImage designed = app.shot();
    QVERIFY(readCommandLine({QStringLiteral("vantrel"), QStringLiteral("--high-contrast")}).highContrast);
    app.form.setHighContrast(true);
    app.setAngle(QStringLiteral("40")); // every phasor drawn, each kind of mark showing
    const QImage shot = app.shot();
    const QColor white(Qt::white);
    for (const ElementDef& def : elementTable()) {
        const ElementState& s = app.form.scene()[def.id];
        QWidget* w = roleOf(def.id) == Role::Control ? app.form.widget(def.id) : nullptr;
        QRectF r = app.form.elementRect(def.id);
        if (def.kind == Kind::Line && def.in == In::LegendBox) // a line's rectangle is the window's
            r.translate(app.form.widget(Id::legendBox)->pos());
        const bool option = def.kind == Kind::OptionButton;
        QList<double> ratios; // a caption's, or those of 15 points along a mark: the middle one counts
        if (def.kind == Kind::Label)
            ratios << inkRatio(shot, r.toAlignedRect());
        else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            const QFontMetrics m = w->fontMetrics();
            ratios << inkRatio(shot, QRect(w->mapTo(&app.form, QPoint(kCaptionIndent + 3, 0)), m.size(0, box->title())));
            for (int x : {0, 1}) // the etched border's dark line and light line
                QVERIFY(ratio(shot.pixel(w->mapTo(&app.form, QPoint(x, w->height() / 2))), white) >= 3);
        } else if (w) { // inside a button's edge, past an option's round mark
            ratios << inkRatio(shot, QRect(w->mapTo(&app.form, QPoint(option ? 20 : 3, 3)), w->size() - QSize(option ? 23 : 6, 6)));
            // The edge of a button or the box, or an option's round mark, where a finger or the eye finds it.
            const QRect edge = option ? QRect(w->mapTo(&app.form, QPoint(0, 0)), QSize(18, w->height()))
                                      : QRect(w->mapTo(&app.form, QPoint(0, w->height() / 2 - 2)), QSize(3, 5));
            QVERIFY2(inkRatio(shot, edge, white) >= 3, qPrintable(QStringLiteral("%1's edge").arg(def.name)));
        }
        for (int i = 1; i < 16 && (def.kind == Kind::Line || def.kind == Kind::Circle) && s.visible; ++i) {
            const double t = i / 16.0, a = 2 * std::numbers::pi * t;
            const QPointF p = def.kind == Kind::Circle ? r.center() + QPointF(std::cos(a), std::sin(a)) * r.width() / 2
                              : (s.x2 - s.x1) * (s.y2 - s.y1) < 0 ? QPointF(r.left() + t * r.width(), r.bottom() - t * r.height())
                                                                  : r.topLeft() + QPointF(t * r.width(), t * r.height());
            ratios << inkRatio(shot, QRect(p.toPoint() - QPoint(1, 1), QSize(3, 3)), white);
        }
        std::sort(ratios.begin(), ratios.end());
        const double want = def.kind == Kind::Line || def.kind == Kind::Circle ? 3 : 4.5;
        QVERIFY2(ratios.isEmpty() || (ratios[ratios.size() / 2] >= want && ratios.front() >= 3),
                 qPrintable(QStringLiteral("%1: %2:1").arg(def.name).arg(ratios.value(ratios.size() / 2))));
    }
    // The chart's curves, each known by its hue (red, yellow turned amber,
    // blue): more pixels at 3:1 on the plot's white than the chart is wide.
    const QRect chart = app.form.elementRect(Id::waveformChart).toAlignedRect().adjusted(12, 12, -12, -12);
    int strong[3] = {};
    for (int y = chart.top(); y <= chart.bottom(); ++y)
        for (int x = chart.left(); x <= chart.right(); ++x) {
            const QColor c = shot.pixel(x, y);
            const int hue = c.red() > 2 * std::max(c.green(), c.blue())                                   ? 0
                            : c.green() > 2 * c.blue() && c.red() > c.green() && c.red() < 2 * c.green() ? 1
                            : c.blue() > 2 * std::max(c.red(), c.green())                                 ? 2 : -1;
            strong[std::max(hue, 0)] += hue >= 0 && ratio(c, white) >= 3;
        }
    for (int count : strong)
        QVERIFY2(count > chart.width(), qPrintable(QStringLiteral("%1 %2 %3").arg(strong[0]).arg(strong[1]).arg(strong[2])));
    // Off again, the window paints what it painted before, to the pixel.
    app.setAngle(QStringLiteral("60"));
    app.form.setHighContrast(false);
    QCOMPARE(app.shot(), designed);
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
