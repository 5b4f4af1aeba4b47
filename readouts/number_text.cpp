// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Forms beyond the ordinary range, this program's own choice:
// - Finite magnitudes above 1e15 are written as the shortest decimal that reads back to the very
//   same double, with the comma and a capital E: "3,1622776601683796E16", "-2,5E300". Decimals do
//   not apply to them; width does. 1e15 itself stays fixed-point ("1000000000000000"): with 0 or 1
//   decimals the doubles just below 1e15 round to that text, and it has to read back to a number
//   that is written the same way.
// - Not finite: "unendlich", "-unendlich", and "keine Zahl" for every NaN, padded to width too.
// - The digit rule fixes 17 places after the point; with more decimals the further places are 0.
//   The text is built in a std::string, so every uint8 width and decimals fits.
// ParseNumber reads, besides the plain form, an exponent (E or e, an optional sign, digits) and
// the three words in any letter case. A decimal beyond the range of a double reads as the nearest
// double in round-to-nearest: an infinity beyond DBL_MAX plus half an ulp, a zero of the text's
// sign below half the smallest subnormal. A text that does not fit reads as 0; it fails one
// character past its longest start that some accepted text shares ("12x" at 3, "-" at 2).
// No locale is consulted: std::to_chars and std::from_chars write and read the digits.

#include "readouts/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>
#include <utility>

namespace {

constexpr double kLargestFixedPointMagnitude = 1e15;
// The digit rule rounds the exact value at this place before it rounds at the decimals.
constexpr std::size_t kExactPlaces = 17;

constexpr std::string_view kInfinityText = "unendlich";
constexpr std::string_view kNegativeInfinityText = "-unendlich";
constexpr std::string_view kNotANumberText = "keine Zahl";

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The magnitude with kExactPlaces places after a point, rounded to nearest at the last one.
std::string ExactPlaces(double magnitude) {
    // 15 integer digits, the point and 17 places.
    char buffer[40];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                      std::chars_format::fixed, static_cast<int>(kExactPlaces));
    return std::string(std::begin(buffer), result.ptr);
}

// Adds one unit in the last place of a digit text, carrying past the point ("9.99" -> "10.00").
void IncrementLastPlace(std::string& digits) {
    for (auto place = digits.rbegin(); place != digits.rend(); ++place) {
        if (*place == '.') {
            continue;
        }
        if (*place != '9') {
            ++*place;
            return;
        }
        *place = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digit rule: `decimals` places of the 17-place expansion, rounded half away from zero.
std::string RoundedMagnitude(double magnitude, std::uint8_t decimals) {
    std::string text = ExactPlaces(magnitude);
    const std::size_t point = text.find('.');
    const std::size_t kept = std::min<std::size_t>(decimals, kExactPlaces);
    const bool roundsUp = kept < kExactPlaces && text[point + 1 + kept] >= '5';
    text.resize(decimals == 0 ? point : point + 1 + kept);
    if (roundsUp) {
        IncrementLastPlace(text);
    }
    text.append(decimals - kept, '0');
    return text;
}

std::string PadLeft(std::string text, std::uint8_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

// Stops at the point, so the zeros of the integer part stay.
void StripTrailingZeros(std::string& text) {
    while (text.size() >= 2 && text.back() == '0') {
        text.pop_back();
    }
    if (text.size() >= 2 && text.back() == '.') {
        text.pop_back();
    }
}

std::string FixedPointText(std::uint8_t width, std::uint8_t decimals, double value) {
    std::string text = RoundedMagnitude(std::fabs(value), decimals);
    if (std::signbit(value)) {
        text.insert(0, 1, '-');
    }
    text = PadLeft(std::move(text), width);
    if (decimals != 0) {
        StripTrailingZeros(text);
    }
    if (text == "-0") {
        text = "0";
    }
    return text;
}

// Shortest round-trip digits: "-2.5e+300" becomes "-2.5E300". Exponents here are 15 and more.
std::string ScientificText(double value) {
    char buffer[32];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific);
    std::string text(std::begin(buffer), result.ptr);
    const std::size_t exponentMark = text.find('e');
    std::string exponentDigits = text.substr(exponentMark + 2);
    exponentDigits.erase(0, exponentDigits.find_first_not_of('0'));
    text.resize(exponentMark);
    return text + 'E' + exponentDigits;
}

void ReplacePointByComma(std::string& text) {
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text[point] = ',';
    }
}

// How far a text fits one alternative of the grammar, and whether all of it does.
struct Fit {
    std::size_t length = 0;
    bool complete = false;
};

// Walks a text of the decimal grammar from the left.
class DecimalCursor {
public:
    explicit DecimalCursor(std::string_view text) : text_(text) {}

    bool AcceptOneOf(std::string_view characters) {
        if (position_ < text_.size() && characters.find(text_[position_]) != std::string::npos) {
            ++position_;
            return true;
        }
        return false;
    }

    bool AcceptDigits() {
        const std::size_t start = position_;
        while (position_ < text_.size() && IsDigit(text_[position_])) {
            ++position_;
        }
        return position_ > start;
    }

    Fit Stopped() const { return {position_, false}; }
    Fit Finished() const { return {position_, position_ == text_.size()}; }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// "-", digits, then optionally "." and digits, then optionally "E", a sign and digits.
Fit FitDecimal(std::string_view text) {
    DecimalCursor cursor(text);
    cursor.AcceptOneOf("-");
    if (!cursor.AcceptDigits()) {
        return cursor.Stopped();
    }
    if (cursor.AcceptOneOf(".") && !cursor.AcceptDigits()) {
        return cursor.Stopped();
    }
    if (cursor.AcceptOneOf("Ee")) {
        cursor.AcceptOneOf("+-");
        if (!cursor.AcceptDigits()) {
            return cursor.Stopped();
        }
    }
    return cursor.Finished();
}

// Letter case does not matter: the words read back raw and after NormalizeDecimal.
Fit FitWord(std::string_view text, std::string_view word) {
    const auto [textStop, wordStop] =
        std::mismatch(text.begin(), text.end(), word.begin(), word.end(),
                      [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
    const auto length = static_cast<std::size_t>(textStop - text.begin());
    return {length, textStop == text.end() && wordStop == word.end()};
}

// Saturates far beyond any exponent that could still matter.
std::int64_t ExponentValue(std::string_view exponentDigits) {
    constexpr std::int64_t kLimit = 1'000'000'000'000;
    std::int64_t value = 0;
    for (char digit : exponentDigits) {
        value = std::min(value * 10 + (digit - '0'), kLimit);
    }
    return value;
}

// The power of ten of the first significant digit of a decimal text that is not zero.
std::int64_t DecimalOrder(std::string_view text) {
    const std::size_t exponentMark = std::min(text.find_first_of("Ee"), text.size());
    std::string_view mantissa = text.substr(0, exponentMark);
    mantissa.remove_prefix(mantissa.starts_with('-') ? 1 : 0);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<std::int64_t>(mantissa.find_first_not_of("0."));
    const std::int64_t order = first < point ? point - first - 1 : point - first;

    std::string_view exponent = text.substr(std::min(exponentMark + 1, text.size()));
    const bool negativeExponent = exponent.starts_with('-');
    exponent.remove_prefix(exponent.starts_with('-') || exponent.starts_with('+') ? 1 : 0);
    const std::int64_t exponentValue = ExponentValue(exponent);
    return order + (negativeExponent ? -exponentValue : exponentValue);
}

// from_chars leaves the value alone when the decimal lies beyond the range of a double.
double DecimalValue(std::string_view text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc::result_out_of_range) {
        return value;
    }
    const double magnitude =
        DecimalOrder(text) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return text.starts_with('-') ? -magnitude : magnitude;
}

}  // namespace

std::string FormatNumber(std::uint8_t width, std::uint8_t decimals, double value) {
    if (std::isnan(value)) {
        return PadLeft(std::string(kNotANumberText), width);
    }
    if (std::isinf(value)) {
        return PadLeft(std::string(value > 0 ? kInfinityText : kNegativeInfinityText), width);
    }
    std::string text = std::fabs(value) > kLargestFixedPointMagnitude
                           ? PadLeft(ScientificText(value), width)
                           : FixedPointText(width, decimals, value);
    ReplacePointByComma(text);
    return text;
}

std::string NormalizeDecimal(std::string_view text) {
    std::string normalized(text);
    for (char& c : normalized) {
        c = c == ',' ? '.' : AsciiUpper(c);
    }
    return normalized;
}

ParsedNumber ParseNumber(std::string_view text) {
    const std::pair<std::string_view, double> words[] = {
        {kInfinityText, std::numeric_limits<double>::infinity()},
        {kNegativeInfinityText, -std::numeric_limits<double>::infinity()},
        {kNotANumberText, std::numeric_limits<double>::quiet_NaN()},
    };
    const Fit decimal = FitDecimal(text);
    if (decimal.complete) {
        return {DecimalValue(text), 0};
    }
    std::size_t longestFit = decimal.length;
    for (const auto& [word, value] : words) {
        const Fit fit = FitWord(text, word);
        if (fit.complete) {
            return {value, 0};
        }
        longestFit = std::max(longestFit, fit.length);
    }
    return {0.0, static_cast<int>(longestFit + 1)};
}
