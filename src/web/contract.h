// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page and the program say to each other, written down once: the
// calls the page's script makes, and every object it reads, field by field,
// in the order they are written, from the program's answers and from the
// fixed tables the build writes. Both writers go through PageWriter, which
// takes a field only by a name declared here (a name not declared does not
// compile) and notes any breach of type or order; the page_contract check
// holds what is written, and what the scripts read, against this table.
#pragma once

#include "web/json.h"
#include "window/commands.h"
#include "window/elements.h"
#include "window/lab.h"
#include "window/presentation.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::page {

// The window's own name: what the page's main element is called and what an
// element placed straight in the window says it is in.
inline constexpr const char* kWindowName = "Form1";

// The names the page's script goes by, in the order of each enum.
inline constexpr std::array<std::string_view, 9> kKindNames{"groupbox", "label", "button", "textbox", "option",
                                                            "timer", "image", "line", "circle"};
inline constexpr std::array<std::string_view, 4> kRoleNames{"none", "painted", "control", "pictureButton"};
inline constexpr std::array<std::string_view, 4> kScopeNames{"control", "window", "textbox", "fullscreen"};
inline constexpr std::array<std::string_view, 15> kCommandNames{
    "PlayPause", "Fast", "Medium", "Slow", "SetAngle", "About", "ZoomIn", "ZoomOut", "ZoomReset", "FullScreen",
    "LeaveFullScreen", "Lab", "StepBack", "StepForward", "HighContrast"};
inline constexpr std::array<std::string_view, 4> kLabKindNames{"checkbox", "amplitude", "button", "readout"};
static_assert(kLabKindNames.size() == static_cast<std::size_t>(LabKind::ReadOut) + 1);
static_assert(kKindNames.size() == static_cast<std::size_t>(Kind::Circle) + 1);
static_assert(kRoleNames.size() == static_cast<std::size_t>(Role::PictureButton) + 1);
static_assert(kScopeNames.size() == static_cast<std::size_t>(KeyScope::FullScreen) + 1);
static_assert(kCommandNames.size() == static_cast<std::size_t>(Command::HighContrast) + 1);

template <std::size_t N, typename E>
constexpr std::string_view nameOf(const std::array<std::string_view, N>& names, E e)
{
    return names.at(static_cast<std::size_t>(e));
}

enum class Type : std::uint8_t {
    Text,
    Number,
    Exact,      // a number to every bit: a position the page must not round
    Truth,
    TextOrNull, // a text, or null for none
    Texts,      // an array of texts
    Numbers,    // an array of numbers
    TextLists,  // an array of arrays of texts
    Object,     // one object of the field's shape
    List,       // an array of objects of the field's shape
    Map,        // an object keyed by element name, each value of the field's shape
};

// Which texts a text field may hold, where not any.
enum class Names : std::uint8_t { Any, Kind, Role, Scope, Command, Element, Region, Arrangement, Lab, LabKind };

enum class Shape : std::uint8_t {
    // The program's answer to a call, and what is in it.
    Answer, Controls, ElementChange, About, Words, Spoken, Language, Lab,
    // Where the regions of a small screen go.
    Arranged, RegionBox,
    // The fixed tables and what is in them.
    Tables, Scheme, ElementRow, CommandRow, Layout, Region, MoveRow, ArrangementRow, LanguageRow, Chooser, LabRow,
    // The web manifest, a browser's format.
    Manifest, Icon,
    count_
};

inline constexpr std::size_t kShapeCount = static_cast<std::size_t>(Shape::count_);

struct Field {
    std::string_view name;
    Type type;
    bool optional = false;     // left out where it does not apply
    Shape shape = Shape::count_; // of an Object, List or Map
    Names names = Names::Any;
};

struct ShapeDef {
    Shape id;
    std::string_view name;
    std::span<const Field> fields;
};

namespace detail {
using T = Type;
using S = Shape;
using N = Names;
inline constexpr bool opt = true;
// clang-format off
inline constexpr Field kAnswer[] = {
    {"controls", T::Object, opt, S::Controls},
    {"elements", T::List, opt, S::ElementChange},
    {"settled", T::Text, opt},
    {"about", T::Object, opt, S::About},
    {"words", T::Object, opt, S::Words},
    {"language", T::Object, opt, S::Language},
    {"lab", T::Object, opt, S::Lab},
    {"fieldSize", T::Text, opt},
    {"link", T::Text, opt},
};
inline constexpr Field kControls[] = {
    {"cmdPlay", T::Text}, {"txtAngle", T::Text}, {"interval", T::Number},
    {"speed", T::TextOrNull, false, S::count_, N::Element},
};
inline constexpr Field kElementChange[] = {
    {"name", T::Text, false, S::count_, N::Element}, {"visible", T::Truth},
    {"x1", T::Number, opt}, {"y1", T::Number, opt}, {"x2", T::Number, opt}, {"y2", T::Number, opt},
    {"round", T::Truth, opt}, {"caption", T::Text, opt},
};
inline constexpr Field kAbout[] = {{"title", T::Text}, {"text", T::Text}, {"ok", T::Text}};
inline constexpr Field kWords[] = {
    {"title", T::Text}, {"description", T::Text}, {"scene", T::Text}, {"ok", T::Text}, {"chooser", T::Text},
    {"spoken", T::Map, false, S::Spoken},
    {"labTitle", T::Text}, {"lab", T::Texts}, {"copyLink", T::Text}, {"contrast", T::Text},
};
inline constexpr Field kSpoken[] = {{"name", T::Text, opt}, {"hint", T::Text, opt}};
inline constexpr Field kLanguage[] = {{"tag", T::Text}, {"rightToLeft", T::Truth}};
// The lab as the session holds it: the boxes ticked, each phase's amplitude
// R, Y, B, the path's points (x, y in twips, one after the other) while it
// shows, and whether the chart (picture 0) is another now.
inline constexpr Field kLab[] = {
    {"open", T::Truth}, {"checked", T::Texts, false, S::count_, N::Lab}, {"amplitudes", T::Numbers},
    {"path", T::Numbers, opt}, {"chart", T::Truth},
};

inline constexpr Field kArranged[] = {
    {"arrangement", T::Text, false, S::count_, N::Arrangement},
    {"regions", T::List, false, S::RegionBox},
    {"height", T::Exact},
};
inline constexpr Field kRegionBox[] = {
    {"region", T::Text, false, S::count_, N::Region}, {"scale", T::Exact},
    {"left", T::Exact}, {"top", T::Exact}, {"width", T::Exact}, {"height", T::Exact},
};

inline constexpr Field kTables[] = {
    {"client", T::Numbers}, {"twipsPerPixel", T::Number},
    {"scheme", T::Object, false, S::Scheme}, {"etched", T::Texts},
    {"captionIndent", T::Number}, {"captionPadding", T::Number},
    {"captionLineHeight", T::Number}, {"ascent", T::Number},
    {"tabOrder", T::Texts, false, S::count_, N::Element},
    {"elements", T::List, false, S::ElementRow},
    {"commands", T::List, false, S::CommandRow},
    {"layout", T::Object, false, S::Layout},
    {"languages", T::List, false, S::LanguageRow},
    {"chooser", T::Object, false, S::Chooser},
    {"smallestCaptionScale", T::Number},
    {"lab", T::List, false, S::LabRow}, {"pathColour", T::Text}, {"pathPen", T::Number},
    // The high-contrast look: the scheme, the etched border's two lines and
    // the path's colour, beside each element row's own.
    {"contrastScheme", T::Object, false, S::Scheme}, {"contrastEtched", T::Texts},
    {"contrastPathColour", T::Text},
};
inline constexpr Field kScheme[] = {
    {"window", T::Text}, {"button", T::Text}, {"buttonText", T::Text}, {"base", T::Text}, {"text", T::Text},
};
inline constexpr Field kElementRow[] = {
    {"name", T::Text, false, S::count_, N::Element},
    {"kind", T::Text, false, S::count_, N::Kind},
    {"role", T::Text, false, S::count_, N::Role},
    {"in", T::Text, false, S::count_, N::Element},
    {"geometry", T::Numbers},
    {"colour", T::Text, opt}, {"background", T::Text, opt},
    {"contrastColour", T::Text, opt}, {"contrastBackground", T::Text, opt},
    {"pen", T::Number, opt}, {"round", T::Truth, opt},
    {"points", T::Number, opt}, {"stretch", T::Truth, opt},
    {"hinted", T::Truth, opt},
};
inline constexpr Field kCommandRow[] = {
    {"command", T::Text, false, S::count_, N::Command},
    {"control", T::TextOrNull, false, S::count_, N::Element},
    {"scope", T::Text, false, S::count_, N::Scope},
    {"keys", T::Texts},
};
inline constexpr Field kLayout[] = {
    {"captionPx", T::Number},
    {"regions", T::List, false, S::Region},
    {"moves", T::List, false, S::MoveRow},
    {"arrangements", T::List, false, S::ArrangementRow},
};
inline constexpr Field kRegion[] = {
    {"name", T::Text, false, S::count_, N::Region}, {"rect", T::Numbers},
    {"members", T::Texts, false, S::count_, N::Element},
};
inline constexpr Field kMoveRow[] = {{"name", T::Text, false, S::count_, N::Element}, {"at", T::Numbers}};
inline constexpr Field kArrangementRow[] = {
    {"name", T::Text, false, S::count_, N::Arrangement},
    {"columns", T::TextLists, false, S::count_, N::Region},
};
inline constexpr Field kLanguageRow[] = {{"tag", T::Text}, {"name", T::Text}};
inline constexpr Field kChooser[] = {
    {"name", T::Text, false, S::count_, N::Element}, {"geometry", T::Numbers}, {"points", T::Number},
};
// A control of the lab's panel, in tab order; an amplitude's phase is 0, 1, 2 for R, Y, B.
inline constexpr Field kLabRow[] = {
    {"name", T::Text, false, S::count_, N::Lab}, {"kind", T::Text, false, S::count_, N::LabKind},
    {"phase", T::Number, opt},
};
inline constexpr Field kManifest[] = {
    {"name", T::Text}, {"short_name", T::Text}, {"description", T::Text}, {"lang", T::Text}, {"dir", T::Text},
    {"start_url", T::Text}, {"scope", T::Text}, {"display", T::Text}, {"background_color", T::Text},
    {"theme_color", T::Text}, {"icons", T::List, false, S::Icon},
};
inline constexpr Field kIcon[] = {{"src", T::Text}, {"sizes", T::Text}, {"type", T::Text}};
// clang-format on
} // namespace detail

inline constexpr std::array<ShapeDef, kShapeCount> kShapes{{
    {Shape::Answer, "answer", detail::kAnswer},
    {Shape::Controls, "controls", detail::kControls},
    {Shape::ElementChange, "element change", detail::kElementChange},
    {Shape::About, "about", detail::kAbout},
    {Shape::Words, "words", detail::kWords},
    {Shape::Spoken, "spoken words", detail::kSpoken},
    {Shape::Language, "language", detail::kLanguage},
    {Shape::Lab, "lab", detail::kLab},
    {Shape::Arranged, "arranged", detail::kArranged},
    {Shape::RegionBox, "region box", detail::kRegionBox},
    {Shape::Tables, "tables", detail::kTables},
    {Shape::Scheme, "scheme", detail::kScheme},
    {Shape::ElementRow, "element row", detail::kElementRow},
    {Shape::CommandRow, "command row", detail::kCommandRow},
    {Shape::Layout, "layout", detail::kLayout},
    {Shape::Region, "region", detail::kRegion},
    {Shape::MoveRow, "move", detail::kMoveRow},
    {Shape::ArrangementRow, "arrangement", detail::kArrangementRow},
    {Shape::LanguageRow, "language row", detail::kLanguageRow},
    {Shape::Chooser, "chooser", detail::kChooser},
    {Shape::LabRow, "lab row", detail::kLabRow},
    {Shape::Manifest, "manifest", detail::kManifest},
    {Shape::Icon, "icon", detail::kIcon},
}};

constexpr bool shapesInOrder()
{
    for (std::size_t i = 0; i < kShapes.size(); ++i) {
        if (static_cast<std::size_t>(kShapes[i].id) != i)
            return false;
    }
    return true;
}
static_assert(shapesInOrder(), "shape rows must follow their ids");

constexpr const ShapeDef& shape(Shape s) { return kShapes[static_cast<std::size_t>(s)]; }

// A declared field: made only at compile time, from a name its shape has.
struct FieldRef {
    Shape shape;
    std::uint8_t index;
    constexpr const Field& def() const { return page::shape(shape).fields[index]; }
};

consteval FieldRef at(Shape s, std::string_view name)
{
    const auto fields = shape(s).fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name)
            return {s, static_cast<std::uint8_t>(i)};
    }
    throw "a field the page contract does not declare";
}

// The calls the page's script makes into the program.
struct Message {
    std::string_view symbol;   // as the script calls it, Module._<symbol>
    std::string_view argument; // what it passes, for the reader
    Shape answer;              // the JSON it answers with; count_ for a number or bytes
};
inline constexpr std::array<Message, 13> kMessages{{
    {"vantrel_start", "", Shape::Answer},
    {"vantrel_command", "the command's row in the command table", Shape::Answer},
    {"vantrel_tick", "", Shape::Answer},
    {"vantrel_text_changed", "the box's text", Shape::Answer},
    {"vantrel_set_language", "language tags, most wanted first", Shape::Answer},
    {"vantrel_layout", "viewport width and height in CSS pixels, and 1 for a coarse pointer", Shape::Arranged},
    {"vantrel_picture_width", "0 the chart, 1 the About picture, 2 the chart in high contrast", Shape::count_},
    {"vantrel_picture_height", "0 the chart, 1 the About picture, 2 the chart in high contrast", Shape::count_},
    {"vantrel_picture_data", "0 the chart, 1 the About picture, 2 the chart in high contrast", Shape::count_},
    {"vantrel_lab", "the control's row in the lab table", Shape::Answer},
    {"vantrel_amplitude", "the phase, 0 R, 1 Y, 2 B, and its amplitude in percent", Shape::Answer},
    {"vantrel_open_link", "the address's key=value pairs, one a line", Shape::Answer},
    {"vantrel_link", "", Shape::Answer},
}};

// Writes one JSON document of a declared shape. Every key is a FieldRef; a
// value of the wrong type, a field out of order or twice, or a field of
// another shape than the object open is noted as the first breach, which
// the check reports. The text is written all the same.
class PageWriter {
public:
    explicit PageWriter(Shape top);

    PageWriter& field(FieldRef f, std::string_view text);
    PageWriter& field(FieldRef f, const char* text) { return field(f, std::string_view(text ? text : "")); }
    PageWriter& field(FieldRef f, const std::string& text) { return field(f, std::string_view(text)); }
    PageWriter& field(FieldRef f, double number);
    PageWriter& field(FieldRef f, int number) { return field(f, static_cast<double>(number)); }
    PageWriter& field(FieldRef f, bool truth);
    PageWriter& null(FieldRef f);
    // Opens the value of an Object, List, Map, Texts, Numbers or TextLists field.
    PageWriter& open(FieldRef f);
    // In a List: the next object. In a Map: the object of this element.
    PageWriter& item();
    PageWriter& item(std::string_view elementName);
    // In Texts, Numbers or a list of TextLists: the next value, or the next list.
    PageWriter& value(std::string_view text);
    PageWriter& value(double number);
    PageWriter& list();
    // Closes what was opened last, the top object included.
    PageWriter& end();

    const std::string& text() const { return json_.text(); }
    // The first breach of the contract; empty when there was none.
    const std::string& fault() const { return fault_; }

private:
    struct Open {
        Type type;
        Shape shape;
        int last = -1;              // the index of the field written last in an object
        bool isObject;
        std::uint32_t written = 0; // a bit for each field written
    };
    bool enter(FieldRef f, Type written);
    void breach(std::string what);

    JsonWriter json_;
    std::vector<Open> open_;
    std::string fault_;
};

// Whether a text is one of the names a field allows.
bool isName(Names names, std::string_view text);

} // namespace vantrel::page
