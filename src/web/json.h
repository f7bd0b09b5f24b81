// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one writer of JSON for the page: the tables the build writes and what
// each call into the program changed. Commas and escapes are placed here and
// nowhere else; a text may hold any bytes the user typed. Its keys come from
// the page contract's PageWriter (contract.h), which names only declared
// fields.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace vantrel {

class JsonWriter {
public:
    JsonWriter& object() { return put("{", false, '}'); }
    JsonWriter& array() { return put("[", false, ']'); }
    // Closes the innermost object or array.
    JsonWriter& end()
    {
        out_ += closers_.back();
        closers_.pop_back();
        valueBefore_ = true;
        return *this;
    }
    // The name of the next value in an object.
    JsonWriter& key(std::string_view name) { return put(quoted(name) + ':', false); }

    JsonWriter& value(std::string_view text) { return put(quoted(text), true); }
    JsonWriter& value(const char* text) { return value(std::string_view(text ? text : "")); }
    // Nine significant digits give back the very 32-bit float a line end
    // holds; seventeen, any double. JSON has no infinity nor NaN.
    JsonWriter& value(double number, int significant = 9)
    {
        char digits[32] = "null";
        if (std::isfinite(number))
            std::snprintf(digits, sizeof digits, "%.*g", significant, number);
        return put(digits, true);
    }
    JsonWriter& value(int number) { return value(static_cast<double>(number)); }
    JsonWriter& value(bool truth) { return put(truth ? "true" : "false", true); }
    JsonWriter& null() { return put("null", true); }

    const std::string& text() const { return out_; }

private:
    // Writes a key, a whole value or what opens one, after a comma where a
    // value came before, and keeps what will close an object or array.
    JsonWriter& put(std::string_view json, bool whole, char closer = 0)
    {
        if (valueBefore_)
            out_ += ',';
        out_ += json;
        if (closer)
            closers_ += closer;
        valueBefore_ = whole;
        return *this;
    }
    // Only the quote, the backslash and the control characters need escapes;
    // every other byte, UTF-8 included, stands for itself.
    static std::string quoted(std::string_view text)
    {
        std::string out = "\"";
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            char escaped[8] = {'\\', c, 0};
            if (byte < 0x20)
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned{byte});
            if (byte < 0x20 || c == '"' || c == '\\')
                out += escaped;
            else
                out += c;
        }
        return out + '"';
    }

    std::string out_;
    std::string closers_; // what closes each open object or array, innermost last
    bool valueBefore_ = false;
};

} // namespace vantrel
