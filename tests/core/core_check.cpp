// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core alone, on whatever compiler and C++ library built it: no Qt.
//
//   core_check check OUT [LOCALE]  Set Angle's rules, the session, a frame
//                                  written into the elements and the pictures,
//                                  on tables whose outcomes are worked out by
//                                  hand; under LOCALE (a C locale with a
//                                  decimal comma) when given. Writes every
//                                  outcome to OUT, fails on a wrong one.
//   core_check frames OUT          the frame of every 16-bit angle, in the
//                                  format of tests/reference/frames.py
//   core_check corpus OUT FILE...  Set Angle on each fuzz input: a starting
//                                  angle (two bytes, little-endian), then
//                                  the box's text
//   core_check session OUT         a scripted run of the session: each call,
//                                  the state after it, and what it reported
//                                  changed, with the frame it then shows
//   core_check pictures OUT        the three pictures' pixels, in hex
//
// OUT is written in binary, so that the runtimes can be compared byte for byte.
#include "check.h"

#include "scene/anglerules.h"
#include "scene/frame.h"
#include "scene/numbertext.h"

#include <cmath>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace vantrel;

namespace corecheck {
namespace {
std::string out;
int failureCount = 0;
} // namespace

void line(const std::string& text) { out += text + '\n'; }

void fail(const std::string& what)
{
    ++failureCount;
    line("FAIL " + what);
}

int failures() { return failureCount; }

// Bytes as C would write them, so that any text prints on one line.
std::string printable(std::string_view s)
{
    std::string q = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            q += static_cast<char>(c);
        } else {
            static const char* hex = "0123456789abcdef";
            q += "\\x";
            q += hex[c >> 4];
            q += hex[c & 15];
        }
    }
    return q + '"';
}

std::string coordinate(float f)
{
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, f, std::chars_format::fixed);
    return ec == std::errc{} ? std::string(text, end) : "?";
}

} // namespace corecheck

using namespace corecheck;

namespace {

// A double's exact bits, the same text on every runtime.
std::string bits(double d)
{
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(d)));
    return text;
}

std::string number(const std::optional<double>& d) { return d ? bits(*d) : "none"; }

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

void checkTick()
{
    const struct { int angle, next; } rows[] = {
        {0, 1}, {627, 628}, {628, 0}, {1118, 0}, {32766, 0}, {32767, 0}, {-157, -156}, {-1, 0}, {-32768, -32767}};
    for (const auto& r : rows) {
        const int got = nextAngle(static_cast<std::int16_t>(r.angle));
        line("tick " + std::to_string(r.angle) + " -> " + std::to_string(got));
        if (got != r.next)
            fail("tick from " + std::to_string(r.angle) + ", expected " + std::to_string(r.next));
    }
}

void checkTextToNumber()
{
    const struct { std::string text; std::optional<double> value; } rows[] = {
        {"60", 60.0}, {"-90", -90.0}, {"+45", 45.0}, {"12.5", 12.5}, {".5", 0.5}, {"5.", 5.0},
        {"1e2", 100.0}, {"-2.5E-1", -0.25}, {" 90 ", 90.0}, {"\t 7\t", 7.0},
        {"1.7976931348623157e308", kMax},
        // Beyond the largest double only by less than half its last place.
        {"1.7976931348623158e308", kMax},
        {"0.1", 0.1}, {"0.000001", 1e-6}, {"123456789.125", 123456789.125},
        {"00000000000000000000000000000000000000001.5", 1.5},
        {"1500000000000000000000000000000000000000e-39", 1.5},
        {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt},
        {"1 2", std::nullopt}, {"nan", std::nullopt}, {"-nan", std::nullopt}, {"inf", std::nullopt},
        {"-Infinity", std::nullopt}, {"0x10", std::nullopt}, {"1e400", std::nullopt},
        {"-1e400", std::nullopt}, {"1.7976931348623159e308", std::nullopt},
        {"1e99999999999999999999", std::nullopt},
        // Too close to zero for a double: zero, not a refusal.
        {"1e-400", 0.0}, {"1e-99999999999999999999", 0.0}, {"1e-310", 1e-310},
        {"4.9406564584124654e-324", 4.9406564584124654e-324}, {"2e-324", 0.0},
        {"+-5", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {"1,5", std::nullopt},
        {"e5", std::nullopt}, {"1e", std::nullopt}, {"1e+", std::nullopt}, {"1.5.2", std::nullopt},
        {"\xD9\xA6\xD9\xA0", std::nullopt},        // Arabic-Indic 60
        {"\xEF\xBC\x96\xEF\xBC\x90", std::nullopt}, // full-width 60
        {"\xC4\xB6" "0", std::nullopt},          // a letter whose low byte is a digit
        {std::string("6\0" "0", 3), std::nullopt},
        {"\xC2\xA0" "45\xE3\x80\x80", 45.0},        // no-break and ideographic spaces around
        {"\xE2\x80\x8B" "45", std::nullopt},         // a zero-width space is no blank
        // Blanks as the desktop's text box trims them: \t to \r, U+0085 and
        // Unicode's separators (Zs, Zl, Zp), on either side.
        {"\r\n\xC2\x85" "5\xE1\x9A\x80\xE2\x80\x8A\xE2\x80\xA8\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\x9F", 5.0},
        {"\xE2\x80\x80\v\f" "5\xC2\xA0", 5.0}, {"\x1C" "5", std::nullopt}, {"5\xE2\x80\x8C", std::nullopt},
    };
    for (const auto& r : rows) {
        const std::optional<double> got = textToNumber(r.text);
        line("number " + printable(r.text) + " -> " + number(got));
        if (got.has_value() != r.value.has_value() || (got && *got != *r.value))
            fail("textToNumber " + printable(r.text) + ", expected " + number(r.value));
    }
}

void checkNumberToText()
{
    const struct { double value; std::string text; } rows[] = {
        {640.0, "640"}, {0.0, "0"}, {1.0, "1"}, {19640.0, "19640"}, {0.5, "0.5"},
        {1000.1 - 360.0, "640.1"}, {100000.0, "100000"}, {0.0001, "0.0001"}, {1e-5, "0.00001"},
        {1e300, "1e+300"}, {1e-7, "1e-07"}, {1e15, "1e+15"}, {999999999999999.0, "999999999999999"},
        {0.1 + 0.2, "0.30000000000000004"}, {18417.5, "18417.5"}, {kMax, "1.7976931348623157e+308"},
        {1e23, "1e+23"}, {123456.789e100, "1.23456789e+105"},
        // Powers of two, whose lower neighbour is nearer than the upper: the
        // nearest 16 digits read back as the double below, the next ones up
        // do not (the shortest texts as Python's repr writes them).
        {0x1p-44, "5.684341886080802e-14"}, {0x1p-24, "5.960464477539063e-08"}, {0x1p89, "6.189700196426902e+26"},
        {9007199254740992.0, "9.007199254740992e+15"},
        {5e-324, "5e-324"}, {0.3, "0.3"}, {2.0 / 3.0, "0.6666666666666666"},
        // Either side of the switch between positional and exponent forms.
        {9.999999999999999e-06, "9.999999999999999e-06"}, {0x1p-17, "7.62939453125e-06"}, {0x1p-16, "0.0000152587890625"},
        {123456789012345.67, "123456789012345.67"}, {1e15 - 0.125, "999999999999999.9"}, {-0.0, "-0"},
    };
    for (const auto& r : rows) {
        const std::string got = numberToText(r.value);
        line("text " + bits(r.value) + " -> " + printable(got));
        if (got != r.text)
            fail("numberToText " + bits(r.value) + ", expected " + printable(r.text));
        if (textToNumber(got) != r.value)
            fail(printable(got) + " does not read back");
    }
}

void checkNearestInt16()
{
    const struct { double value; std::optional<int> result; } rows[] = {
        {104.7, 105}, {628.2, 628}, {-157.05, -157}, {2.5, 2}, {3.5, 4}, {-2.5, -2},
        {32767.4, 32767}, {32767.5, std::nullopt}, {-32768.5, -32768}, {-32768.6, std::nullopt},
        {34271.8, std::nullopt}, {kInf, std::nullopt}, {std::numeric_limits<double>::quiet_NaN(), std::nullopt}};
    for (const auto& r : rows) {
        const std::optional<std::int16_t> got = nearestInt16(r.value);
        line("int16 " + bits(r.value) + " -> " + (got ? std::to_string(*got) : "none"));
        if (got.has_value() != r.result.has_value() || (got && *got != *r.result))
            fail("nearestInt16 " + bits(r.value));
    }
}

std::string outcome(const SetAngleOutcome& o)
{
    return "box " + (o.writtenText ? printable(*o.writtenText) : std::string("unchanged")) + ", angle " +
           std::to_string(o.angle);
}

void checkSetAngle()
{
    const struct { std::string text; int before; std::optional<std::string> written; int after; } rows[] = {
        // The rows the user meets first are checked through the handlers.
        {" 90 ", 0, std::nullopt, 157},
        {"1e2", 0, std::nullopt, 174},
        {"1e3", 0, "640", 1117},
        {"1000360", 9, "1000000", 9},
        {"1234.5678", 0, "874.5678", 1526},
        {"360.1", 9, "0.10000000000002274", 0},
        {"nan", 42, std::nullopt, 42},
        {"inf", 42, std::nullopt, 42},
        {"12abc", 42, std::nullopt, 42},
        {"360.5", 0, "0.5", 1},
        {"18777.5", 0, "18417.5", 32139},
        {"1e300", 7, "1e+300", 7},
        {"12.5", 3, std::nullopt, 22},
        {"1000.1", 0, "640.1", 1117},
        {"1e-400", 5, std::nullopt, 0},
    };
    for (const auto& r : rows) {
        const SetAngleOutcome got = setAngleFromText(r.text, static_cast<std::int16_t>(r.before));
        line("set angle " + printable(r.text) + " from " + std::to_string(r.before) + " -> " + outcome(got));
        if (got.writtenText != r.written || got.angle != r.after)
            fail("Set Angle " + printable(r.text));
    }
}

// A link carries the text that Set Angle turns back into the same tick,
// whole degrees where one reaches it; 120 degrees is tick 209, which the
// read-out shows as 119.
void checkAngleText()
{
    const struct { int angle; const char* text; } rows[] = {
        {0, "0"}, {209, "120"}, {208, "119"}, {210, "120.3"}, {628, "360"}, {157, "90"}};
    for (const auto& r : rows) {
        if (angleText(static_cast<std::int16_t>(r.angle)) != r.text)
            fail("angle text " + std::to_string(r.angle) + ": " + angleText(static_cast<std::int16_t>(r.angle)));
    }
    for (int a = 0; a <= kLastTick; ++a) {
        const std::string text = angleText(static_cast<std::int16_t>(a));
        if (setAngleFromText(text, -1).angle != a)
            fail("angle text " + std::to_string(a) + " sets " + std::to_string(setAngleFromText(text, -1).angle));
        bool whole = false;
        for (int d = 0; d <= 360; ++d)
            whole = whole || std::nearbyint(d * 1.745) == a; // halves to even, as Set Angle rounds
        if (whole == (text.find('.') != std::string::npos))
            fail("angle text " + std::to_string(a) + " is " + text);
    }
}

int check(const char* localeName)
{
    if (localeName) {
        // As Qt does at start-up, with a locale whose decimal separator is a comma.
        if (!std::setlocale(LC_ALL, localeName) || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
            std::fprintf(stderr, "no locale %s with a decimal comma\n", localeName);
            return 2;
        }
    }
    checkTick();
    checkTextToNumber();
    checkNumberToText();
    checkNearestInt16();
    checkSetAngle();
    checkAngleText();
    checkSession();
    checkScene();
    checkPictures();
    checkLanguages();
    checkLayout();
    checkLab();
    checkLabSession();
    checkLabChart();
    checkLabAddress();
    return failures() == 0 ? 0 : 1;
}


std::string marksName(const PhaseFrame& p)
{
    if (p.kept)
        return "keep";
    return p.marks.cross ? "cross" : p.marks.dot ? "dot" : "none";
}

int frames()
{
    std::array<Marks, 3> before{};
    for (int angle = -32768; angle <= 32767; ++angle) {
        const Frame f = frameAt(static_cast<std::int16_t>(angle), before);
        before = f.marks();
        std::string l = std::to_string(f.angle) + ' ' + std::to_string(f.degrees) + ' ' + std::to_string(f.cursor);
        for (const PhaseFrame& p : f.phases)
            l += ' ' + std::to_string(static_cast<long long>(p.value));
        for (const PhaseFrame& p : f.phases)
            l += ' ' + marksName(p);
        for (const PhaseFrame& p : f.phases)
            l += ' ' + coordinate(p.end.x) + ' ' + coordinate(p.end.y);
        line(l + ' ' + coordinate(f.resultant.x) + ' ' + coordinate(f.resultant.y));
    }
    return 0;
}

int corpus(int count, char** files)
{
    for (int i = 0; i < count; ++i) {
        std::ifstream in(files[i], std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "cannot read %s\n", files[i]);
            return 2;
        }
        std::string_view name = files[i];
        name.remove_prefix(name.find_last_of("/\\") + 1);
        if (bytes.size() < 2) {
            line(std::string(name) + ": too short");
            continue;
        }
        const auto start = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[0]) |
                                                     static_cast<unsigned char>(bytes[1]) << 8);
        const std::string_view text = std::string_view(bytes).substr(2);
        line(std::string(name) + ": " + printable(text) + " from " + std::to_string(start) + " -> " +
             outcome(setAngleFromText(text, start)));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view mode = argc > 2 ? argv[1] : "";
    int status = 2;
    if (mode == "check")
        status = check(argc > 3 ? argv[3] : nullptr);
    else if (mode == "frames")
        status = frames();
    else if (mode == "corpus")
        status = corpus(argc - 3, argv + 3);
    else if (mode == "session")
        status = writeSession();
    else if (mode == "pictures")
        status = writePictures();
    else {
        std::fprintf(stderr, "usage: core_check check|frames|corpus|session|pictures OUT [LOCALE | FILE...]\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[2], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 2;
    }
    if (failures())
        std::fprintf(stderr, "%d wrong outcome(s), marked FAIL in %s\n", failures(), argv[2]);
    return status;
}
