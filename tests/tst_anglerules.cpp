// The arithmetic of the tick and of Set Angle, without a window.
#include "app/anglerules.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace vantrel;

class TestAngleRules : public QObject {
    Q_OBJECT
private slots:
    void tick_data();
    void tick();
    void textToNumber_data();
    void textToNumber();
    void numberTextReadsBack_data();
    void numberTextReadsBack();
    void nearestInt16_data();
    void nearestInt16();
    void setAngle_data();
    void setAngle();
};

void TestAngleRules::tick_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("next");
    QTest::newRow("start") << 0 << 1;
    QTest::newRow("last step of the cycle") << 627 << 628;
    QTest::newRow("628 wraps") << 628 << 0;
    QTest::newRow("entered above the cycle") << 1118 << 0;
    QTest::newRow("just below the top") << 32766 << 0;
    QTest::newRow("top of the range wraps, no overflow") << 32767 << 0;
    QTest::newRow("negative counts up") << -157 << -156;
    QTest::newRow("minus one reaches zero") << -1 << 0;
    QTest::newRow("bottom of the range") << -32768 << -32767;
}

void TestAngleRules::tick()
{
    QFETCH(int, angle);
    QFETCH(int, next);
    QCOMPARE(int{nextAngle(static_cast<std::int16_t>(angle))}, next);
}

void TestAngleRules::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "60" << true << 60.0;
    QTest::newRow("negative") << "-90" << true << -90.0;
    QTest::newRow("plus sign") << "+45" << true << 45.0;
    QTest::newRow("fraction") << "12.5" << true << 12.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("exponent") << "1e2" << true << 100.0;
    QTest::newRow("negative exponent") << "-2.5E-1" << true << -0.25;
    QTest::newRow("surrounding blanks") << " 90 " << true << 90.0;
    QTest::newRow("tab and blanks") << "\t 7\t" << true << 7.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << true << std::numeric_limits<double>::max();
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing garbage") << "12abc" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("signed nan") << "-nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("infinity") << "-Infinity" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("beyond a double") << "1e400" << false << 0.0;
    QTest::newRow("negative beyond a double") << "-1e400" << false << 0.0;
    QTest::newRow("too close to zero reads as zero") << "1e-400" << true << 0.0;
    QTest::newRow("subnormal") << "1e-310" << true << 1e-310;
    QTest::newRow("two signs") << "+-5" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("comma decimal") << "1,5" << false << 0.0;
    QTest::newRow("bare exponent") << "e5" << false << 0.0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0666\u0660") << false << 0.0;
    QTest::newRow("full-width digits") << QString::fromUtf8("\uFF16\uFF10") << false << 0.0;
    QTest::newRow("letter whose low byte is a digit") << QString::fromUtf8("\u01360") << false << 0.0;
    QTest::newRow("embedded nul") << QString::fromLatin1("6\0" "0", 3) << false << 0.0;
}

void TestAngleRules::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(double, value);
    const std::optional<double> result = vantrel::textToNumber(text);
    QCOMPARE(result.has_value(), converts);
    if (converts)
        QCOMPARE(*result, value);
}

void TestAngleRules::numberTextReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole number has no fraction") << 640.0 << "640";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("large whole") << 19640.0 << "19640";
    QTest::newRow("fraction") << 0.5 << "0.5";
    QTest::newRow("decimal fraction") << 1000.1 - 360.0 << "640.1";
    QTest::newRow("round hundred thousand stays positional") << 100000.0 << "100000";
    QTest::newRow("small fraction stays positional") << 0.0001 << "0.0001";
    QTest::newRow("huge takes an exponent") << 1e300 << "1e+300";
    QTest::newRow("tiny takes an exponent") << 1e-7 << "1e-07";
}

// Set Angle writes a reduced number back and reads it again: the text must
// carry exactly the value, and a whole number must look whole.
void TestAngleRules::numberTextReadsBack()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    const QString written = numberToText(value);
    QCOMPARE(written, text);
    QCOMPARE(vantrel::textToNumber(written), std::optional<double>(value));
}

void TestAngleRules::nearestInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("result");
    QTest::newRow("rounds up") << 104.7 << true << 105;
    QTest::newRow("rounds down") << 628.2 << true << 628;
    QTest::newRow("negative") << -157.05 << true << -157;
    QTest::newRow("half to even, down") << 2.5 << true << 2;
    QTest::newRow("half to even, up") << 3.5 << true << 4;
    QTest::newRow("negative half to even") << -2.5 << true << -2;
    QTest::newRow("top") << 32767.4 << true << 32767;
    QTest::newRow("half above the top") << 32767.5 << false << 0;
    QTest::newRow("bottom half goes to the even bottom") << -32768.5 << true << -32768;
    QTest::newRow("below the bottom") << -32768.6 << false << 0;
    QTest::newRow("far out") << 34271.8 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestAngleRules::nearestInt16()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, result);
    const std::optional<std::int16_t> r = vantrel::nearestInt16(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(int{*r}, result);
}

void TestAngleRules::setAngle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<int>("angleAfter");
    QTest::newRow("start text") << "60" << 0 << "60" << 105;
    QTest::newRow("360 is not reduced") << "360" << 0 << "360" << 628;
    QTest::newRow("361 reduced once") << "361" << 0 << "1" << 2;
    QTest::newRow("720 reduced to 360") << "720" << 0 << "360" << 628;
    QTest::newRow("1000 reduced once only") << "1000" << 0 << "640" << 1117;
    QTest::newRow("negative") << "-90" << 0 << "-90" << -157;
    QTest::newRow("empty keeps all") << "" << 42 << "" << 42;
    QTest::newRow("letters keep all") << "abc" << 42 << "abc" << 42;
    QTest::newRow("20000 reduced, angle out of range") << "20000" << 42 << "19640" << 42;
    QTest::newRow("-20000 out of range") << "-20000" << 42 << "-20000" << 42;
    QTest::newRow("blanks around") << " 90 " << 0 << " 90 " << 157;
    QTest::newRow("exponent") << "1e2" << 0 << "1e2" << 174;
    QTest::newRow("exponent above a turn") << "1e3" << 0 << "640" << 1117;
    // Written back so that it reads back as exactly the same number, in digits.
    QTest::newRow("1000360 written back in digits") << "1000360" << 9 << "1000000" << 9;
    QTest::newRow("1234.5678 to its shortest digits") << "1234.5678" << 0 << "874.5678" << 1526;
    QTest::newRow("360.1 to every digit it needs") << "360.1" << 9 << "0.10000000000002274" << 0;
    QTest::newRow("nan") << "nan" << 42 << "nan" << 42;
    QTest::newRow("inf") << "inf" << 42 << "inf" << 42;
    QTest::newRow("trailing garbage") << "12abc" << 42 << "12abc" << 42;
    QTest::newRow("fraction above a turn") << "360.5" << 0 << "0.5" << 1;
    QTest::newRow("largest that fits") << "18777.5" << 0 << "18417.5" << 32139;
    QTest::newRow("huge") << "1e300" << 7 << "1e+300" << 7;
}

void TestAngleRules::setAngle()
{
    QFETCH(QString, text);
    QFETCH(int, before);
    QFETCH(QString, boxAfter);
    QFETCH(int, angleAfter);
    const SetAngleOutcome out = setAngleFromText(text, static_cast<std::int16_t>(before));
    QCOMPARE(out.writtenText.value_or(text), boxAfter);
    QCOMPARE(out.writtenText.has_value(), boxAfter != text);
    QCOMPARE(int{out.angle}, angleAfter);
}

QTEST_APPLESS_MAIN(TestAngleRules)
#include "tst_anglerules.moc"
