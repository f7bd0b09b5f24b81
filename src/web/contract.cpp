// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/contract.h"

#include "window/layout.h"

#include <algorithm>

namespace vantrel::page {

PageWriter::PageWriter(Shape top)
{
    json_.object();
    open_.push_back({Type::Object, top, -1, true, 0});
}

void PageWriter::breach(std::string what)
{
    if (fault_.empty())
        fault_ = std::move(what);
}

bool PageWriter::enter(FieldRef f, Type written)
{
    const Field& def = f.def();
    if (open_.empty() || !open_.back().isObject || open_.back().shape != f.shape) {
        breach(std::string(def.name) + ": not a field of the object open");
        return false;
    }
    Open& object = open_.back();
    if (f.index <= object.last)
        breach(std::string(def.name) + ": written out of the declared order, or twice");
    object.last = f.index;
    object.written |= std::uint32_t{1} << f.index;
    const bool fits = def.type == written || (def.type == Type::TextOrNull && written == Type::Text) ||
                      (def.type == Type::Exact && written == Type::Number);
    if (!fits)
        breach(std::string(def.name) + ": a value of another type than declared");
    json_.key(def.name);
    return true;
}

PageWriter& PageWriter::field(FieldRef f, std::string_view text)
{
    enter(f, Type::Text);
    json_.value(text);
    return *this;
}

PageWriter& PageWriter::field(FieldRef f, double number)
{
    enter(f, Type::Number);
    // Seventeen digits bring back any double; nine, the float most numbers are.
    json_.value(number, f.def().type == Type::Exact ? 17 : 9);
    return *this;
}

PageWriter& PageWriter::field(FieldRef f, bool truth)
{
    enter(f, Type::Truth);
    json_.value(truth);
    return *this;
}

PageWriter& PageWriter::null(FieldRef f)
{
    enter(f, Type::TextOrNull);
    json_.null();
    return *this;
}

PageWriter& PageWriter::open(FieldRef f)
{
    const Field& def = f.def();
    const bool container = def.type == Type::Object || def.type == Type::List || def.type == Type::Map ||
                           def.type == Type::Texts || def.type == Type::Numbers || def.type == Type::TextLists;
    enter(f, container ? def.type : Type::Object);
    const bool isObject = def.type == Type::Object || def.type == Type::Map;
    isObject ? json_.object() : json_.array();
    open_.push_back({def.type, def.shape, -1, def.type == Type::Object, 0});
    return *this;
}

PageWriter& PageWriter::item()
{
    if (open_.empty() || open_.back().type != Type::List)
        breach("an object outside a list of objects");
    const Shape s = open_.empty() ? Shape::count_ : open_.back().shape;
    json_.object();
    open_.push_back({Type::Object, s, -1, true, 0});
    return *this;
}

PageWriter& PageWriter::item(std::string_view elementName)
{
    if (open_.empty() || open_.back().type != Type::Map)
        breach(std::string(elementName) + ": a keyed object outside a map");
    const Shape s = open_.empty() ? Shape::count_ : open_.back().shape;
    json_.key(elementName).object();
    open_.push_back({Type::Object, s, -1, true, 0});
    return *this;
}

PageWriter& PageWriter::value(std::string_view text)
{
    if (open_.empty() || open_.back().type != Type::Texts)
        breach("a text where no list of texts is open");
    json_.value(text);
    return *this;
}

PageWriter& PageWriter::value(double number)
{
    if (open_.empty() || open_.back().type != Type::Numbers)
        breach("a number where no list of numbers is open");
    json_.value(number);
    return *this;
}

PageWriter& PageWriter::list()
{
    if (open_.empty() || open_.back().type != Type::TextLists)
        breach("a list where no list of lists is open");
    json_.array();
    open_.push_back({Type::Texts, Shape::count_, -1, false, 0});
    return *this;
}

PageWriter& PageWriter::end()
{
    if (open_.empty()) {
        breach("more closed than opened");
        return *this;
    }
    const Open& closing = open_.back();
    // A field that must be there and is not.
    if (closing.isObject && closing.shape != Shape::count_) {
        const auto fields = shape(closing.shape).fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!(closing.written >> i & 1) && !fields[i].optional)
                breach(std::string(fields[i].name) + ": declared always there, and left out");
        }
    }
    open_.pop_back();
    json_.end();
    return *this;
}

bool isName(Names names, std::string_view text)
{
    const auto among = [&](const auto& table) { return std::find(table.begin(), table.end(), text) != table.end(); };
    switch (names) {
    case Names::Any: return true;
    case Names::Kind: return among(kKindNames);
    case Names::Role: return among(kRoleNames);
    case Names::Scope: return among(kScopeNames);
    case Names::Command: return among(kCommandNames);
    case Names::Element:
        return text == kWindowName || text == kLanguageChooserName ||
               std::any_of(elementTable().begin(), elementTable().end(),
                           [&](const ElementDef& d) { return text == d.name; });
    case Names::Region:
        return std::any_of(regionTable().begin(), regionTable().end(),
                           [&](const RegionDef& r) { return text == r.name; });
    case Names::Lab:
        return std::any_of(labControls().begin(), labControls().end(),
                           [&](const LabControlDef& c) { return text == c.name; });
    case Names::LabKind: return among(kLabKindNames);
    case Names::Arrangement:
        return std::any_of(arrangementTable().begin(), arrangementTable().end(),
                           [&](const ArrangementDef& a) { return text == a.name; });
    }
    return false;
}

} // namespace vantrel::page
