// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in every language: the captions are the catalogs' as their
// translators wrote them in po/, they fit, Play and Set Angle work in the
// language's own words and numbers, the spoken frame reads as the catalog
// says, and the scene is the very same picture in every script.
#include "pofile.h"

#include "desktop/program.h"
#include "desktop/startup.h"
#include "window/locales.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QFontMetricsF>
#include <QTest>

#include <functional>
#include <memory>

using namespace vantrel;

namespace {

// The designed sizes in pixels: 1 pt is 20 twips, a pixel 15.
int designedPixels(const FontDef& font) { return qRound(font.points * 20.0 / 15.0); }

// Plural form of 90 ("90 degrees") by each language's grammar.
int pluralFormOf90(const QString& code)
{
    if (code == QLatin1String("ru"))
        return 2; // 90 ends in 0: the "many" form, градусов
    if (code == QLatin1String("ar"))
        return 4; // 11 to 99: the "many" form
    if (code == QLatin1String("zh_CN") || code == QLatin1String("id"))
        return 0; // one form only
    return 1;
}

struct Window {
    explicit Window(const LanguageDef& def)
    {
        setUpApplication(Language(def));
        program = std::make_unique<Program>(Language(def));
        program->form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program->form));
    }
    ~Window() { QApplication::setLayoutDirection(Qt::LeftToRight); }

    MainWindow& form() { return program->form; }
    std::unique_ptr<Program> program;
};

// The stator with its phasors, and the chart with its cursor: no words.
QList<QImage> sceneOf(MainWindow& form)
{
    return {form.grab(QRect(0, 0, 560, 565)).toImage(), form.grab(form.elementRect(Id::waveformChart).toAlignedRect()).toImage()};
}

} // namespace

class TstLanguages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void languages_data();
    void languages();
    void pseudoLocale();
};

void TstLanguages::languages_data()
{
    QTest::addColumn<QString>("code");
    for (const LanguageDef& def : vantrel::languages()) {
        if (std::string_view(def.code) != "en")
            QTest::newRow(def.code) << QString::fromLatin1(def.code);
    }
}

void TstLanguages::languages()
{
    QFETCH(QString, code);
    const LanguageDef* def = findLanguage(code.toStdString());
    QVERIFY(def);
    const potest::Entries po = potest::readCatalog(code);
    QVERIFY2(!po.empty(), qPrintable(code));
    const auto tr = [&](const char* msgid, const char* context = "", std::size_t form = 0) {
        const auto found = po.find({context, msgid});
        return found == po.end() ? QString() : QString::fromStdString(found->second.strings.at(form));
    };

    // The same frame in English, for the scene's pixels.
    QList<QImage> english;
    {
        Window w(vantrel::english());
        w.form().angleBox()->setText(QStringLiteral("90"));
        QTest::mouseClick(w.form().setAngleButton(), Qt::LeftButton);
        english = sceneOf(w.form());
    }

    Window w(*def);
    MainWindow& form = w.form();
    // Every caption is the catalog's, and fits its designed rectangle.
    for (const ElementDef& e : elementTable()) {
        if (!e.caption || e.id == Id::angleBox || std::string_view(e.name).starts_with("Label1"))
            continue;
        const QString want = tr(e.caption);
        QVERIFY2(!want.isEmpty(), e.caption);
        QWidget* control = form.widget(e.id);
        QString shown;
        if (auto* box = qobject_cast<QGroupBox*>(control))
            shown = box->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else
            shown = QString::fromStdString(form.scene()[e.id].caption);
        QCOMPARE(shown, want);
        if (!control) {
            // A painted label cut off by its rectangle leaves ink where it is
            // cut: in its last column (the first from the right), or in its
            // bottom row where a second line begins.
            const QImage label = form.grab(form.elementRect(e.id).toAlignedRect()).toImage();
            const QColor grey(0xC0, 0xC0, 0xC0);
            const int edge = def->rightToLeft ? 0 : label.width() - 1;
            for (int y = 0; y < label.height(); ++y)
                QVERIFY2(label.pixelColor(edge, y) == grey, e.name);
            for (int x = 0; x < label.width(); ++x)
                QVERIFY2(label.pixelColor(x, label.height() - 1) == grey, e.name);
            continue;
        }
        // A shrunk caption keeps at least four fifths of its designed size.
        QVERIFY2(control->font().pixelSize() * 5 >= designedPixels(e.font) * 4, e.name);
        const QStyle* style = control->style();
        double room = control->width();
        if (qobject_cast<QRadioButton*>(control))
            room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                    style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        else if (qobject_cast<QPushButton*>(control))
            room -= 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        else
            room -= 2 * 10; // the group box's caption indent and padding
        QVERIFY2(QFontMetricsF(control->font()).horizontalAdvance(shown) <= room,
                 qPrintable(QStringLiteral("%1: \"%2\" is wider than %3 px").arg(e.name, shown).arg(room)));
    }

    // Play turns into the language's Pause and back.
    QTest::mouseClick(form.playButton(), Qt::LeftButton);
    QCOMPARE(form.playButton()->text(), tr("Pause"));
    QTest::mouseClick(form.playButton(), Qt::LeftButton);
    QCOMPARE(form.playButton()->text(), tr("Play"));

    // A decimal comma where the language writes one: 400.5 is reduced to 40.5
    // and drawn as angle 71, 40 whole degrees.
    form.angleBox()->setText(QStringLiteral("400,5"));
    QTest::mouseClick(form.setAngleButton(), Qt::LeftButton);
    if (def->decimalComma) {
        QCOMPARE(form.angleBox()->text(), QStringLiteral("40,5"));
        QCOMPARE(QString::fromStdString(form.scene()[Id::readOut].caption), QStringLiteral("40") + tr(" deg."));
    } else {
        QCOMPARE(form.angleBox()->text(), QStringLiteral("400,5"));
        QCOMPARE(QString::fromStdString(form.scene()[Id::readOut].caption), QStringLiteral("0") + tr(" deg."));
    }

    // At 90 degrees: the spoken frame in the catalog's words, and the scene
    // exactly as in English, never mirrored.
    form.angleBox()->setText(QStringLiteral("90"));
    QTest::mouseClick(form.setAngleButton(), Qt::LeftButton);
    const QString comma = def->decimalComma ? QStringLiteral(",") : QStringLiteral(".");
    const QString spoken =
        tr("{0} {1} {2}", "spoken frame")
            .replace(QStringLiteral("{0}"), tr("Phase angle {0} degree.", "", pluralFormOf90(code))
                                                .replace(QStringLiteral("{0}"), QStringLiteral("90")))
            .replace(QStringLiteral("{1}"), tr("Currents: R {0}, Y {1}, B {2}.")
                                                .replace(QStringLiteral("{0}"), "+1" + comma + "00")
                                                .replace(QStringLiteral("{1}"), "-0" + comma + "50")
                                                .replace(QStringLiteral("{2}"), "-0" + comma + "50"))
            .replace(QStringLiteral("{2}"), tr("Field points left."));
    const std::function<bool(QAccessibleInterface*)> says = [&](QAccessibleInterface* a) {
        if (!a)
            return false;
        if (a->text(QAccessible::Description) == spoken)
            return true;
        for (int i = 0; i < a->childCount(); ++i) {
            if (says(a->child(i)))
                return true;
        }
        return false;
    };
    const bool heard = says(QAccessible::queryAccessibleInterface(&form));
    QVERIFY2(heard, qPrintable(QStringLiteral("nothing in the window says \"%1\"").arg(spoken)));
    QCOMPARE(sceneOf(form), english);

    // Right to left where the language writes so: the controls and the box
    // follow, an option's mark standing right of its text.
    const Qt::LayoutDirection direction = def->rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    QCOMPARE(form.angleBox()->layoutDirection(), direction);
    QStyleOptionButton option;
    option.initFrom(form.mediumOption());
    const QStyle* style = form.mediumOption()->style();
    const bool markRight = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, form.mediumOption()).x() >
                           style->subElementRect(QStyle::SE_RadioButtonContents, &option, form.mediumOption()).x();
    QCOMPARE(markRight, def->rightToLeft);
}

// The testers' language: every word bracketed and accented, the names and
// the number in the box as they are.
void TstLanguages::pseudoLocale()
{
    Window w(vantrel::pseudoLocale());
    MainWindow& form = w.form();
    const QList<QAbstractButton*> buttons{form.playButton(), form.setAngleButton(), form.mediumOption()};
    for (QAbstractButton* button : buttons) {
        const QString text = button->text();
        QVERIFY2(text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')), qPrintable(text));
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(text));
    }
    QCOMPARE(form.angleBox()->text(), QStringLiteral("60"));
    QCOMPARE(QString::fromStdString(form.scene()[Id::r1Caption].caption), QStringLiteral("R1"));
}

QTEST_MAIN(TstLanguages)
#include "tst_languages.moc"
