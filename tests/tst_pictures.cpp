// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qtpictures.h"
#include "window/icons.h"
#include "window/waveformchart.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

using vantrel::makeAboutIcon;
using vantrel::makeWindowIcon;
using vantrel::WaveformChartHeight;
using vantrel::WaveformChartWidth;
QImage makeWaveformChart() { return vantrel::waveformChartImage(); }
QImage makeAboutImage(int size) { return vantrel::toImage(vantrel::makeAboutImage(size)); }
QImage makeTargetImage(int size) { return vantrel::toImage(vantrel::makeTargetImage(size)); }

constexpr QRgb Red = qRgb(255, 0, 0), Yellow = qRgb(255, 255, 0), Blue = qRgb(0, 0, 255);
constexpr QRgb Black = qRgb(0, 0, 0), Green = qRgb(0, 128, 0), White = qRgb(255, 255, 255);

QRgb grey(int level) { return qRgb(level, level, level); }

// Chart position of a curve at phase t degrees: column c's centre is c.
QPoint chartPixel(double t, double lag)
{
    const double v = std::sin((t - lag) * std::numbers::pi / 180.0);
    return QPointF(10.35 + 1.1393 * t, 147.47 - 93.57 * v).toPoint();
}

QString where(int x, int y, QRgb c)
{
    return QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(QColor::fromRgba(c).name(QColor::HexArgb));
}

// True if c is `curve` laid partly or wholly over a grey: the channels that
// are full in the curve agree and stand above the empty ones, which agree.
bool tintedBy(QRgb c, QRgb curve)
{
    const int channel[3] = {qRed(c), qGreen(c), qBlue(c)};
    const int ink[3] = {qRed(curve), qGreen(curve), qBlue(curve)};
    int full = -1, empty = -1;
    for (int i = 0; i < 3; ++i) {
        int &same = ink[i] ? full : empty;
        if (same >= 0 && same != channel[i])
            return false;
        same = channel[i];
    }
    return full > empty;
}

// Empty if every pixel is fully transparent or fully opaque in one of the
// 16 VGA colours, as in a 16-colour icon with a mask; else the first culprit.
QString checkPaletteWithMask(const QImage &image)
{
    static const QSet<QRgb> vga = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb c = image.pixel(x, y); qAlpha(c) != 0 && !vga.contains(c))
                return where(x, y, c);
    return {};
}

}  // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

    QImage m_chart;

private slots:
    void initTestCase()
    {
        m_chart = makeWaveformChart();
        QCOMPARE(QSize(WaveformChartWidth, WaveformChartHeight), QSize(432, 295));
        QCOMPARE(m_chart.size(), QSize(432, 295));
        QCOMPARE(m_chart.format(), QImage::Format_RGB32);
    }

    void chartRegions_data()
    {
        // Pixels inside `outer` but not inside `inner`; the corners of `outer`
        // have their own colour.
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<QRect>("inner");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QRgb>("corner");
        const QRect plot(QPoint(7, 7), QPoint(425, 288)), ring(QPoint(8, 8), QPoint(424, 287));
        const QRect fill(QPoint(9, 9), QPoint(423, 286));
        QTest::newRow("margin") << QRect(0, 0, 432, 295) << plot << White << White;
        QTest::newRow("outer ring") << plot << ring << grey(224) << grey(240);
        QTest::newRow("inner ring") << ring << fill << grey(188) << grey(183);
        // Above the top grid line and below the bottom one: nothing but fill.
        QTest::newRow("fill, top") << QRect(QPoint(9, 9), QPoint(423, 51)) << QRect() << grey(192) << grey(192);
        QTest::newRow("fill, bottom") << QRect(QPoint(9, 243), QPoint(423, 286)) << QRect() << grey(192) << grey(192);
    }

    void chartRegions()
    {
        QFETCH(QRect, outer);
        QFETCH(QRect, inner);
        QFETCH(QRgb, colour);
        QFETCH(QRgb, corner);
        const QSet<int> gridRows = {54, 101, 148, 194, 241};  // their ring crossings: chartGridLines
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x) {
                if (inner.contains(x, y) || (gridRows.contains(y) && QList{7, 8, 424, 425}.contains(x)))
                    continue;
                const bool isCorner = (x == outer.left() || x == outer.right())
                    && (y == outer.top() || y == outer.bottom());
                if (m_chart.pixel(x, y) != (isCorner ? corner : colour))
                    QFAIL(qPrintable(where(x, y, m_chart.pixel(x, y))));
            }
    }

    void chartGridLines_data()
    {
        QTest::addColumn<QList<QPoint>>("shades");  // (row, grey level), the dark row first
        QTest::addColumn<int>("innerCrossing");
        QTest::addColumn<int>("outerCrossing");
        QTest::newRow("+1") << QList<QPoint>{{54, 164}, {53, 184}, {52, 193}, {55, 195}} << 161 << 222;
        QTest::newRow("+0.5") << QList<QPoint>{{101, 164}, {100, 184}, {99, 193}, {102, 195}} << 161 << 222;
        QTest::newRow("0") << QList<QPoint>{{148, 164}, {147, 184}, {146, 193}, {149, 195}} << 161 << 222;
        QTest::newRow("-0.5") << QList<QPoint>{{194, 164}, {195, 184}, {196, 193}, {193, 195}} << 161 << 222;
        QTest::newRow("-1") << QList<QPoint>{{241, 178}, {240, 188}, {239, 193}, {242, 194}} << 174 << 223;
    }

    void chartGridLines()
    {
        QFETCH(QList<QPoint>, shades);
        QFETCH(int, innerCrossing);
        QFETCH(int, outerCrossing);
        const int dark = shades.first().x();
        for (int x : {7, 425})
            QCOMPARE(m_chart.pixel(x, dark), grey(outerCrossing));
        for (int x : {8, 424})
            QCOMPARE(m_chart.pixel(x, dark), grey(innerCrossing));

        // Each shade runs across the whole fill except where a curve covers it.
        for (const QPoint &shade : shades) {
            int shown = 0;
            for (int x = 9; x <= 423; ++x) {
                const QRgb c = m_chart.pixel(x, shade.x());
                if (qIsGray(c) && c != grey(shade.y()))
                    QFAIL(qPrintable(where(x, shade.x(), c)));
                shown += c == grey(shade.y());
            }
            QVERIFY2(shown > 300, qPrintable(QString::number(shown)));
        }
    }

    void curvesOnGridLines_data()
    {
        // Where a single curve meets a grid line it shows its pure colour there:
        // along the line at the peaks, and in one or two pixels where it cuts
        // across (the steepest places on the chart).
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("lag");
        QTest::addColumn<QRgb>("curve");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("maxPure");  // within two columns either side
        QTest::newRow("R max") << 90.0 << 0.0 << Red << 54 << 5;
        QTest::newRow("R min") << 270.0 << 0.0 << Red << 241 << 5;
        QTest::newRow("Y max") << 210.0 << 120.0 << Yellow << 54 << 5;
        QTest::newRow("Y min") << 30.0 << 120.0 << Yellow << 241 << 5;
        QTest::newRow("B max") << 330.0 << 240.0 << Blue << 54 << 5;
        QTest::newRow("B min") << 150.0 << 240.0 << Blue << 241 << 5;
        QTest::newRow("R zero 180") << 180.0 << 0.0 << Red << 148 << 2;
        QTest::newRow("R zero 360") << 360.0 << 0.0 << Red << 148 << 2;
        QTest::newRow("Y zero 120") << 120.0 << 120.0 << Yellow << 148 << 2;
        QTest::newRow("Y zero 300") << 300.0 << 120.0 << Yellow << 148 << 2;
        QTest::newRow("B zero 60") << 60.0 << 240.0 << Blue << 148 << 2;
        QTest::newRow("B zero 240") << 240.0 << 240.0 << Blue << 148 << 2;
    }

    void curvesOnGridLines()
    {
        QFETCH(double, t);
        QFETCH(double, lag);
        QFETCH(QRgb, curve);
        QFETCH(int, row);
        QFETCH(int, maxPure);
        const int column = chartPixel(t, lag).x();
        int pure = 0;
        for (int x = column - 2; x <= column + 2; ++x)
            pure += m_chart.pixel(x, row) == curve;
        QVERIFY2(pure >= 1 && pure <= maxPure, qPrintable(QString::number(pure)));
        if (maxPure == 5) {  // a peak: pure right at its column, and thin across
            QCOMPARE(m_chart.pixel(column, row), curve);
            int across = 0;
            for (int y = row - 3; y <= row + 3; ++y)
                across += m_chart.pixel(column, y) == curve;
            QVERIFY2(across <= 2, qPrintable(QString::number(across)));
        }
    }

    void curveCrossings_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("lag");  // of either curve
        QTest::addColumn<QRgb>("visible");
        QTest::newRow("R/B at 30") << 30.0 << 0.0 << Blue;
        QTest::newRow("R/B at 210") << 210.0 << 0.0 << Blue;
        QTest::newRow("Y/B at 90") << 90.0 << 120.0 << Blue;
        QTest::newRow("Y/B at 270") << 270.0 << 120.0 << Blue;
        QTest::newRow("R/Y at 150") << 150.0 << 0.0 << Yellow;
        QTest::newRow("R/Y at 330") << 330.0 << 0.0 << Yellow;
    }

    void curveCrossings()
    {
        // The curve drawn later, in the order R, Y, B, lies on top.
        QFETCH(double, t);
        QFETCH(double, lag);
        QFETCH(QRgb, visible);
        QCOMPARE(m_chart.pixel(chartPixel(t, lag)), visible);
    }

    void curveExtent_data()
    {
        QTest::addColumn<double>("lag");
        QTest::addColumn<QRgb>("curve");
        QTest::newRow("R") << 0.0 << Red;
        QTest::newRow("Y") << 120.0 << Yellow;
        QTest::newRow("B") << 240.0 << Blue;
    }

    void curveExtent()
    {
        QFETCH(double, lag);
        QFETCH(QRgb, curve);
        // Drawn from column 10 to column 422, not one column further.
        const auto tintedNear = [&](QPoint p) {
            for (int y = p.y() - 2; y <= p.y() + 2; ++y)
                if (tintedBy(m_chart.pixel(p.x(), y), curve))
                    return true;
            return false;
        };
        QVERIFY(tintedNear(chartPixel(0, lag)));
        QVERIFY(tintedNear(chartPixel(361, lag)));
        for (int x : {9, 423})
            for (int y = 0; y < m_chart.height(); ++y)
                if (tintedBy(m_chart.pixel(x, y), curve))
                    QFAIL(qPrintable(where(x, y, m_chart.pixel(x, y))));

        // Smooth: all along, edge pixels mix the colour with the grey below.
        int blended = 0;
        for (int y = 0; y < m_chart.height(); ++y)
            for (int x = 0; x < m_chart.width(); ++x)
                blended += m_chart.pixel(x, y) != curve && tintedBy(m_chart.pixel(x, y), curve);
        QVERIFY2(blended > 411, qPrintable(QString::number(blended)));
    }

    void aboutImage_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QRect>("mark");  // extent of the question mark
        QTest::addColumn<int>("hookBottom");
        QTest::newRow("32") << 32 << QRect(QPoint(9, 3), QPoint(22, 29)) << 20;
        QTest::newRow("16") << 16 << QRect(QPoint(4, 1), QPoint(11, 14)) << 9;
    }

    void aboutImage()
    {
        QFETCH(int, size);
        QFETCH(QRect, mark);
        QFETCH(int, hookBottom);
        const QImage image = makeAboutImage(size);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        const QString culprit = checkPaletteWithMask(image);
        QVERIFY2(culprit.isEmpty(), qPrintable(culprit));

        const int last = size - 1, mid = size / 2;
        for (const QPoint p : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(p)), 0);
        // The disc fills the square: outline at the middle of each side, green inside.
        for (const QPoint p : {QPoint(0, mid), QPoint(last, mid), QPoint(mid, 0), QPoint(mid, last)})
            QCOMPARE(image.pixel(p), Black);
        QCOMPARE(image.pixel(1, mid), Green);
        QCOMPARE(image.pixel(last - 1, mid), Green);

        QRect white;
        QSet<int> whiteRows;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (image.pixel(x, y) == White) {
                    white |= QRect(x, y, 1, 1);
                    whiteRows.insert(y);
                }
        QCOMPARE(white, mark);
        // Hook and dot are unbroken from top to bottom, with one empty row between.
        for (int y = mark.top(); y <= mark.bottom(); ++y)
            QVERIFY2(whiteRows.contains(y) == (y != hookBottom + 1), qPrintable(QString::number(y)));
    }

    void exactTarget_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<QRgb>>("half");  // the middle row from the edge to the centre
        const QRgb K = Black, Y = Yellow, R = Red;
        QTest::newRow("32") << 32 << QList<QRgb>{K, Y, Y, K, R, R, R, K, Y, Y, Y, K, R, R, R, R};
        QTest::newRow("16") << 16 << QList<QRgb>{K, Y, K, R, R, Y, R, R};
    }

    void exactTarget()
    {
        QFETCH(int, size);
        QFETCH(QList<QRgb>, half);
        const QImage image = makeTargetImage(size);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        const QString culprit = checkPaletteWithMask(image);
        QVERIFY2(culprit.isEmpty(), qPrintable(culprit));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

        QList<QRgb> row;
        for (int x = 0; x < size / 2; ++x)
            row.append(image.pixel(x, size / 2));
        QCOMPARE(row, half);
        // Concentric: unchanged by every reflection of the square.
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb c = image.pixel(x, y);
                if (image.pixel(y, x) != c || image.pixel(size - 1 - x, y) != c
                    || image.pixel(x, size - 1 - y) != c)
                    QFAIL(qPrintable(where(x, y, c)));
            }
    }

    void scaledTarget_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void scaledTarget()
    {
        QFETCH(int, size);
        const QImage image = makeTargetImage(size);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
        // Mid-ring radii of the 32 px design, scaled along the middle row.
        const auto at = [&](double radius) {
            return image.pixel(int(size / 2.0 - radius * size / 32.0), size / 2);
        };
        QCOMPARE(at(0), Red);
        QCOMPARE(at(2), Red);
        QCOMPARE(at(6.5), Yellow);
        QCOMPARE(at(10.5), Red);
        QCOMPARE(at(14), Yellow);
    }

    void icons_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<QImage>("small");
        QTest::addColumn<QImage>("large");
        QTest::newRow("about") << makeAboutIcon() << makeAboutImage(16) << makeAboutImage(32);
        QTest::newRow("window") << makeWindowIcon() << makeTargetImage(16) << makeTargetImage(32);
    }

    void icons()
    {
        // The icon hands out the drawn images themselves, not rescaled ones.
        QFETCH(QIcon, icon);
        QFETCH(QImage, small);
        QFETCH(QImage, large);
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QCOMPARE(icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32), small);
        QCOMPARE(icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32), large);
    }
};

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
