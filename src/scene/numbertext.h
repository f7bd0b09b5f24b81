// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers to text and back for Set Angle, the same on every platform and in
// every locale: a point is always the decimal separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// A plain decimal number in UTF-8 text: optional sign, digits with an
// optional fraction and exponent; blanks around it (as Qt counts blanks:
// ASCII white space, U+0085 and the Unicode space separators) are ignored.
// Anything else, and any number too large for a double, does not convert;
// one too close to zero reads as zero.
std::optional<double> textToNumber(std::string_view text);

// The shortest text that reads back as exactly the same finite number:
// positional from 1e-5 to 1e15, with an exponent beyond; whole numbers have
// no fraction.
std::string numberToText(double value);

} // namespace vantrel
