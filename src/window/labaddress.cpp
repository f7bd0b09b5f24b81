// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/labaddress.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

namespace vantrel {
namespace {

constexpr std::array<std::string_view, 3> kPhaseLetters{"r", "y", "b"};

std::string lower(std::string_view text)
{
    std::string out(text.substr(0, kLongestLabValue));
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::optional<Phase> phaseNamed(std::string_view text)
{
    for (std::size_t p = 0; p < kPhaseLetters.size(); ++p) {
        if (text == kPhaseLetters[p])
            return static_cast<Phase>(p);
    }
    return std::nullopt;
}

// Three whole percentages, 0..150, comma-separated; anything else is none.
std::optional<std::array<int, 3>> amplitudes(std::string_view text)
{
    std::array<int, 3> out{};
    std::size_t from = 0;
    for (std::size_t p = 0; p < out.size(); ++p) {
        const std::size_t comma = p + 1 < out.size() ? text.find(',', from) : text.size();
        if (comma == std::string_view::npos || comma == from)
            return std::nullopt;
        const char* first = text.data() + from;
        const char* last = text.data() + comma;
        const auto [end, error] = std::from_chars(first, last, out[p]);
        if (error != std::errc{} || end != last || out[p] < 0 || out[p] > kLargestAmplitude)
            return std::nullopt;
        from = comma + 1;
    }
    return out;
}

} // namespace

LabLink labFromQuery(std::span<const std::pair<std::string, std::string>> query)
{
    LabLink link;
    std::vector<std::string_view> seen;
    bool understood = false;
    for (const auto& [key, raw] : query) {
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            continue;
        seen.push_back(key);
        const std::string value = lower(raw);
        bool took = true;
        if (key == "sequence" && (value == "rby" || value == "ryb"))
            link.experiment.sequence = value == "rby" ? Sequence::RBY : Sequence::RYB;
        else if (key == "open" && phaseNamed(value))
            link.experiment.connected[*phaseNamed(value)] = false;
        else if (key == "neutral" && (value == "no" || value == "yes"))
            link.experiment.neutral = value == "yes";
        else if (key == "amplitude" && amplitudes(value))
            link.experiment.amplitude = *amplitudes(value);
        else if (key == "locus" && (value.empty() || value == "yes"))
            link.view.path = true;
        else if (key == "field" && (value == "hidden" || value == "shown"))
            link.view.fieldHidden = value == "hidden";
        else
            took = false;
        understood = understood || took;
    }
    link.view.open = understood;
    return link;
}

LabLink labFromLines(std::string_view lines)
{
    std::vector<std::pair<std::string, std::string>> query;
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        const std::string_view line = lines.substr(0, end);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            query.emplace_back(std::string(line.substr(0, kLongestLabValue)), std::string());
        else
            query.emplace_back(std::string(line.substr(0, std::min(equals, kLongestLabValue))),
                               std::string(line.substr(equals + 1, kLongestLabValue)));
        lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    return labFromQuery(query);
}

std::string labQuery(const Experiment& e, const LabView& view)
{
    std::vector<std::string> parts;
    if (e.sequence == Sequence::RBY)
        parts.emplace_back("sequence=rby");
    // A link holds one open line; of more, the first.
    for (std::size_t p = 0; p < e.connected.size(); ++p) {
        if (!e.connected[p]) {
            parts.push_back("open=" + std::string(kPhaseLetters[p]));
            break;
        }
    }
    if (!e.neutral)
        parts.emplace_back("neutral=no");
    if (e.amplitude != Experiment{}.amplitude)
        parts.push_back("amplitude=" + std::to_string(e.amplitude[R]) + ',' + std::to_string(e.amplitude[Y]) + ',' +
                        std::to_string(e.amplitude[B]));
    if (view.path)
        parts.emplace_back("locus");
    if (view.fieldHidden)
        parts.emplace_back("field=hidden");
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : "&") + part;
    return out;
}

} // namespace vantrel
