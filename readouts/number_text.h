// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's number text: fixed-point, trailing zeros stripped, a comma as decimal separator.
// Texts are single-byte Windows-1252 strings; no locale is consulted anywhere.

// Writes value with `decimals` places, rounded half away from zero on its decimal digits, pads it
// with blanks on the left to `width`, then strips trailing zeros and writes "," for the point.
// Magnitudes above 1e15 and values that are not finite have forms of their own, which
// ParseNumber reads back to the same number (see number_text.cpp).
std::string FormatNumber(std::uint8_t width, std::uint8_t decimals, double value);

// Capitalises "a" to "z" and turns every "," into ".".
std::string NormalizeDecimal(std::string_view text);

struct ParsedNumber {
    double value = 0.0;
    // 0 when the whole text was read, else the 1-based position of the first character that does
    // not fit.
    int failurePosition = 0;
};

// Reads a text that FormatNumber wrote and NormalizeDecimal converted: the double nearest to the
// decimal value that the text spells. A text that does not fit reads as 0.
ParsedNumber ParseNumber(std::string_view text);
