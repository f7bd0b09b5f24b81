// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A link to an experiment of the lab, beside the page's angle, speed and
// language:
//   ?sequence=rby&open=r&neutral=no&amplitude=100,50,100&locus&field=hidden
// Of a repeated key the first counts, a value that means nothing is left
// out as a bad angle is, and no value is read past its first 64 bytes.
#pragma once

#include "scene/experiment.h"
#include "window/lab.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel {

// Longer than any value the lab writes; the address is not trusted for sizes.
inline constexpr std::size_t kLongestLabValue = 64;

struct LabLink {
    Experiment experiment;
    // Open when any key of the lab gave a value it understands.
    LabView view;
};

// The query's key/value pairs, decoded, in the order they came.
LabLink labFromQuery(std::span<const std::pair<std::string, std::string>> query);

// "key=value" lines, one pair a line, as the page passes the query on.
LabLink labFromLines(std::string_view lines);

// The inverse: what differs from the designed lesson, in the order above;
// empty for the designed lesson shown as designed.
std::string labQuery(const Experiment& experiment, const LabView& view);

} // namespace vantrel
