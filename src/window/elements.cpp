// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/elements.h"

#include "scene/frame.h"
#include "window/msg.h"
#include "window/palette.h"

namespace vantrel {
namespace {

constexpr Colour rgb(std::uint32_t v) { return {Colour::Rgb, v}; }
constexpr Colour kRed = rgb(0xFF0000);
constexpr Colour kYellow = rgb(0xFFFF00);
constexpr Colour kBlue = rgb(0x0000FF);
constexpr Colour kWhite = rgb(0xFFFFFF);
constexpr Colour kGrey = rgb(0xC0C0C0);
constexpr Colour kButtonText{Colour::ButtonText};
constexpr Colour kWindowText{Colour::WindowText};
constexpr Colour kControl{Colour::Control};
constexpr Colour kNone{};

constexpr FontDef kSans975{"MS Sans Serif", 9.75};
constexpr FontDef kSans12{"MS Sans Serif", 12};
constexpr FontDef kSans135{"MS Sans Serif", 13.5};
constexpr FontDef kArial1425{"Arial", 14.25};
constexpr FontDef kNoFont{};

using K = Kind;

// clang-format off
constexpr std::array<ElementDef, kElementCount> kTable{{
//   id                    name          kind              in              geometry (twips)           colour        background pen caption                   font       sel     ms
    // TRANSLATORS: the caption of the legend that explains the conductor marks.
    {Id::legendBox,        "Frame2",     K::GroupBox,      In::Window,     {600, 9000, 7575, 1215},   kButtonText,  kGrey,     0,  N_("Current Direction"),  kSans975},
    // TRANSLATORS: the direction of the current in a conductor that a dot marks.
    {Id::legendUpwards,    "Label4",     K::Label,         In::LegendBox,  {4920, 480, 1575, 495},    kButtonText,  kGrey,     0,  N_("Upwards"),            kSans12},
    // TRANSLATORS: the direction of the current in a conductor that a cross marks.
    {Id::legendDownwards,  "Label3",     K::Label,         In::LegendBox,  {1320, 480, 1935, 495},    kButtonText,  kGrey,     0,  N_("Downwards"),          kSans12},
    {Id::legendCrossRing,  "Shape8",     K::Circle,        In::LegendBox,  {480, 360, 600, 600},      kRed,         kNone,     5},
    {Id::legendCrossA,     "Line5",      K::Line,          In::LegendBox,  {645, 775, 895, 525},      kRed,         kNone,     3},
    {Id::legendCrossB,     "Line2",      K::Line,          In::LegendBox,  {645, 525, 895, 775},      kRed,         kNone,     3},
    {Id::legendDotRing,    "Shape10",    K::Circle,        In::LegendBox,  {4080, 360, 600, 600},     kRed,         kNone,     5},
    {Id::legendDot,        "Shape9",     K::Circle,        In::LegendBox,  {4310, 590, 150, 150},     kRed,         kNone,     8},
    // TRANSLATORS: the button that jumps to the angle typed in the box beside it.
    {Id::setAngleButton,   "cmdAngle",   K::PushButton,    In::Window,     {12480, 8280, 2055, 450},  kControl,     kControl,  0,  N_("Set Angle"),          kSans975},
    {Id::angleBox,         "txtAngle",   K::TextBox,       In::Window,     {11520, 8280, 855, 450},   kControl,     kControl,  0,  "60",                     kSans12},
    // TRANSLATORS: the caption of the group of the three animation speeds.
    {Id::speedBox,         "Frame1",     K::GroupBox,      In::Window,     {9240, 7200, 5295, 855},   kButtonText,  kGrey,     0,  N_("Speed"),              kSans975},
    // TRANSLATORS: "Fast", "Medium" and "Slow" are the animation speeds.
    {Id::fastOption,       "optFast",    K::OptionButton,  In::SpeedBox,   {3840, 360, 1215, 255},    kButtonText,  kGrey,     0,  N_("Fast"),               kSans975,  false},
    {Id::mediumOption,     "optMed",     K::OptionButton,  In::SpeedBox,   {2280, 360, 1215, 195},    kButtonText,  kGrey,     0,  N_("Medium"),             kSans975,  true},
    {Id::slowOption,       "optSlow",    K::OptionButton,  In::SpeedBox,   {480, 360, 1335, 195},     kButtonText,  kGrey,     0,  N_("Slow"),               kSans975,  false},
    {Id::playButton,       "cmdPlay",    K::PushButton,    In::Window,     {9240, 8280, 1455, 450},   kControl,     kControl,  0,  N_("Play"),               kSans975},
    {Id::ticker,           "Timer1",     K::Timer,         In::Window,     {},                        kNone,        kNone,     0,  nullptr,                  kNoFont,   false,  10},
    {Id::aboutButton,      "cmdAbout",   K::Image,         In::Window,     {14040, 240, 480, 480},    kNone,        kNone,     0,  nullptr,                  kNoFont,   false,  0,  Picture::AboutIcon,      false},
    // TRANSLATORS: the label in front of the angle read-out, "90 deg.".
    {Id::readOutLabel,     "Label2",     K::Label,         In::Window,     {9360, 1320, 2055, 375},   kButtonText,  kGrey,     0,  N_("Phase Angle:"),       kSans135},
    // TRANSLATORS: what the read-out shows before the first frame is drawn.
    {Id::readOut,          "lblAngle",   K::Label,         In::Window,     {11640, 1320, 1695, 375},  kButtonText,  kGrey,     0,  N_("Angle"),              kArial1425},
    {Id::b2Caption,        "Label1(5)",  K::Label,         In::Window,     {7800, 2280, 375, 300},    kBlue,        kGrey,     0,  "B2",                     kSans135},
    {Id::b1Caption,        "Label1(4)",  K::Label,         In::Window,     {840, 6360, 375, 300},     kBlue,        kGrey,     0,  "B1",                     kSans135},
    {Id::y2Caption,        "Label1(3)",  K::Label,         In::Window,     {840, 2280, 375, 300},     kYellow,      kGrey,     0,  "Y2",                     kSans135},
    {Id::y1Caption,        "Label1(2)",  K::Label,         In::Window,     {7800, 6480, 375, 300},    kYellow,      kGrey,     0,  "Y1",                     kSans135},
    {Id::r2Caption,        "Label1(1)",  K::Label,         In::Window,     {4320, 8280, 375, 300},    kRed,         kGrey,     0,  "R2",                     kSans135},
    {Id::r1Caption,        "Label1(0)",  K::Label,         In::Window,     {4320, 360, 375, 300},     kRed,         kGrey,     0,  "R1",                     kSans135},
    {Id::b1CrossA,         "Lb1",        K::Line,          In::Window,     {1440, 6040, 1690, 6290},  kBlue,        kNone,     3},
    {Id::b1CrossB,         "Lb2",        K::Line,          In::Window,     {1440, 6290, 1690, 6040},  kBlue,        kNone,     3},
    {Id::b1Dot,            "Db",         K::Circle,        In::Window,     {1500, 6100, 150, 150},    kBlue,        kNone,     8},
    {Id::y2CrossA,         "Lyy1",       K::Line,          In::Window,     {1440, 2680, 1690, 2930},  kYellow,      kNone,     3},
    {Id::y2CrossB,         "Lyy2",       K::Line,          In::Window,     {1440, 2930, 1690, 2680},  kYellow,      kNone,     3},
    {Id::y2Dot,            "Dyy",        K::Circle,        In::Window,     {1500, 2740, 150, 150},    kYellow,      kNone,     8},
    {Id::y1CrossA,         "Ly1",        K::Line,          In::Window,     {7270, 6030, 7520, 6280},  kYellow,      kNone,     3},
    {Id::y1CrossB,         "Ly2",        K::Line,          In::Window,     {7270, 6280, 7520, 6030},  kYellow,      kNone,     3},
    {Id::y1Dot,            "Dy",         K::Circle,        In::Window,     {7340, 6100, 150, 150},    kYellow,      kNone,     8},
    {Id::b2CrossA,         "Lbb1",       K::Line,          In::Window,     {7300, 2670, 7540, 2920},  kBlue,        kNone,     3},
    {Id::b2CrossB,         "Lbb2",       K::Line,          In::Window,     {7300, 2920, 7540, 2670},  kBlue,        kNone,     3},
    {Id::b2Dot,            "Dbb",        K::Circle,        In::Window,     {7350, 2730, 150, 150},    kBlue,        kNone,     8},
    {Id::timeCursor,       "LineX",      K::Line,          In::Window,     {9340, 2040, 9340, 6960},  kButtonText,  kNone,     2},
    {Id::bAxis,            "Line4",      K::Line,          In::Window,     {1920, 6000, 7080, 3000},  kWindowText,  kNone,     1},
    {Id::rAxis,            "Line3",      K::Line,          In::Window,     {4500, 1560, 4500, 7440},  kWindowText,  kNone,     1},
    {Id::yAxis,            "Line1",      K::Line,          In::Window,     {1920, 3000, 7080, 6000},  kWindowText,  kNone,     1},
    {Id::r2CrossA,         "Lrr1",       K::Line,          In::Window,     {4370, 7730, 4620, 7980},  kRed,         kNone,     3},
    {Id::r2CrossB,         "Lrr2",       K::Line,          In::Window,     {4370, 7980, 4620, 7730},  kRed,         kNone,     3},
    {Id::r1Dot,            "Dr",         K::Circle,        In::Window,     {4440, 1080, 150, 150},    kRed,         kNone,     8},
    {Id::r2Dot,            "Drr",        K::Circle,        In::Window,     {4440, 7800, 150, 150},    kRed,         kNone,     8},
    {Id::r1CrossA,         "Lr1",        K::Line,          In::Window,     {4370, 1270, 4620, 1020},  kRed,         kNone,     3},
    {Id::r1CrossB,         "Lr2",        K::Line,          In::Window,     {4370, 1020, 4620, 1270},  kRed,         kNone,     3},
    {Id::b1Ring,           "Shape7",     K::Circle,        In::Window,     {1280, 5860, 600, 600},    kBlue,        kNone,     5},
    {Id::b2Ring,           "Shape6",     K::Circle,        In::Window,     {7120, 2500, 600, 600},    kBlue,        kNone,     5},
    {Id::y2Ring,           "Shape5",     K::Circle,        In::Window,     {1270, 2520, 600, 600},    kYellow,      kNone,     5},
    {Id::y1Ring,           "Shape4",     K::Circle,        In::Window,     {7110, 5880, 600, 600},    kYellow,      kNone,     5},
    {Id::r2Ring,           "Shape3",     K::Circle,        In::Window,     {4200, 7560, 600, 600},    kRed,         kNone,     5},
    {Id::r1Ring,           "Shape2",     K::Circle,        In::Window,     {4200, 840, 600, 600},     kRed,         kNone,     5},
    {Id::bPhasor,          "LineB",      K::Line,          In::Window,     {4200, 4560, 4800, 4560},  kBlue,        kNone,     10},
    {Id::yPhasor,          "LineY",      K::Line,          In::Window,     {4200, 4440, 4800, 4440},  kYellow,      kNone,     10},
    {Id::statorOuter,      "Shape1",     K::Circle,        In::Window,     {750, 720, 7500, 7500},    kWindowText,  kNone,     1},
    {Id::rPhasor,          "LineR",      K::Line,          In::Window,     {4200, 4320, 4800, 4320},  kRed,         kNone,     10},
    {Id::statorInner,      "sh1",        K::Circle,        In::Window,     {1500, 1500, 6000, 6000},  kWindowText,  kNone,     1},
    {Id::waveformChart,    "Image1",     K::Image,         In::Window,     {9195, 2000, 5320, 4995},  kNone,        kNone,     0,  nullptr,                  kNoFont,   false,  0,  Picture::WaveformChart,  true},
    {Id::resultant,        "LineW",      K::Line,          In::Window,     {4200, 4680, 4800, 4680},  kWhite,       kNone,     10},
}};
// clang-format on

// A row out of place would silently change the stacking.
constexpr bool rowsInIdOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (indexOf(kTable[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInIdOrder(), "element rows must follow the Id order");

// A colour added to the design needs its high-contrast stand-in too.
constexpr bool everyColourHasItsHighContrast()
{
    for (const ElementDef& def : kTable) {
        for (const Colour& c : {def.colour, def.background}) {
            if (c.source == Colour::Rgb && !lookRgb(c.rgb, Look::HighContrast))
                return false;
        }
    }
    return true;
}
static_assert(everyColourHasItsHighContrast(), "every designed colour has a high-contrast stand-in");

// The frame update moves the cursor from where the table puts it and draws
// the phasors from the centre of the diagram's vertical axis.
constexpr const Geometry& designed(Id id) { return kTable[indexOf(id)].geometry; }
static_assert(designed(Id::timeCursor).a == kCursorOrigin && designed(Id::timeCursor).c == kCursorOrigin,
              "the time cursor's designed x is where angle 0 puts it");
static_assert(designed(Id::rAxis).a == kPhasorCentre && designed(Id::rAxis).c == kPhasorCentre,
              "the phasors' centre lies on the diagram's vertical axis");

} // namespace

const std::array<ElementDef, kElementCount>& elementTable() { return kTable; }

} // namespace vantrel
