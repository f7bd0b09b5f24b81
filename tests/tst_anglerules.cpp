// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Set Angle's box hands its text to the rules as UTF-8; the rules' own
// outcomes are checked without Qt in tests/core/.
#include "scene/numbertext.h"

#include <QTest>

class TestAngleRules : public QObject {
    Q_OBJECT
private slots:
    void blanksAsQtCountsThem();
};

// Around a number the rules ignore exactly what QString::trimmed() removes,
// for every code point, and nothing else but digits joins the number.
void TestAngleRules::blanksAsQtCountsThem()
{
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code < 0xE000)
            continue; // surrogates are no characters of their own
        const QString c = QString::fromUcs4(&code, 1);
        const QString text = c + QLatin1Char('5') + c;
        const bool converts = text.trimmed() == QLatin1String("5") || (code >= '0' && code <= '9');
        if (vantrel::textToNumber(text.toStdString()).has_value() != converts)
            QFAIL(qPrintable(QStringLiteral("U+%1 around 5: %2").arg(code, 4, 16, QLatin1Char('0')).arg(converts ? "refused" : "converted")));
    }
}

QTEST_APPLESS_MAIN(TestAngleRules)
#include "tst_anglerules.moc"
