// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a machine without a single font: CTest runs this program
// with an empty fontconfig configuration, so the only font there is the one
// the program carries. Every caption must still be drawn in it and fit.
#include "testapp.h"

#include "desktop/startup.h"
#include "desktop/designlook.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include <memory>

using namespace vantrel;

namespace {

// Pixels that differ between two pictures of the same size.
int differing(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

int pixelsOf(const QImage& image, const QRect& rect, QRgb colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

} // namespace

class TestNoFonts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void captionRendersAndFits_data();
    void captionRendersAndFits();

private:
    std::unique_ptr<TestApp> app_;
};

void TestNoFonts::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        QSKIP("needs the empty fontconfig configuration that CTest sets up");
    setUpApplication();
    // Nothing but the embedded fonts, beside fontconfig's generic names that
    // are always listed: otherwise this run proves nothing.
    QStringList families = QFontDatabase::families();
    for (const char* generic : {"Monospace", "Sans Serif", "Serif"})
        families.removeOne(QLatin1String(generic));
    families.sort();
    QCOMPARE(families, (QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Vantrel Arabic"),
                                    QStringLiteral("Vantrel CJK"), QStringLiteral("Vantrel Devanagari")}));
    app_ = std::make_unique<TestApp>();
    QVERIFY(QTest::qWaitForWindowExposed(&app_->form));
}

void TestNoFonts::captionRendersAndFits_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("reserved"); // pixels the control keeps for itself
    for (const ElementDef& def : elementTable()) {
        if (!def.caption)
            continue;
        const int reserved = def.kind == Kind::OptionButton ? 18 : def.kind == Kind::Label ? 0 : 8;
        QTest::newRow(def.name) << int(def.id) << reserved;
    }
}

void TestNoFonts::captionRendersAndFits()
{
    QFETCH(int, id);
    QFETCH(int, reserved);
    const ElementDef& def = elementTable()[static_cast<std::size_t>(id)];
    const QString caption = QString::fromLatin1(def.caption);
    QWidget* control = app_->form.widget(def.id);
    const QFont font = control ? control->font() : designFont(def.font);

    const QFontInfo info(font);
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QVERIFY(info.bold());
    const QFontMetrics metrics(font);
    const QRectF rect = pixelRect(def.geometry);
    QVERIFY2(metrics.horizontalAdvance(caption) + reserved <= rect.width(),
             qPrintable(QStringLiteral("%1 px wide in %2").arg(metrics.horizontalAdvance(caption)).arg(rect.width())));
    QVERIFY2(metrics.ascent() + metrics.tightBoundingRect(caption).bottom() <= rect.height(),
             qPrintable(QStringLiteral("ink ends below %1 px").arg(rect.height())));

    if (control) {
        // The control drawn with and without its caption.
        const char* property = def.kind == Kind::GroupBox ? "title" : "text";
        const QImage with = control->grab().toImage();
        control->setProperty(property, QString());
        const QImage without = control->grab().toImage();
        control->setProperty(property, caption);
        QVERIFY2(differing(with, without) > 10 * caption.size(), "the caption draws nothing");
    } else {
        // A label is its background and the ink of its text.
        const QImage shot = app_->shot().convertToFormat(QImage::Format_RGB32);
        const QColor colour = resolveColour(def.colour);
        const QRect inWindow = app_->form.elementRect(def.id).toRect();
        QVERIFY2(pixelsOf(shot, inWindow, colour.rgb()) > 10 * caption.size(), "the caption draws nothing");
    }
}

QTEST_MAIN(TestNoFonts)
#include "tst_nofonts.moc"
