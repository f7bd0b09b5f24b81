// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's JSON writer against texts written out by hand from the JSON
// grammar (RFC 8259): what must be escaped and how, where commas go, and
// numbers that read back as the floats the program holds.
#include "web/json.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>

using vantrel::JsonWriter;

namespace {

int failures = 0;

void expect(const char* what, const std::string& got, const std::string& want)
{
    if (got == want)
        return;
    ++failures;
    std::printf("FAIL %s\n  got  %s\n  want %s\n", what, got.c_str(), want.c_str());
}

std::string written(const std::function<void(JsonWriter&)>& write)
{
    JsonWriter json;
    write(json);
    return json.text();
}

} // namespace

int main()
{
    // Any bytes a user may type: only the quote, the backslash and the
    // control characters are escaped; UTF-8 and the rest pass as they are.
    const struct {
        const char* what;
        std::string text, json;
    } texts[] = {
        {"plain", "60", R"("60")"},
        {"quote", R"(say "90")", R"("say \"90\"")"},
        {"backslash", R"(C:\x\)", R"("C:\\x\\")"},
        {"quote after backslash", R"(\")", R"("\\\"")"},
        {"control characters", std::string("a\nb\tc\x01\x1f", 7), R"("a\u000ab\u0009c\u0001\u001f")"},
        {"a nul byte inside", std::string("a\0b", 3), R"("a\u0000b")"},
        {"delete and slash", "\x7f/", "\"\x7f/\""},
        {"UTF-8, line separator included", "\xc2\xb0 \xe2\x80\xa8 \xf0\x9f\x98\x80", "\"\xc2\xb0 \xe2\x80\xa8 \xf0\x9f\x98\x80\""},
        {"markup", "</script><b>", R"("</script><b>")"},
        {"empty", "", R"("")"},
    };
    for (const auto& t : texts)
        expect(t.what, written([&](JsonWriter& j) { j.value(t.text); }), t.json);

    // Commas between members and elements, never after the last one nor
    // after an empty container; keys before values.
    const struct {
        const char* what;
        std::function<void(JsonWriter&)> write;
        std::string json;
    } shapes[] = {
        {"empty object", [](JsonWriter& j) { j.object().end(); }, "{}"},
        {"empty array in object", [](JsonWriter& j) { j.object().key("a").array().end().end(); }, R"({"a":[]})"},
        {"members", [](JsonWriter& j) { j.object().key("a").value(1).key("b").value(true).key("c").null().end(); },
         R"({"a":1,"b":true,"c":null})"},
        {"nested", [](JsonWriter& j) { j.array().object().end().object().key("x").value("y").end().array().end().value(false).end(); },
         R"([{},{"x":"y"},[],false])"},
        {"object after array member",
         [](JsonWriter& j) { j.object().key("l").array().value(1).value(2).end().key("o").object().end().end(); },
         R"({"l":[1,2],"o":{}})"},
        {"quoted key", [](JsonWriter& j) { j.object().key("Label1(5)\"").value("B2").end(); }, R"({"Label1(5)\"":"B2"})"},
    };
    for (const auto& s : shapes)
        expect(s.what, written(s.write), s.json);

    // Line ends are 32-bit floats: nine digits bring each back exactly.
    // JSON has no infinity nor NaN.
    const struct {
        const char* what;
        double number;
        std::string json;
    } numbers[] = {
        {"whole twips", 15150, "15150"},
        {"negative", -4096, "-4096"},
        {"a float's own digits", 0.1f, "0.100000001"},
        {"a phasor end", 4500.5f, "4500.5"},
        {"small", 1.0 / 1024, "0.0009765625"},
        {"infinity", std::numeric_limits<double>::infinity(), "null"},
        {"not a number", std::nan(""), "null"},
    };
    for (const auto& n : numbers)
        expect(n.what, written([&](JsonWriter& j) { j.value(n.number); }), n.json);

    std::printf("%s\n", failures ? "json writer: FAILED" : "json writer: all checks passed");
    return failures ? 1 : 0;
}
