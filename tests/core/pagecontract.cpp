// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page contract held from both ends. The program's end: the bridge is
// driven through every call and its answers, the fixed tables and the
// manifests are parsed here afresh and held against the description, field
// by field, in order, with every declared field seen somewhere. The page's
// end: every field the scripts read off an answer or the tables, every enum
// name they compare with, every call into the program and every element id
// they look up must be declared. Argument: the folder of the page's scripts.
#include "web/bridge.h"
#include "web/contract.h"
#include "web/pagetables.h"
#include "window/layout.h"
#include "window/locales.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace vantrel;
using namespace vantrel::page;

namespace {

int failures = 0;
bool quiet = false; // while the check is shown what it must find
void fail(const std::string& what)
{
    ++failures;
    if (!quiet)
        std::printf("FAIL %s\n", what.c_str());
}

// JSON as RFC 8259 has it, members kept in the order written.
struct Member;

struct Json {
    enum Kind { Null, Bool, Number, Text, Array, Object } kind = Null;
    std::string text;
    // A vector may hold a type still incomplete; a pair may not (clang says so).
    std::vector<Member> members; // an array's items have empty keys
};

struct Member {
    std::string first;
    Json second;
};

struct Parser {
    std::string_view s;
    std::size_t i = 0;
    bool ok = true;
    void space() { while (i < s.size() && std::string_view(" \t\r\n").find(s[i]) != std::string_view::npos) ++i; }
    bool eat(char c) { space(); if (i < s.size() && s[i] == c) { ++i; return true; } return false; }
    std::string string()
    {
        std::string out;
        if (!eat('"')) { ok = false; return out; }
        while (i < s.size() && s[i] != '"') {
            if (s[i] == '\\' && i + 1 < s.size()) {
                const char e = s[++i];
                if (e == 'u') { out += '?'; i += 4; } else out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            } else if (static_cast<unsigned char>(s[i]) < 0x20) {
                ok = false;
            } else {
                out += s[i];
            }
            ++i;
        }
        ok = ok && eat('"');
        return out;
    }
    Json value()
    {
        Json v;
        space();
        if (i >= s.size()) { ok = false; return v; }
        const char c = s[i];
        if (c == '{' || c == '[') {
            ++i;
            v.kind = c == '{' ? Json::Object : Json::Array;
            const char close = c == '{' ? '}' : ']';
            if (eat(close)) return v;
            do {
                std::string key = v.kind == Json::Object ? string() : "";
                if (v.kind == Json::Object && !eat(':')) ok = false;
                v.members.push_back(Member{std::move(key), value()});
            } while (ok && eat(','));
            ok = ok && eat(close);
        } else if (c == '"') {
            v.kind = Json::Text;
            v.text = string();
        } else if (s.substr(i, 4) == "null") { i += 4;
        } else if (s.substr(i, 4) == "true" || s.substr(i, 5) == "false") {
            v.kind = Json::Bool;
            v.text = s[i] == 't' ? "true" : "false";
            i += v.text.size();
        } else {
            const std::size_t from = i;
            while (i < s.size() && std::string_view("+-.0123456789eE").find(s[i]) != std::string_view::npos) ++i;
            v.kind = Json::Number;
            v.text = std::string(s.substr(from, i - from));
            ok = ok && i > from;
        }
        return v;
    }
};

std::set<std::pair<Shape, std::string_view>> seen; // every field found in what was written

// Whether `v` is of the declared type; lists of texts hold names the field allows.
void holds(const Json& v, const Field& f, const std::string& at);

void holds(const Json& v, Shape s, const std::string& at)
{
    if (v.kind != Json::Object) return fail(at + ": not an object");
    const auto fields = shape(s).fields;
    std::size_t next = 0;
    for (const auto& [key, member] : v.members) {
        std::size_t k = 0;
        while (k < fields.size() && fields[k].name != key) ++k;
        if (k == fields.size()) { fail(at + "." + key + ": not declared of " + std::string(shape(s).name)); continue; }
        if (k < next) fail(at + "." + key + ": out of the declared order");
        next = k + 1;
        seen.insert({s, fields[k].name});
        holds(member, fields[k], at + "." + key);
    }
    for (const Field& f : fields) {
        const bool there = std::any_of(v.members.begin(), v.members.end(), [&](const auto& m) { return m.first == f.name; });
        if (!f.optional && !there) fail(at + "." + std::string(f.name) + ": declared always there, missing");
    }
}

void holds(const Json& v, const Field& f, const std::string& at)
{
    const auto text = [&](const Json& t, const std::string& where) {
        if (t.kind != Json::Text) return fail(where + ": not a text");
        if (!isName(f.names, t.text)) fail(where + ": \"" + t.text + "\" is none of the names it may be");
    };
    const auto each = [&](const Json& list, auto check) {
        if (list.kind != Json::Array) return fail(at + ": not an array");
        for (std::size_t n = 0; n < list.members.size(); ++n) check(list.members[n].second, at + "[" + std::to_string(n) + "]");
    };
    switch (f.type) {
    case Type::Text: return text(v, at);
    case Type::TextOrNull: return v.kind == Json::Null ? void() : text(v, at);
    case Type::Number:
    case Type::Exact: return v.kind == Json::Number ? void() : fail(at + ": not a number");
    case Type::Truth: return v.kind == Json::Bool ? void() : fail(at + ": not true or false");
    case Type::Texts: return each(v, text);
    case Type::Numbers:
        return each(v, [](const Json& n, const std::string& w) { if (n.kind != Json::Number) fail(w + ": not a number"); });
    case Type::TextLists: return each(v, [&](const Json& l, const std::string& w) { holds(l, Field{f.name, Type::Texts, false, Shape::count_, f.names}, w); });
    case Type::Object: return holds(v, f.shape, at);
    case Type::List: return each(v, [&](const Json& o, const std::string& w) { holds(o, f.shape, w); });
    case Type::Map:
        if (v.kind != Json::Object) return fail(at + ": not an object");
        for (const auto& [key, member] : v.members) {
            if (!isName(Names::Element, key)) fail(at + "." + key + ": not an element's name");
            holds(member, f.shape, at + "." + key);
        }
    }
}

void document(const std::string& json, Shape s, const std::string& what)
{
    Parser p{json};
    const Json v = p.value();
    p.space();
    if (!p.ok || p.i != json.size()) return fail(what + ": not JSON");
    holds(v, s, what);
}

// A script without its comments, and the same with every string's letters blanked.
std::string withoutComments(const std::string& js)
{
    return std::regex_replace(js, std::regex(R"((^|\s)//[^\n]*)"), "$1");
}
std::string blanked(std::string js)
{
    char quote = 0;
    for (std::size_t i = 0; i < js.size(); ++i) {
        if (quote && js[i] == '\\' && i + 1 < js.size()) { js[i] = js[i + 1] = ' '; ++i; }
        else if (quote && js[i] == quote) quote = 0;
        else if (quote) js[i] = ' ';
        else if (js[i] == '"' || js[i] == '\'') quote = js[i];
    }
    return js;
}

// The names the scripts give to what they read off the program: each for
// one or more shapes. An access through any other name is not the contract's.
const std::map<std::string, std::vector<Shape>> kReaders{
    {"tables", {Shape::Tables}}, {"design", {Shape::Tables}}, {"detail", {Shape::Tables}},
    {"def", {Shape::ElementRow, Shape::Chooser}}, {"cmd", {Shape::CommandRow}}, {"l", {Shape::LanguageRow}},
    {"changes", {Shape::Answer}}, {"s", {Shape::ElementChange}}, {"c", {Shape::Controls}},
    {"words", {Shape::Words}}, {"spoken", {Shape::Spoken}}, {"language", {Shape::Language}},
    {"about", {Shape::About}}, {"table", {Shape::Layout}}, {"r", {Shape::Region}}, {"m", {Shape::MoveRow}},
    {"a", {Shape::ArrangementRow}}, {"arrangement", {Shape::ArrangementRow}},
    {"arranged", {Shape::Arranged}}, {"placed", {Shape::RegionBox}},
    {"lab", {Shape::Lab}}, {"labRow", {Shape::LabRow}},
};

const Field* find(Shape s, std::string_view name)
{
    for (const Field& f : shape(s).fields)
        if (f.name == name) return &f;
    return nullptr;
}

std::set<std::pair<Shape, std::string>> readFields; // every field a script reads

// Every breach of the contract in one script; `ids` are the page's own element ids.
std::vector<std::string> readsOf(const std::string& source, const std::set<std::string>& ids)
{
    std::vector<std::string> bad;
    const std::string code = withoutComments(source), bare = blanked(code);
    // name.field.field...: the first name not itself after a dot.
    const std::regex chain(R"(([A-Za-z_$][\w$]*)((?:\.[A-Za-z_$][\w$]*)+))");
    for (std::sregex_iterator m(bare.begin(), bare.end(), chain), e; m != e; ++m) {
        const std::size_t from = static_cast<std::size_t>(m->position(0));
        const auto reader = kReaders.find((*m)[1]);
        if ((from > 0 && bare[from - 1] == '.') || reader == kReaders.end()) continue;
        std::vector<std::string> path;
        std::stringstream rest((*m)[2].str().substr(1));
        for (std::string part; std::getline(rest, part, '.');) path.push_back(part);
        bool known = false;
        for (Shape s : reader->second) {
            const Field* f = find(s, path[0]);
            // Into an object field's own shape, as far as the chain goes.
            for (std::size_t k = 1; f; ++k) {
                readFields.insert({s, std::string(f->name)});
                if (f->type != Type::Object || k == path.size())
                    break;
                s = f->shape;
                f = find(s, path[k]);
            }
            known = known || f;
        }
        if (!known) bad.push_back(m->str());
    }
    const std::regex test(R"re("(\w+)"\s+in\s+(\w+))re");
    for (std::sregex_iterator m(code.begin(), code.end(), test), e; m != e; ++m) {
        const auto reader = kReaders.find((*m)[2]);
        if (reader == kReaders.end()) continue;
        bool known = false;
        for (Shape s : reader->second) {
            if (find(s, (*m)[1].str())) {
                readFields.insert({s, (*m)[1].str()});
                known = true;
            }
        }
        if (!known) bad.push_back(m->str());
    }
    // A name compared with a field that holds names must be one of them.
    const std::regex compare(R"re(\.(\w+)\s*[!=]==?\s*"([^"]*)")re");
    for (std::sregex_iterator m(code.begin(), code.end(), compare), e; m != e; ++m) {
        bool named = false, accepted = false;
        for (const ShapeDef& s : kShapes) {
            const Field* f = find(s.id, (*m)[1].str());
            if (!f || f->names == Names::Any) continue;
            named = true;
            accepted = accepted || isName(f->names, (*m)[2].str());
        }
        if (named && !accepted) bad.push_back(m->str());
    }
    const std::regex call(R"(Module\._(vantrel_\w+))");
    for (std::sregex_iterator m(code.begin(), code.end(), call), e; m != e; ++m) {
        if (std::none_of(kMessages.begin(), kMessages.end(), [&](const Message& g) { return g.symbol == (*m)[1].str(); }))
            bad.push_back(m->str());
    }
    const std::regex id(R"re((getElementById\("|nodes\.)(\w+))re");
    for (std::sregex_iterator m(code.begin(), code.end(), id), e; m != e; ++m) {
        if (!ids.count((*m)[2]) && !isName(Names::Element, (*m)[2].str())) bad.push_back(m->str());
    }
    return bad;
}

std::string read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    if (!in) fail(path + ": cannot be read");
    return all.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const std::string folder = argv[1];

    // The program's end: every call, a command of every row and rows that
    // are none, edits of any text, every language and asks for none.
    Bridge bridge;
    std::vector<std::pair<std::string, std::string>> answers{{"start", bridge.start()}};
    const int rows = static_cast<int>(commandTable().size());
    for (int row = -1; row <= rows; ++row) {
        answers.emplace_back("command " + std::to_string(row), bridge.command(row));
        answers.emplace_back("tick", bridge.tick());
    }
    for (const char* text : {"", "90", "-45.5", "\"quoted\" \\ \n", "\xe2\x80\xa8<b>", "1e309"}) {
        answers.emplace_back("text changed", bridge.textChanged(text));
        answers.emplace_back("Set Angle", bridge.command(static_cast<int>(Command::SetAngle)));
    }
    // The lab: every control of its table and rows that are none, twice, so
    // that each box is ticked and cleared; amplitudes of each phase and none.
    const int labRows = static_cast<int>(labControls().size());
    for (int round = 0; round < 2; ++round) {
        for (int row = -1; row <= labRows; ++row) {
            answers.emplace_back("lab " + std::to_string(row), bridge.lab(row));
            answers.emplace_back("tick", bridge.tick());
        }
    }
    for (const auto& [phase, percent] : {std::pair{0, 50}, {1, 151}, {2, -7}, {3, 100}, {-1, 5}})
        answers.emplace_back("amplitude", bridge.amplitude(phase, percent));
    for (const char* lines : {"open=r\nlocus", "sequence=evil\namplitude=<b>x</b>", "", "field=hidden\n=\n\n"}) {
        answers.emplace_back("open link", bridge.openLink(lines));
        answers.emplace_back("link", bridge.link());
    }
    for (const LanguageDef& l : languages())
        answers.emplace_back(std::string("language ") + l.tag, bridge.setLanguage(l.tag));
    answers.emplace_back("no language", bridge.setLanguage("xx-YY,,;"));
    for (const auto& [what, json] : answers)
        document(json, Shape::Answer, what);
    if (!bridge.fault().empty()) fail("the bridge's own writer: " + bridge.fault());
    for (const auto& [w, h] : {std::pair{390.0, 844.0}, {844.0, 390.0}, {1366.0, 1024.0}, {0.0, 0.0}}) {
        document(Bridge::layout(w, h, true), Shape::Arranged, "layout");
        document(Bridge::layout(w, h, false), Shape::Arranged, "layout");
    }
    const PageWriter written = tables();
    document(written.text(), Shape::Tables, "tables");
    if (!written.fault().empty()) fail("the tables' own writer: " + written.fault());
    for (const LanguageDef& l : languages())
        document(manifest(l).text(), Shape::Manifest, std::string("manifest ") + l.tag);
    for (const ShapeDef& s : kShapes) {
        for (const Field& f : s.fields)
            if (!seen.count({s.id, f.name})) fail(std::string(s.name) + "." + std::string(f.name) + ": declared, never written");
    }

    // The writer notes a breach it is asked to write.
    const struct {
        const char* what;
        Shape top;
        void (*write)(PageWriter&);
    } breaches[] = {
        {"out of order", Shape::About, [](PageWriter& w) { w.field(at(Shape::About, "text"), "b").field(at(Shape::About, "title"), "a"); }},
        {"a text for a number", Shape::Answer, [](PageWriter& w) { w.open(at(Shape::Answer, "controls")).field(at(Shape::Controls, "interval"), "9"); }},
        {"a field of another shape", Shape::Answer, [](PageWriter& w) { w.field(at(Shape::Words, "title"), "a"); }},
        {"one always there left out", Shape::Answer, [](PageWriter& w) { w.open(at(Shape::Answer, "about")).field(at(Shape::About, "ok"), "OK").end(); }},
    };
    for (const auto& b : breaches) {
        PageWriter w(b.top);
        b.write(w);
        if (w.fault().empty()) fail(std::string("the writer let pass: ") + b.what);
    }
    // The parsed check finds what a writer gone wrong would write.
    for (const char* bad : {R"({"controls":{"txtAngle":"1","cmdPlay":"Play","interval":5,"speed":null}})",
                            R"({"settled":3})", R"({"about":{"title":"a","text":"b"}})", R"({"elements":[{"name":"Lr9","visible":true}]})",
                            R"({"language":{"tag":"en","rightToLeft":false,"dir":"ltr"}})"}) {
        const int before = failures;
        quiet = true;
        document(bad, Shape::Answer, "bad");
        quiet = false;
        const bool found = failures > before;
        failures = before;
        if (!found) fail(std::string("the parsed check let pass: ") + bad);
    }

    // The enum names are in each enum's order.
    const struct {
        std::string_view got, want;
    } names[] = {
        {nameOf(kKindNames, Kind::GroupBox), "groupbox"}, {nameOf(kKindNames, Kind::PushButton), "button"},
        {nameOf(kKindNames, Kind::TextBox), "textbox"}, {nameOf(kKindNames, Kind::OptionButton), "option"},
        {nameOf(kKindNames, Kind::Image), "image"}, {nameOf(kKindNames, Kind::Line), "line"},
        {nameOf(kKindNames, Kind::Circle), "circle"}, {nameOf(kKindNames, Kind::Label), "label"},
        {nameOf(kRoleNames, Role::Painted), "painted"}, {nameOf(kRoleNames, Role::PictureButton), "pictureButton"},
        {nameOf(kScopeNames, KeyScope::TextBox), "textbox"}, {nameOf(kScopeNames, KeyScope::FullScreen), "fullscreen"},
        {nameOf(kCommandNames, Command::SetAngle), "SetAngle"}, {nameOf(kCommandNames, Command::FullScreen), "FullScreen"},
        {nameOf(kCommandNames, Command::LeaveFullScreen), "LeaveFullScreen"},
        {nameOf(kCommandNames, Command::StepForward), "StepForward"},
        {nameOf(kLabKindNames, LabKind::CheckBox), "checkbox"}, {nameOf(kLabKindNames, LabKind::Amplitude), "amplitude"},
        {nameOf(kLabKindNames, LabKind::ReadOut), "readout"},
    };
    for (const auto& n : names)
        if (n.got != n.want) fail("enum name " + std::string(n.got) + " where " + std::string(n.want) + " belongs");

    // Which arrangement a screen gets: the designed window is 1010 x 734
    // pixels, and readable at any scale from 0.85 up.
    const struct {
        double w, h;
        bool coarse;
        Arrangement want;
    } screens[] = {
        {390, 844, false, Arrangement::Designed}, {390, 844, true, Arrangement::Upright},
        {844, 390, true, Arrangement::Sideways}, {500, 500, true, Arrangement::Sideways},
        {1010, 734, true, Arrangement::Designed}, {1366, 1024, true, Arrangement::Designed},
        {1010 * 0.5, 734 * 0.5, true, Arrangement::Sideways},
    };
    for (const auto& s : screens)
        if (arrangementFor(s.w, s.h, s.coarse) != s.want)
            fail("arrangement for " + std::to_string(s.w) + " x " + std::to_string(s.h));

    // Where the regions go: inside the margins, one gap apart down a column,
    // each the shape of its rectangle, none past its designed size where it
    // may not grow; sideways, the stator's column at one scale and within
    // its share of the width.
    for (const auto& [w, h] : {std::pair{390.0, 844.0}, {360.0, 640.0}, {844.0, 390.0}, {640.0, 360.0}}) {
        const auto boxes = arrangeRegions(arrangementFor(w, h, true), w, h);
        const std::string at = std::to_string(int(w)) + " x " + std::to_string(int(h)) + ": ";
        if (boxes.size() != kRegionCount) fail(at + "not every region placed");
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const RegionBox& b = boxes[i];
            const RegionDef& r = region(b.region);
            if (b.left < 4 - 1e-9 || b.left + b.width > w - 4 + 1e-9 || b.top < 4 - 1e-9) fail(at + r.name + " outside the margins");
            if (std::abs(b.height - r.rect.d / 15.0 * b.scale) > 1e-9 || b.width + 1e-9 < r.rect.c / 15.0 * b.scale)
                fail(at + r.name + " not the shape of its rectangle");
            if (r.maxScale && b.scale > r.maxScale + 1e-12) fail(at + r.name + " past its designed size");
            if (i > 0 && boxes[i - 1].left == b.left && std::abs(b.top - (boxes[i - 1].top + boxes[i - 1].height + 6)) > 1e-9)
                fail(at + r.name + " not one gap below the region above");
        }
        if (w > h && (boxes[0].scale != boxes[1].scale || boxes[0].width > (w - 8) * 0.6 + 1e-9))
            fail(at + "the stator's column is not within its share at one scale");
    }
    if (!arrangeRegions(Arrangement::Designed, 1000, 700).empty()) fail("the designed window cut into regions");

    // The page's end: its own ids from index.html, then every script.
    std::set<std::string> ids;
    const std::string html = read(folder + "/index.html");
    const std::regex idAttribute(R"re(\bid="(\w+)")re");
    for (std::sregex_iterator m(html.begin(), html.end(), idAttribute), e; m != e; ++m) ids.insert((*m)[1]);
    ids.insert("scene");
    std::set<std::string> called;
    for (const char* script : {"app.js", "layout.js", "address.js"}) {
        const std::string js = read(folder + "/" + script);
        for (const std::string& bad : readsOf(js, ids)) fail(std::string(script) + ": " + bad + " is not in the contract");
        const std::regex call(R"(Module\._(vantrel_\w+))");
        for (std::sregex_iterator m(js.begin(), js.end(), call), e; m != e; ++m) called.insert((*m)[1]);
    }
    for (const Message& g : kMessages)
        if (!called.count(std::string(g.symbol))) fail(std::string(g.symbol) + ": declared, never called");
    // Nothing is declared, and so written, that the page does not read; the
    // manifest is the browser's.
    for (const ShapeDef& s : kShapes) {
        for (const Field& f : s.fields) {
            if (s.id != Shape::Manifest && s.id != Shape::Icon && !readFields.count({s.id, std::string(f.name)}))
                fail(std::string(s.name) + "." + std::string(f.name) + ": declared, never read by the page");
        }
    }
    // A misspelt read of each kind is caught.
    for (const char* bad : {"c.cmdPlya", "tables.scheme.windw", "def.kind === \"grupbox\"", "\"captoin\" in s",
                            "Module._vantrel_tik()", "getElementById(\"cmdPaly\")", "table.margn"}) {
        if (readsOf(bad, ids).empty()) fail(std::string("the script check let pass: ") + bad);
    }

    std::printf("%s\n", failures ? "page contract: FAILED" : "page contract: all checks passed");
    return failures ? 1 : 0;
}
