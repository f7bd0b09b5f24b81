// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/json.h"

#include <cmath>
#include <cstdio>

namespace vantrel {

void JsonWriter::separate()
{
    if (valueBefore_)
        out_ += ',';
    valueBefore_ = false;
}

JsonWriter& JsonWriter::open(char bracket)
{
    separate();
    out_ += bracket;
    closers_ += bracket == '{' ? '}' : ']';
    return *this;
}

JsonWriter& JsonWriter::end()
{
    if (!closers_.empty()) {
        out_ += closers_.back();
        closers_.pop_back();
    }
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    separate();
    quote(name);
    out_ += ':';
    return *this;
}

// Only the quote, the backslash and the control characters need escapes;
// every other byte, UTF-8 included, stands for itself.
void JsonWriter::quote(std::string_view text)
{
    out_ += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out_ += escape;
        } else {
            out_ += c;
        }
    }
    out_ += '"';
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    quote(text);
    valueBefore_ = true;
    return *this;
}

// Nine significant digits give back the very 32-bit float a line end holds;
// JSON has no infinity nor NaN, so those are written as null.
JsonWriter& JsonWriter::value(double number)
{
    if (!std::isfinite(number))
        return null();
    separate();
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.9g", number);
    out_ += digits;
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(bool truth)
{
    separate();
    out_ += truth ? "true" : "false";
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::null()
{
    separate();
    out_ += "null";
    valueBefore_ = true;
    return *this;
}

} // namespace vantrel
