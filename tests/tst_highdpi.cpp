// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// At device-pixel ratio 2 the window draws the same scene as at ratio 1 with
// twice as many device pixels: every line, circle, text and the chart keeps
// its place and size in logical pixels.
//
// The ratio is fixed for a process when its QApplication starts, so this
// program runs at ratio 2 and starts itself once more at ratio 1 to paint
// the frame to compare with.
#include "inkextent.h"

#include "desktop/program.h"
#include "desktop/startup.h"
#include "desktop/mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;

namespace {

// The frame at 270 degrees: the cursor stands over the chart, R1 shows its
// dot and the red phasor points right.
QImage shootFrame()
{
    Program program;
    MainWindow& form = program.form;
    form.show();
    form.angleBox()->setText(QStringLiteral("270"));
    QTest::mouseClick(form.setAngleButton(), Qt::LeftButton);
    QImage shot = form.grab().toImage();
    shot.setDevicePixelRatio(form.devicePixelRatio());
    return shot;
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameGeometry_data();
    void sameGeometry();
    void cursorIsCrispAtBothRatios();

private:
    QImage atOne_;
    QImage atTwo_;
};

void TestHighDpi::initTestCase()
{
    setUpApplication();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("ratio1.png"));
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--shoot"), file});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    atOne_ = QImage(file);
    QCOMPARE(atOne_.size(), QSize(1010, 734));

    atTwo_ = shootFrame();
    QCOMPARE(atTwo_.devicePixelRatio(), 2.0);
    QCOMPARE(atTwo_.size(), QSize(2020, 1468));
}

void TestHighDpi::sameGeometry_data()
{
    QTest::addColumn<QRectF>("area"); // where to look, in logical pixels
    QTest::addColumn<Ink>("ink");
    QTest::addColumn<double>("tolerance"); // logical pixels
    // Half a logical pixel is what rounding to whole device pixels costs at ratio 1.
    QTest::newRow("time cursor") << QRectF(600, 120, 380, 355) << Ink(black) << 0.5;
    QTest::newRow("R1's dot") << QRectF(290, 67, 22, 20) << Ink(red) << 0.5;
    QTest::newRow("R1's ring") << QRectF(270, 47, 60, 58) << Ink(red) << 0.5;
    QTest::newRow("red phasor's end") << QRectF(320, 280, 170, 40) << Ink(red) << 0.5;
    QTest::newRow("chart") << QRectF(600, 120, 380, 360) << Ink(white) << 0.5;
    // Glyphs are hinted at each size, so text may differ by a pixel.
    QTest::newRow("label text") << QRectF(624, 88, 137, 25) << Ink(black) << 1.0;
    QTest::newRow("legend text in its frame") << QRectF(128, 632, 129, 33) << Ink(black) << 1.0;
}

void TestHighDpi::sameGeometry()
{
    QFETCH(QRectF, area);
    QFETCH(Ink, ink);
    QFETCH(double, tolerance);
    const QRectF one = inkExtent(atOne_, area, ink);
    const QRectF two = inkExtent(atTwo_, area, ink);
    QVERIFY(!one.isEmpty());
    // Something within the area, not the whole of it.
    QVERIFY(one.width() < area.width() && one.height() < area.height());
    const QString where = QStringLiteral("ratio 1: %1,%2 %3x%4; ratio 2: %5,%6 %7x%8")
                              .arg(one.x()).arg(one.y()).arg(one.width()).arg(one.height())
                              .arg(two.x()).arg(two.y()).arg(two.width()).arg(two.height());
    QVERIFY2(std::abs(one.left() - two.left()) <= tolerance, qPrintable(where));
    QVERIFY2(std::abs(one.top() - two.top()) <= tolerance, qPrintable(where));
    QVERIFY2(std::abs(one.right() - two.right()) <= tolerance, qPrintable(where));
    QVERIFY2(std::abs(one.bottom() - two.bottom()) <= tolerance, qPrintable(where));
}

// The 2-pixel cursor covers two whole device columns at ratio 1 and four at
// ratio 2, with no half-lit column beside it.
void TestHighDpi::cursorIsCrispAtBothRatios()
{
    for (const QImage* img : {&atOne_, &atTwo_}) {
        const int dpr = qRound(img->devicePixelRatio());
        const int y = 300 * dpr;
        QList<int> columns;
        for (int x = 600 * dpr; x < 980 * dpr; ++x) {
            const QColor c = img->pixelColor(x, y);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() < 160)
                columns << x;
        }
        QCOMPARE(columns.size(), 2 * dpr);
        for (int x : columns)
            QCOMPARE(img->pixelColor(x, y), QColor(Qt::black));
        QCOMPARE(columns.last() - columns.first(), 2 * dpr - 1);
    }
}

int main(int argc, char* argv[])
{
    const bool shootOnly = argc == 3 && qstrcmp(argv[1], "--shoot") == 0;
    qputenv("QT_SCALE_FACTOR", shootOnly ? "1" : "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (shootOnly) {
        setUpApplication();
        return shootFrame().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    }
    TestHighDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
