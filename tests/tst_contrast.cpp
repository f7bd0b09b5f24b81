// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-contrast look as it reaches the screen: the colours are sampled
// from the grabbed window and held to WCAG's contrast ratios, 4.5:1 for
// text and 3:1 for lines and marks, computed here from the definition.
#include "testapp.h"

#include "desktop/startup.h"
#include "window/presentation.h"

#include <QGroupBox>
#include <QMap>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

using namespace vantrel;

namespace {

// WCAG 2 relative luminance of an sRGB colour, and the ratio of two.
double luminance(QColor c)
{
    const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double ratio(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour in a rectangle, which is what lies behind its ink.
QColor commonest(const QImage& img, const QRect& r)
{
    QMap<QRgb, int> count;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[img.pixel(x, y)];
    return QColor(std::max_element(count.keyValueBegin(), count.keyValueEnd(),
                                   [](auto a, auto b) { return a.second < b.second; })->first);
}

// The ink that stands out most from `behind` within a rectangle: a text's
// full colour in its stems, a line's on its centre, not its smoothed edge.
QColor ink(const QImage& img, const QRect& r, QColor behind)
{
    QColor best = behind;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (ratio(QColor(img.pixel(x, y)), behind) > ratio(best, behind))
                best = QColor(img.pixel(x, y));
    return best;
}

struct Contrast : TestApp {
    Contrast()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setHighContrast(true);
        setAngle(QStringLiteral("40")); // every phasor drawn, each mark showing
    }
};

} // namespace

class TestContrast : public QObject {
    Q_OBJECT
private slots:
    void captionsReadOnWhatLiesBehindThem();
    void linesAndMarksStandOutFromTheScene();
    void chartCurvesKeepTheirHueAndStandOut();
    void switchedOffTheDesignedPixelsReturn();
    void theCommandLineAsksForIt();
};

// Every painted label, and every control's caption, at 4.5:1 or more.
void TestContrast::captionsReadOnWhatLiesBehindThem()
{
    Contrast app;
    const QImage shot = app.shot();
    for (const ElementDef& def : elementTable()) {
        QRect r;
        if (def.kind == Kind::Label)
            r = app.form.elementRect(def.id).toAlignedRect();
        else if (roleOf(def.id) == Role::Control) {
            QWidget* w = app.form.widget(def.id);
            r = QRect(w->mapTo(&app.form, QPoint()), w->size()).adjusted(3, 3, -3, -3);
            if (def.kind == Kind::OptionButton)
                r.setLeft(r.left() + 20); // past the round mark, onto the caption
            if (def.kind == Kind::GroupBox)
                r = QRect(r.topLeft() + QPoint(kCaptionIndent, -3), QSize(w->fontMetrics().horizontalAdvance(
                                                                          static_cast<QGroupBox*>(w)->title()),
                                                                      w->fontMetrics().height()));
        } else
            continue;
        const QColor behind = commonest(shot, r), text = ink(shot, r, behind);
        QVERIFY2(ratio(text, behind) >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                                            .arg(def.name, text.name(), behind.name())
                                                            .arg(ratio(text, behind), 0, 'f', 2)));
    }
}

// Each visible line and circle, sampled along its length or round its
// outline, at 3:1 or more against the scene's white at most of its points;
// the group boxes' etched border too, both its lines.
void TestContrast::linesAndMarksStandOutFromTheScene()
{
    Contrast app;
    const QImage shot = app.shot();
    const QColor scene = commonest(shot, shot.rect());
    QCOMPARE(scene, QColor(Qt::white));
    for (const ElementDef& def : elementTable()) {
        if ((def.kind != Kind::Line && def.kind != Kind::Circle) || !app.form.scene()[def.id].visible)
            continue;
        QRectF r = app.form.elementRect(def.id);
        if (def.kind == Kind::Line && def.in == In::LegendBox) // a line's rectangle is the window's
            r.translate(app.form.widget(Id::legendBox)->pos());
        const ElementState& s = app.form.scene()[def.id];
        QList<double> ratios;
        for (int i = 1; i < 16; ++i) {
            const double t = i / 16.0, a = 2 * std::numbers::pi * t;
            const bool rising = def.kind == Kind::Line && (s.x2 - s.x1) * (s.y2 - s.y1) < 0;
            const QPointF p = def.kind == Kind::Circle
                                  ? r.center() + QPointF(std::cos(a), std::sin(a)) * (r.width() / 2)
                                  : (rising ? QPointF(r.left() + t * r.width(), r.bottom() - t * r.height())
                                            : r.topLeft() + QPointF(t * r.width(), t * r.height()));
            ratios << ratio(ink(shot, QRect(p.toPoint() - QPoint(1, 1), QSize(3, 3)), scene), scene);
        }
        std::sort(ratios.begin(), ratios.end());
        QVERIFY2(ratios[ratios.size() / 2] >= 3, qPrintable(QStringLiteral("%1: %2:1").arg(def.name).arg(ratios[7])));
    }
    for (Id box : {Id::speedBox, Id::legendBox}) {
        const QWidget* w = app.form.widget(box);
        const QPoint middle = w->mapTo(&app.form, QPoint(0, w->height() / 2));
        for (int x : {0, 1})
            QVERIFY2(ratio(QColor(shot.pixel(middle + QPoint(x, 0))), scene) >= 3, element(box).name);
    }
}

// The chart's three curves, each found by its hue (red, yellow turned
// amber, blue) as a run of pixels at 3:1 or more against the plot's white.
void TestContrast::chartCurvesKeepTheirHueAndStandOut()
{
    Contrast app;
    const QImage shot = app.shot();
    const QRect chart = app.form.elementRect(Id::waveformChart).toAlignedRect().adjusted(12, 12, -12, -12);
    const QColor plot = commonest(shot, chart);
    QCOMPARE(plot, QColor(Qt::white));
    const auto red = [](QColor c) { return c.red() > 2 * c.green() && c.red() > 2 * c.blue(); };
    const auto amber = [](QColor c) { return c.green() > 2 * c.blue() && c.red() > c.green() && c.red() < 2 * c.green(); };
    const auto blue = [](QColor c) { return c.blue() > 2 * c.red() && c.blue() > 2 * c.green(); };
    for (const auto& [name, hue] : {std::pair{"R", std::function<bool(QColor)>(red)}, {"Y", amber}, {"B", blue}}) {
        int strong = 0;
        for (int y = chart.top(); y <= chart.bottom(); ++y)
            for (int x = chart.left(); x <= chart.right(); ++x)
                strong += hue(QColor(shot.pixel(x, y))) && ratio(QColor(shot.pixel(x, y)), plot) >= 3;
        QVERIFY2(strong > chart.width(), qPrintable(QStringLiteral("%1: %2 pixels").arg(QLatin1String(name)).arg(strong)));
    }
}

// Off again, the window paints exactly what it painted before.
void TestContrast::switchedOffTheDesignedPixelsReturn()
{
    TestApp app;
    QVERIFY(QTest::qWaitForWindowExposed(&app.form));
    const QImage designed = app.shot();
    app.form.setHighContrast(true);
    QVERIFY(app.shot() != designed);
    app.form.setHighContrast(false);
    QCOMPARE(app.shot(), designed);
}

void TestContrast::theCommandLineAsksForIt()
{
    QVERIFY(readCommandLine({QStringLiteral("vantrel"), QStringLiteral("--high-contrast")}).highContrast);
    QVERIFY(!readCommandLine({QStringLiteral("vantrel")}).highContrast);
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
