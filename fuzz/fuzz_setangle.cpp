// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Set Angle against anything a student can type.
//
// An input is a starting angle (two bytes, little-endian) followed by the
// box's text as UTF-8. Each input goes through the arithmetic alone and then
// through the real handler on a real window, and both must leave exactly the
// text and angle that the conversion rules give, worked out here on their own
// terms with strtod in the C locale, and the frame that the reference
// (tests/reference/frames.py, as the build writes it out) gives for the
// angle.
#include "degreesfor.h"
#include "referenceframes.h"

#include "desktop/program.h"
#include "desktop/startup.h"
#include "scene/anglerules.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>

namespace {

// ---- the conversion rules, stated independently of the program ----

// A plain decimal number: optional sign, digits with an optional fraction (at
// least one digit in all), an optional exponent with at least one digit,
// blanks around it ignored. Nothing else, and nothing beyond a double's range.
// A number too close to zero for a double is still a number: it reads as zero.
std::optional<double> readNumber(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].isSpace())
        ++first;
    while (last > first && text[last - 1].isSpace())
        --last;
    std::string s;
    for (qsizetype i = first; i < last; ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7f)
            return std::nullopt;
        s.push_back(static_cast<char>(c));
    }

    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;

    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    const double value = strtod_l(s.c_str(), &end, c);
    if (end != s.c_str() + s.size()) {
        std::fprintf(stderr, "strtod disagrees with the grammar on \"%s\"\n", s.c_str());
        std::abort();
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// Digits that matter in a written number: the mantissa without sign, point,
// leading or trailing zeros.
int significantDigits(const std::string& written)
{
    std::string digits;
    for (char ch : written.substr(0, written.find_first_of("eE"))) {
        if (ch >= '0' && ch <= '9')
            digits.push_back(ch);
    }
    const auto a = digits.find_first_not_of('0');
    if (a == std::string::npos)
        return 1;
    const auto b = digits.find_last_not_of('0');
    return static_cast<int>(b - a + 1);
}

int fewestDigitsThatReadBack(double value)
{
    for (int precision = 1; precision < 17; ++precision) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value)
            return precision;
    }
    return 17;
}

// Why a number written back into the box is not the plain text form of
// `value`, or empty when it is: it reads back exactly, in positional notation
// for any magnitude a person types, tidy (no sign for a positive number, no
// leading or trailing zeros), a whole number without a fraction, and a
// fraction with no more digits than reading back exactly needs.
QString writtenWrongly(const QString& written, double value)
{
    const std::optional<double> back = readNumber(written);
    if (!back || *back != value)
        return QStringLiteral("does not read back as the value");
    static const QRegularExpression tidy(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?([eE][+-]?[0-9]+)?$"));
    if (!tidy.match(written).hasMatch())
        return QStringLiteral("is not tidy");
    const std::string s = written.toStdString();
    const double magnitude = std::abs(value);
    const bool exponent = s.find_first_of("eE") != std::string::npos;
    const bool fraction = s.find('.') != std::string::npos;
    if (exponent && (magnitude == 0 || (magnitude >= 1e-5 && magnitude < 1e15)))
        return QStringLiteral("uses an exponent");
    if (!exponent && fraction && value == std::floor(value))
        return QStringLiteral("gives a whole number a fraction");
    // Whole numbers in digits are exact as they stand; anything else is
    // rounded and must stop at the first digits that read back.
    if ((exponent || fraction) && significantDigits(s) != fewestDigitsThatReadBack(value))
        return QStringLiteral("has %1 significant digits, %2 are enough")
            .arg(significantDigits(s))
            .arg(fewestDigitsThatReadBack(value));
    return {};
}

// The nearest integer, a half going to the even neighbour, when it fits.
std::optional<std::int16_t> nearest16(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    double r = std::floor(x);
    const double rest = x - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0))
        r += 1;
    if (r < -32768 || r > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

struct Expected {
    bool reduced = false;     // a number above 360: the box gets value - 360
    double reducedValue = 0;
    std::int16_t angle = 0;
};

Expected expectedSetAngle(const QString& text, std::int16_t angle)
{
    Expected e;
    e.angle = angle;
    std::optional<double> degrees = readNumber(text);
    if (degrees && *degrees > 360) {
        e.reduced = true;
        e.reducedValue = *degrees - 360;
        degrees = e.reducedValue; // the written text reads back exactly (checked)
    }
    if (degrees) {
        if (const auto a = nearest16(*degrees * 1.745))
            e.angle = *a;
    }
    return e;
}

// ---- the harness ----

[[noreturn]] void fail(const QString& text, std::int16_t start, const QString& what)
{
    std::fprintf(stderr, "Set Angle with \"%s\" from angle %d: %s\n", text.toUtf8().constData(), start,
                 what.toUtf8().constData());
    std::abort();
}

using Window = vantrel::Program;

Window* window = nullptr;
const reference::Frames* frames = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The build's own reference, unless the run names another.
    if (qEnvironmentVariableIsEmpty("VANTREL_REFERENCE_FRAMES"))
        qputenv("VANTREL_REFERENCE_FRAMES", VANTREL_REFERENCE_FRAMES_FILE);
    frames = new reference::Frames;
    if (!frames->error().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(frames->error()));
        std::abort();
    }
    // Lives for the whole run; the fuzzer ends the process from inside.
    new QApplication(*argc, *argv);
    vantrel::setUpApplication();
    window = new Window;
    window->form.ticker()->stop(); // only Set Angle moves the scene here
    window->form.show();
    while (!window->form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return -1;
    const auto start = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));

    // The arithmetic alone.
    const Expected want = expectedSetAngle(text, start);
    const vantrel::SetAngleOutcome got = vantrel::setAngleFromText(text.toStdString(), start);
    const QString written = QString::fromStdString(got.writtenText.value_or(std::string()));
    if (got.writtenText.has_value() != want.reduced)
        fail(text, start, want.reduced ? QStringLiteral("nothing written back") : QStringLiteral("wrote back ") + written);
    if (want.reduced) {
        if (const QString why = writtenWrongly(written, want.reducedValue); !why.isEmpty())
            fail(text, start, QStringLiteral("wrote back \"%1\", which %2").arg(written, why));
    }
    if (got.angle != want.angle)
        fail(text, start, QStringLiteral("angle %1, expected %2").arg(got.angle).arg(want.angle));

    // The same through the window: the box, the handler, the frame, the
    // repaint, from the starting angle as Set Angle reaches it.
    QLineEdit* box = window->form.angleBox();
    box->setText(degreesFor(start));
    window->form.run(vantrel::Command::SetAngle);
    if (window->session.state().angle != start)
        fail(text, start, QStringLiteral("the starting angle cannot be reached"));
    box->setText(text);
    const QString typed = box->text(); // the box may hold less than it was given
    const Expected inBox = typed == text ? want : expectedSetAngle(typed, start);
    const QString boxAfter = inBox.reduced ? QString::fromStdString(vantrel::setAngleFromText(typed.toStdString(), start).writtenText.value_or(std::string())) : typed;
    const vantrel::SceneState before = window->form.scene();
    window->form.run(vantrel::Command::SetAngle);
    if (box->text() != boxAfter)
        fail(text, start, QStringLiteral("box shows \"%1\", expected \"%2\"").arg(box->text(), boxAfter));
    if (window->session.state().angle != inBox.angle)
        fail(text, start, QStringLiteral("window angle %1, expected %2").arg(window->session.state().angle).arg(inBox.angle));
    if (const QString wrong = frames->mismatch(inBox.angle, before, window->form.scene()); !wrong.isEmpty())
        fail(text, start, wrong);
    QCoreApplication::processEvents();
    return 0;
}
