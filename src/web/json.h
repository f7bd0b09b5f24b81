// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one writer of JSON for the page: the tables the build writes and what
// each call into the program changed. Commas and escapes are placed here and
// nowhere else; a text may hold any bytes the user typed.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

class JsonWriter {
public:
    JsonWriter& object() { return open('{'); }
    JsonWriter& array() { return open('['); }
    // Closes the innermost object or array.
    JsonWriter& end();
    // The name of the next value in an object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text ? text : "")); }
    JsonWriter& value(double number);
    JsonWriter& value(int number) { return value(static_cast<double>(number)); }
    JsonWriter& value(bool truth);
    JsonWriter& null();

    template <typename T>
    JsonWriter& field(std::string_view name, const T& v)
    {
        return key(name).value(v);
    }

    const std::string& text() const { return out_; }

private:
    JsonWriter& open(char bracket);
    void separate();
    void quote(std::string_view text);

    std::string out_;
    std::string closers_;
    bool valueBefore_ = false;
};

} // namespace vantrel
