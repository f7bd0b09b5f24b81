// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The designed window as data: a frame written into its elements by the
// session, and its three pictures against the figures they are drawn to.
#include "check.h"

#include "app/session.h"
#include "scene/frame.h"
#include "window/icons.h"
#include "window/layout.h"
#include "window/presentation.h"
#include "window/waveformchart.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace vantrel;

namespace corecheck {

// ---- A frame written into the elements ----

std::string marksOf(const SceneState& s)
{
    const Id ids[3][6] = {{Id::r1CrossA, Id::r1CrossB, Id::r1Dot, Id::r2CrossA, Id::r2CrossB, Id::r2Dot},
                          {Id::y1CrossA, Id::y1CrossB, Id::y1Dot, Id::y2CrossA, Id::y2CrossB, Id::y2Dot},
                          {Id::b1CrossA, Id::b1CrossB, Id::b1Dot, Id::b2CrossA, Id::b2CrossB, Id::b2Dot}};
    std::string out;
    for (const auto& m : ids) {
        // The two lines of one cross always go together.
        if (s[m[0]].visible != s[m[1]].visible || s[m[3]].visible != s[m[4]].visible)
            return "half a cross";
        out += out.empty() ? "" : " ";
        out += s[m[0]].visible ? 'x' : '-';
        out += s[m[2]].visible ? 'o' : '-';
        out += s[m[3]].visible ? 'x' : '-';
        out += s[m[5]].visible ? 'o' : '-';
    }
    return out;
}

namespace {

// The elements as the session keeps them: each frame drawn over the one
// before, reached through Set Angle.
struct Drawing {
    Session session;
    const SceneState& s = session.scene();
    void process(int angle)
    {
        session.textChanged(degreesFor(angle));
        session.command(Command::SetAngle);
        if (session.state().angle != angle)
            fail("Set Angle cannot reach " + std::to_string(angle));
    }
};

struct End {
    Id line;
    double x, y;
};

} // namespace

void checkScene()
{
    // Worked out by hand from the phase values: 2000 sin of each argument,
    // floored, the phasors leaving the centre (4500, 4500) at 0, 120 and 240
    // degrees. Every angle's frame is compared with the reference elsewhere;
    // these check that each figure lands on its element.
    const struct {
        int angle;
        std::string caption;
        int cursor;
        std::string marks; // R, Y, B; empty: not checked
        std::vector<End> ends;
    } rows[] = {
        {0, "0 deg.", 9340, "---- -ox- x--o",
         {{Id::rPhasor, 4500, 4500}, {Id::yPhasor, 3631.5, 6004.242}, {Id::bPhasor, 5368, 6003.376},
          {Id::resultant, 4499.5, 7507.618}}},
        {10, "5 deg.", 9420, "x--o -ox- x--o", {{Id::rPhasor, 4301, 4500}}},
        {157, "90 deg.", 10596, "x--o -ox- -ox-", {{Id::rPhasor, 2501, 4500}, {Id::resultant, 1508.5, 4502.598}}},
        {209, "119 deg.", 11012, "", {{Id::yPhasor, 4500, 4500}}},
        {314, "180 deg.", 11852, "---- x--o -ox-", {{Id::resultant, 4494.5, 1492.382}}},
        {471, "270 deg.", 13108, "-ox- x--o x--o", {{Id::rPhasor, 6500, 4500}, {Id::resultant, 7492, 4493.072}}},
        {-174, "-100 deg.", 7948, "-ox- x--o x--o", {}},
        // Beyond 16 bits the frame is still whole: the cursor lies off the chart.
        {2929, "1679 deg.", 32772, "", {}},
    };
    const SceneState designed;
    const std::set<Id> dynamic{Id::readOut, Id::timeCursor, Id::r1CrossA, Id::r1CrossB, Id::r1Dot, Id::r2CrossA, Id::r2CrossB, Id::r2Dot,
                               Id::y1CrossA, Id::y1CrossB, Id::y1Dot, Id::y2CrossA, Id::y2CrossB, Id::y2Dot, Id::b1CrossA, Id::b1CrossB, Id::b1Dot,
                               Id::b2CrossA, Id::b2CrossB, Id::b2Dot, Id::rPhasor, Id::yPhasor, Id::bPhasor, Id::resultant};
    for (const auto& r : rows) {
        Drawing d;
        d.process(r.angle);
        const SceneState& s = d.s;
        const std::string at = "frame " + std::to_string(r.angle) + ": ";
        line(at + s[Id::readOut].caption + ", x " + coordinate(s[Id::timeCursor].x1) + ", " + marksOf(s));
        if (s[Id::readOut].caption != r.caption)
            fail(at + "read-out, expected " + r.caption);
        const ElementState& x = s[Id::timeCursor];
        if (x.x1 != float(r.cursor) || x.x2 != float(r.cursor) || x.y1 != 2040.0f || x.y2 != 6960.0f)
            fail(at + "cursor, expected a vertical line at " + std::to_string(r.cursor));
        if (!r.marks.empty() && marksOf(s) != r.marks)
            fail(at + "marks, expected " + r.marks);
        for (Id id : {Id::rPhasor, Id::yPhasor, Id::bPhasor, Id::resultant})
            if (s[id].x1 != 4500.0f || s[id].y1 != 4500.0f)
                fail(at + element(id).name + " leaves the centre");
        for (const End& e : r.ends)
            if (std::abs(s[e.line].x2 - e.x) > 0.001 || std::abs(s[e.line].y2 - e.y) > 0.001)
                fail(at + element(e.line).name + " ends at " + coordinate(s[e.line].x2) + ", " +
                     coordinate(s[e.line].y2));
        for (const ElementDef& def : elementTable())
            if (!dynamic.contains(def.id) && !(s[def.id] == designed[def.id]))
                fail(at + def.name + " is fixed design, yet changed");
    }

    // At 203 the Y value is exactly 120, on the threshold: Y's marks stay as
    // the frame before left them, however that frame was reached.
    const struct { int before; std::string marksY; } thresholds[] = {
        {202, "-ox-"}, {209, "----"}, {314, "x--o"}};
    for (const auto& t : thresholds) {
        Drawing d;
        d.process(t.before);
        d.process(203);
        const std::string y = marksOf(d.s).substr(5, 4);
        line("threshold after " + std::to_string(t.before) + ": Y " + y);
        if (y != t.marksY || d.s[Id::readOut].caption != "116 deg.")
            fail("threshold after " + std::to_string(t.before) + ", expected Y " + t.marksY);
        d.process(204);
        if (marksOf(d.s).substr(5, 4) != "----")
            fail("204 after the threshold, expected Y ----");
    }

    // What both front ends read. Wide lines end round, as a wide pen draws
    // them; thin ones along an axis are laid on whole pixels with flat ends.
    const struct { Id line; float x1, y1, x2, y2; double width; bool round; } ends[] = {
        {Id::yAxis, 1920, 3000, 7080, 6000, 1, false}, {Id::yAxis, 1920, 3000, 7080, 6000, 2, true},
        {Id::rAxis, 4500, 1560, 4500, 7440, 2, false}, {Id::timeCursor, 9348, 2040, 9348, 6960, 2.5, false},
        {Id::r1CrossA, 4370, 1270, 4620, 1020, 3, true},    {Id::rPhasor, 4200, 4320, 4800, 4320, 10, true},
        {Id::rPhasor, 4500, 4500, 4500, 4500, 10, false}, // no length, nothing drawn
    };
    for (const auto& e : ends) {
        ElementState s;
        s.x1 = e.x1, s.y1 = e.y1, s.x2 = e.x2, s.y2 = e.y2;
        if (hasRoundEnds(element(e.line), s, e.width) != e.round)
            fail(std::string(element(e.line).name) + " at " + std::to_string(e.width) + " px: wrong ends");
    }
    // Tab visits every control that takes a click once, the picture button last.
    std::vector<Id> clickable;
    for (const ElementDef& def : elementTable())
        if ((roleOf(def.id) == Role::Control && def.kind != Kind::GroupBox) || roleOf(def.id) == Role::PictureButton)
            clickable.push_back(def.id);
    std::vector<Id> order(tabOrder().begin(), tabOrder().end());
    if (!std::is_permutation(order.begin(), order.end(), clickable.begin(), clickable.end()) ||
        order.back() != Id::aboutButton || roleOf(Id::aboutButton) != Role::PictureButton || roleOf(Id::ticker) != Role::None)
        fail("tab order or roles");
}

namespace {

// ---- The pictures ----

constexpr Rgba kRed = rgb(0xFF0000), kYellow = rgb(0xFFFF00), kBlue = rgb(0x0000FF), kBlack = rgb(0x000000),
               kGreen = rgb(0x008000), kWhite = rgb(0xFFFFFF);

constexpr Rgba grey(int level) { return rgb(0x010101u * static_cast<std::uint32_t>(level)); }

std::string where(const std::string& picture, int x, int y, Rgba c)
{
    return picture + " (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + std::to_string(c.r) + "," +
           std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a);
}

// The chart pixel of a curve at phase t degrees: column c's centre is c.
struct Spot { int x, y; };
Spot chartPixel(double t, double lag)
{
    const double v = std::sin((t - lag) * std::numbers::pi / 180.0);
    return {static_cast<int>(std::lround(10.35 + 1.1393 * t)), static_cast<int>(std::lround(147.47 - 93.57 * v))};
}

// True if c is `curve` laid partly or wholly over a grey: the channels that
// are full in the curve agree and stand above the empty ones, which agree.
bool tintedBy(Rgba c, Rgba curve)
{
    const int channel[3] = {c.r, c.g, c.b};
    const int ink[3] = {curve.r, curve.g, curve.b};
    int full = -1, empty = -1;
    for (int i = 0; i < 3; ++i) {
        int& same = ink[i] ? full : empty;
        if (same >= 0 && same != channel[i])
            return false;
        same = channel[i];
    }
    return full > empty;
}

bool sized(const std::string& name, const Pixels& p, int width, int height)
{
    if (p.width() == width && p.height() == height)
        return true;
    fail(name + " is " + std::to_string(p.width()) + "x" + std::to_string(p.height()));
    return false;
}

// Every pixel fully transparent, or fully opaque in one of the 16 VGA
// colours, as in a 16-colour icon with a mask.
void checkPaletteWithMask(const std::string& name, const Pixels& p)
{
    static const std::uint32_t vga[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const Rgba c = p.at(x, y);
            if (c.a == 0)
                continue;
            if (c.a != 255 || std::none_of(std::begin(vga), std::end(vga), [&](auto v) { return rgb(v) == c; }))
                return fail(where(name, x, y, c) + ", not a 16-colour icon's");
        }
}

void checkChart()
{
    const Pixels chart = makeWaveformChart();
    if (!sized("chart", chart, 432, 295))
        return;
    const auto check = [&](int x, int y, Rgba expected, const std::string& what) {
        if (chart.at(x, y) != expected)
            fail(where("chart", x, y, chart.at(x, y)) + ", " + what);
    };

    // Regions: the pixels inside `outer` but not inside `inner`, with their
    // own colour in the four corners of `outer`. Not where grid lines cross.
    struct Box {
        int left, top, right, bottom;
        bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    };
    const Box plot{7, 7, 425, 288}, ring{8, 8, 424, 287}, fill{9, 9, 423, 286}, none{1, 1, 0, 0};
    const struct { std::string name; Box outer, inner; Rgba colour, corner; } regions[] = {
        {"margin", {0, 0, 431, 294}, plot, kWhite, kWhite},
        {"outer ring", plot, ring, grey(224), grey(240)},
        {"inner ring", ring, fill, grey(188), grey(183)},
        // Above the top grid line and below the bottom one: nothing but fill.
        {"fill, top", {9, 9, 423, 51}, none, grey(192), grey(192)},
        {"fill, bottom", {9, 243, 423, 286}, none, grey(192), grey(192)},
    };
    const std::set<int> gridRows{54, 101, 148, 194, 241};
    for (const auto& r : regions) {
        const int before = failures();
        for (int y = r.outer.top; y <= r.outer.bottom && failures() == before; ++y)
            for (int x = r.outer.left; x <= r.outer.right && failures() == before; ++x) {
                if (r.inner.contains(x, y) || (gridRows.contains(y) && (x == 7 || x == 8 || x == 424 || x == 425)))
                    continue;
                const bool corner =
                    (x == r.outer.left || x == r.outer.right) && (y == r.outer.top || y == r.outer.bottom);
                check(x, y, corner ? r.corner : r.colour, r.name);
            }
    }

    // Grid lines: a dark row with its companions (row, grey level), and where
    // the dark row meets the inner and the outer edge ring.
    const struct { std::string name; int shades[4][2]; int inner, outer; } grid[] = {
        {"+1", {{54, 164}, {53, 184}, {52, 193}, {55, 195}}, 161, 222},
        {"+0.5", {{101, 164}, {100, 184}, {99, 193}, {102, 195}}, 161, 222},
        {"0", {{148, 164}, {147, 184}, {146, 193}, {149, 195}}, 161, 222},
        {"-0.5", {{194, 164}, {195, 184}, {196, 193}, {193, 195}}, 161, 222},
        {"-1", {{241, 178}, {240, 188}, {239, 193}, {242, 194}}, 174, 223},
    };
    for (const auto& g : grid) {
        const int dark = g.shades[0][0];
        for (int x : {7, 425})
            check(x, dark, grey(g.outer), "grid line " + g.name + " on the outer ring");
        for (int x : {8, 424})
            check(x, dark, grey(g.inner), "grid line " + g.name + " on the inner ring");
        // Each shade runs across the whole fill except where a curve covers it.
        for (const auto& [row, level] : g.shades) {
            int shown = 0;
            for (int x = 9; x <= 423; ++x) {
                const Rgba c = chart.at(x, row);
                if (c.r == c.g && c.g == c.b && c != grey(level))
                    fail(where("chart", x, row, c) + ", grid line " + g.name);
                shown += c == grey(level);
            }
            if (shown <= 300)
                fail("grid line " + g.name + " row " + std::to_string(row) + " shows in only " +
                     std::to_string(shown) + " columns");
        }
    }

    // Where one curve meets a grid line it shows its pure colour: along the
    // line at a peak, in one or two pixels where it cuts across.
    const struct { std::string name; double t, lag; Rgba curve; int row; bool peak; } meets[] = {
        {"R max", 90, 0, kRed, 54, true},         {"R min", 270, 0, kRed, 241, true},
        {"Y max", 210, 120, kYellow, 54, true},   {"Y min", 30, 120, kYellow, 241, true},
        {"B max", 330, 240, kBlue, 54, true},     {"B min", 150, 240, kBlue, 241, true},
        {"R zero 180", 180, 0, kRed, 148, false}, {"R zero 360", 360, 0, kRed, 148, false},
        {"Y zero 120", 120, 120, kYellow, 148, false}, {"Y zero 300", 300, 120, kYellow, 148, false},
        {"B zero 60", 60, 240, kBlue, 148, false},     {"B zero 240", 240, 240, kBlue, 148, false},
    };
    for (const auto& m : meets) {
        const int column = chartPixel(m.t, m.lag).x;
        int pure = 0;
        for (int x = column - 2; x <= column + 2; ++x)
            pure += chart.at(x, m.row) == m.curve;
        if (pure < 1 || pure > (m.peak ? 5 : 2))
            fail(m.name + ": " + std::to_string(pure) + " pure pixels on its grid line");
        if (m.peak) { // pure right at its column, and thin across
            check(column, m.row, m.curve, m.name);
            int across = 0;
            for (int y = m.row - 3; y <= m.row + 3; ++y)
                across += chart.at(column, y) == m.curve;
            if (across > 2)
                fail(m.name + ": " + std::to_string(across) + " pure pixels across, a line 1.4 wide");
        }
    }

    // Where two curves cross, the later one of R, Y, B lies on top.
    const struct { double t, lag; Rgba visible; } crossings[] = {
        {30, 0, kBlue}, {210, 0, kBlue}, {90, 120, kBlue}, {270, 120, kBlue}, {150, 0, kYellow}, {330, 0, kYellow}};
    for (const auto& c : crossings) {
        const Spot p = chartPixel(c.t, c.lag);
        check(p.x, p.y, c.visible, "the crossing at t = " + std::to_string(int(c.t)));
    }

    // Each curve runs from column 10 to 422, no further, smooth all along.
    const struct { std::string name; double lag; Rgba curve; } curves[] = {
        {"R", 0, kRed}, {"Y", 120, kYellow}, {"B", 240, kBlue}};
    for (const auto& c : curves) {
        const auto tintedNear = [&](Spot p) {
            for (int y = p.y - 2; y <= p.y + 2; ++y)
                if (tintedBy(chart.at(p.x, y), c.curve))
                    return true;
            return false;
        };
        if (!tintedNear(chartPixel(0, c.lag)) || !tintedNear(chartPixel(361, c.lag)))
            fail(c.name + " does not reach from t = 0 to t = 361");
        for (int x : {9, 423})
            for (int y = 0; y < chart.height(); ++y)
                if (tintedBy(chart.at(x, y), c.curve))
                    fail(where("chart", x, y, chart.at(x, y)) + ", " + c.name + " beyond its ends");
        int blended = 0;
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x)
                blended += chart.at(x, y) != c.curve && tintedBy(chart.at(x, y), c.curve);
        if (blended <= 411)
            fail(c.name + " has only " + std::to_string(blended) + " blended edge pixels");
    }
}

void checkAbout()
{
    const struct { int size; int left, top, right, bottom, hookBottom; } rows[] = {
        {32, 9, 3, 22, 29, 20}, {16, 4, 1, 11, 14, 9}};
    for (const auto& r : rows) {
        const std::string name = "About " + std::to_string(r.size);
        const Pixels p = makeAboutImage(r.size);
        if (!sized(name, p, r.size, r.size))
            continue;
        checkPaletteWithMask(name, p);
        const int last = r.size - 1, mid = r.size / 2;
        const auto expect = [&](int x, int y, bool ok, const std::string& what) {
            if (!ok)
                fail(where(name, x, y, p.at(x, y)) + ", " + what);
        };
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            expect(x, y, p.at(x, y).a == 0, "a corner, not transparent");
        // The disc fills the square: outline at the middle of each side, green inside.
        for (auto [x, y] : {std::pair{0, mid}, {last, mid}, {mid, 0}, {mid, last}})
            expect(x, y, p.at(x, y) == kBlack, "not the outline");
        for (int x : {1, last - 1})
            expect(x, mid, p.at(x, mid) == kGreen, "not the disc");

        // The question mark: its extent, hook and dot unbroken from top to
        // bottom with one empty row between.
        int left = r.size, top = r.size, right = -1, bottom = -1;
        std::set<int> rowsWithWhite;
        for (int y = 0; y < r.size; ++y)
            for (int x = 0; x < r.size; ++x)
                if (p.at(x, y) == kWhite) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    rowsWithWhite.insert(y);
                }
        line(name + ": question mark in columns " + std::to_string(left) + ".." + std::to_string(right) + ", rows " +
             std::to_string(top) + ".." + std::to_string(bottom));
        if (left != r.left || right != r.right || top != r.top || bottom != r.bottom)
            fail(name + ": the question mark's extent");
        for (int y = r.top; y <= r.bottom; ++y)
            if (rowsWithWhite.contains(y) != (y != r.hookBottom + 1))
                fail(name + ": row " + std::to_string(y) + " of the question mark");
    }
}

void checkTarget()
{
    // Sizes 32 and 16 are drawn to the pixel: the middle row from the edge to
    // the centre. Other sizes scale the 32-pixel design: its mid-ring radii.
    const Rgba K = kBlack, Y = kYellow, R = kRed;
    const struct { int size; std::vector<Rgba> half; } rows[] = {
        {32, {K, Y, Y, K, R, R, R, K, Y, Y, Y, K, R, R, R, R}}, {16, {K, Y, K, R, R, Y, R, R}},
        {48, {}}, {64, {}}, {128, {}}, {256, {}}};
    const struct { double radius; Rgba colour; } rings[] = {{0, R}, {2, R}, {6.5, Y}, {10.5, R}, {14, Y}};
    for (const auto& r : rows) {
        const int size = r.size, mid = size / 2;
        const std::string name = "window icon " + std::to_string(size);
        const Pixels p = makeTargetImage(size);
        if (!sized(name, p, size, size))
            continue;
        if (p.at(0, 0).a != 0 || p.at(size - 1, size - 1).a != 0)
            fail(name + ": a corner, not transparent");
        const auto expect = [&](int x, Rgba c) {
            if (p.at(x, mid) != c)
                fail(where(name, x, mid, p.at(x, mid)) + ", the rings across the middle");
        };
        for (int x = 0; x < static_cast<int>(r.half.size()); ++x)
            expect(x, r.half[x]);
        for (const auto& ring : rings)
            if (r.half.empty())
                expect(static_cast<int>(mid - ring.radius * size / 32.0), ring.colour);
        if (r.half.empty())
            continue;
        checkPaletteWithMask(name, p);
        // Concentric: unchanged by every reflection of the square.
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const Rgba c = p.at(x, y);
                if (p.at(y, x) != c || p.at(size - 1 - x, y) != c || p.at(x, size - 1 - y) != c)
                    fail(where(name, x, y, c) + ", not symmetric");
            }
    }
}

} // namespace

void checkPictures()
{
    checkChart();
    checkAbout();
    checkTarget();
}

// The regions a small screen shows: each drawn element, stroke included, lies
// whole inside its region's rectangle, so a region shown alone cuts nothing
// off; the cursor over its whole travel of 628 steps of 8 twips; and the
// scales at which the captions of 9.75 and 13.5 points and the buttons of 30
// pixels reach the design's thresholds of 11 and 24 pixels.
void checkLayout()
{
    for (const ElementDef& d : elementTable()) {
        const RegionId r = regionOf(d.id);
        if (d.kind == Kind::Timer || d.in != In::Window) {
            if ((r == RegionId::count_) != (d.kind == Kind::Timer))
                fail(std::string(d.name) + ": in a region or not, wrongly");
            continue;
        }
        const Geometry& g = d.geometry;
        const double half = d.penWidth * kTwipsPerPixel / 2;
        double l = g.a, t = g.b, rgt = g.a + g.c, b = g.b + g.d;
        if (d.kind == Kind::Line) {
            l = std::min(g.a, g.c) - half;
            rgt = std::max(g.a, g.c) + half;
            t = std::min(g.b, g.d) - half;
            b = std::max(g.b, g.d) + half;
            if (d.id == Id::timeCursor)
                rgt += 628 * 8;
        } else if (d.kind == Kind::Circle) {
            l -= half, t -= half, rgt += half, b += half;
        }
        for (const Move& m : rearrangedMoves()) {
            if (m.id == d.id)
                rgt += m.left - l, b += m.top - t, l = m.left, t = m.top;
        }
        const Geometry& box = region(r).rect;
        if (l < box.a || t < box.b || rgt > box.a + box.c || b > box.b + box.d)
            fail(std::string(d.name) + " reaches out of the region " + region(r).name);
    }
    const struct { const char* what; double got, want; } scales[] = {
        {"the designed window", designedMinScale(), std::max(11.0 / 13, 24.0 / 30)},
        {"the stator", regionMinScale(RegionId::Stator), 11.0 / 18},
        {"the chart", regionMinScale(RegionId::Chart), 0},
        {"the legend", regionMinScale(RegionId::Legend), 11.0 / 13},
    };
    for (const auto& s : scales) {
        if (std::abs(s.got - s.want) > 1e-9)
            fail(std::string(s.what) + " keeps its captions readable from " + std::to_string(s.got) + ", not " +
                 std::to_string(s.want));
    }
}

// Each picture's size, then its rows, four bytes a pixel (RGBA) in hex.
int writePictures()
{
    const struct { const char* name; Pixels pixels; } pictures[] = {
        {"chart", makeWaveformChart()},       {"about 32", makeAboutImage(32)},
        {"about 16", makeAboutImage(16)},     {"window icon 16", makeTargetImage(16)},
        {"window icon 32", makeTargetImage(32)}, {"window icon 48", makeTargetImage(48)},
    };
    static const char* hex = "0123456789abcdef";
    for (const auto& p : pictures) {
        line(std::string(p.name) + ' ' + std::to_string(p.pixels.width()) + 'x' + std::to_string(p.pixels.height()));
        const std::size_t rowBytes = static_cast<std::size_t>(p.pixels.width()) * 4;
        for (std::size_t start = 0; start < p.pixels.byteCount(); start += rowBytes) {
            std::string row;
            for (std::size_t i = start; i < start + rowBytes; ++i) {
                row += hex[p.pixels.data()[i] >> 4];
                row += hex[p.pixels.data()[i] & 15];
            }
            line(row);
        }
    }
    return 0;
}

} // namespace corecheck
