// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readouts/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();
constexpr std::uint8_t kUsedDecimals[] = {0, 1, 2};

struct FormatCase {
    std::uint8_t width;
    std::uint8_t decimals;
    double value;
    const char* text;
};

void ExpectFormats(const std::vector<FormatCase>& cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatNumber(c.width, c.decimals, c.value), c.text)
            << "value " << ::testing::PrintToString(c.value) << ", width " << int{c.width}
            << ", decimals " << int{c.decimals};
    }
}

TEST(NumberText, FormatTable) {
    ExpectFormats({
        {1, 2, 2, "2"},
        {1, 2, 7, "7"},
        {1, 2, 1.5, "1,5"},
        {1, 2, 10, "10"},
        {1, 0, 10, "10"},
        {1, 0, 100, "100"},
        {1, 2, 0.004, "0"},
        {1, 2, -0.004, "0"},
        {1, 0, -0.4, "0"},
        {1, 2, 0.0, "0"},
        {1, 2, -0.0, "0"},
        {1, 2, -3.456, "-3,46"},
        {1, 2, -0.005, "-0,01"},
        {1, 2, 12.345, "12,35"},
        {1, 2, 1.005, "1"},
        {1, 2, 2.675, "2,67"},
        {1, 2, 8.875, "8,88"},
        {1, 2, 0.125, "0,13"},
        {1, 2, 0.015, "0,02"},
        {1, 2, 0.995, "1"},
        {1, 2, 9.999, "10"},
        {1, 2, 99.995, "100"},
        {1, 2, 123.456, "123,46"},
        {1, 2, 1000000000, "1000000000"},
        {1, 0, 0.5, "1"},
        {1, 0, 2.5, "3"},
        {1, 0, -2.5, "-3"},
        {1, 1, 1.1, "1,1"},
        {1, 1, 1.25, "1,3"},
        {1, 1, 2, "2"},
        {1, 1, 10.5, "10,5"},
        {1, 1, -0.05, "-0,1"},
    });
}

TEST(NumberText, FormatKeepsIntegerZerosAndRoundsOnDecimalDigits) {
    ExpectFormats({
        {1, 0, 0.0, "0"},
        {1, 0, -0.0, "0"},
        {1, 0, 1000, "1000"},
        {1, 1, 100, "100"},
        {1, 2, 0.1, "0,1"},
        {1, 2, -0.1, "-0,1"},
        {1, 2, 0.01, "0,01"},
        {1, 2, 0.005, "0,01"},
        {1, 2, 0.0049999, "0"},
        {1, 1, 0.04999, "0"},
        {1, 1, -0.049, "0"},
        {1, 0, 0.49999999999999994, "0"},
        {1, 0, -0.5, "-1"},
        {1, 0, 1.5, "2"},
        // Held 5.6e-18 and 2.2e-17 below the half: too far for the 17th place to lift them.
        {1, 1, 0.15, "0,1"},
        {1, 1, 0.35, "0,3"},
        {1, 2, 1.015, "1,01"},
        {1, 2, 999999999999999.875, "999999999999999,88"},
        {1, 0, 999999999999999.5, "1000000000000000"},
        {1, 2, 1e15, "1000000000000000"},
        {1, 2, 1e-300, "0"},
        {1, 2, -kSmallestSubnormal, "0"},
    });
}

TEST(NumberText, FormatCarries) {
    ExpectFormats({
        {1, 2, 9.999, "10"},
        {1, 2, 99.995, "100"},
        {1, 2, 0.995, "1"},
        {1, 2, -0.995, "-1"},
        {1, 2, 0.0951, "0,1"},
        {1, 1, 9.96, "10"},
        {1, 1, 0.96, "1"},
        {1, 0, 9.5, "10"},
        {1, 0, 999.5, "1000"},
        {1, 2, -999.996, "-1000"},
        {1, 2, 19.999, "20"},
    });
}

// The blanks come before the trailing zeros go, so a stripped text can end up shorter than width.
TEST(NumberText, FormatPadsToWidth) {
    ExpectFormats({
        {6, 0, 42, "    42"},
        {6, 0, -42, "   -42"},
        {6, 1, 42, "  42"},
        {6, 2, 42, " 42"},
        {6, 2, 1.5, "  1,5"},
        {6, 2, -3.456, " -3,46"},
        {6, 2, 2, "  2"},
        {6, 0, 0.0, "     0"},
        {6, 2, 0.0, "  0"},
        {6, 2, -0.004, " -0"},
        {6, 0, -0.4, "    -0"},
        {3, 2, 123.456, "123,46"},
        {0, 2, 1.5, "1,5"},
        {0, 0, 7, "7"},
        {12, 2, 1e16, "        1E16"},
        {12, 2, -kInfinity, "  -unendlich"},
        {12, 2, kNotANumber, "  keine Zahl"},
        {3, 2, kInfinity, "unendlich"},
    });
}

TEST(NumberText, FormatManyDecimals) {
    ExpectFormats({
        {1, 3, 0.0625, "0,063"},
        {1, 3, 1.0005, "1"},
        {1, 16, 0.1, "0,1"},
        {1, 17, 0.1, "0,10000000000000001"},
        {1, 17, 0.3, "0,29999999999999999"},
        {1, 18, 0.3, "0,29999999999999999"},
        {1, 255, 0.3, "0,29999999999999999"},
        {1, 255, 1.0 / 3, "0,33333333333333331"},
        {1, 255, -kSmallestSubnormal, "0"},
        {30, 20, 1, "        1"},
        {255, 255, -2.5, "-2,5"},
    });
    EXPECT_EQ(FormatNumber(255, 2, 2.5), std::string(251, ' ') + "2,5");
}

TEST(NumberText, FormatBeyondOrdinaryRange) {
    ExpectFormats({
        {1, 2, 1.0000000000000001e15, "1,0000000000000001E15"},
        {1, 0, 1e16, "1E16"},
        {1, 2, 3.1622776601683796e16, "3,1622776601683796E16"},
        // The literal's nearest double is 31622776601683796, and its own digits are the shortest.
        {1, 2, 3.1622776601683795e16, "3,1622776601683796E16"},
        {1, 1, -3.1622776601683796e16, "-3,1622776601683796E16"},
        {1, 2, 1.5e17, "1,5E17"},
        {1, 2, 1e20, "1E20"},
        {1, 2, 1e100, "1E100"},
        {1, 2, -2.5e300, "-2,5E300"},
        {1, 2, kLargest, "1,7976931348623157E308"},
        {1, 2, kInfinity, "unendlich"},
        {1, 0, -kInfinity, "-unendlich"},
        {1, 2, kNotANumber, "keine Zahl"},
        {1, 2, -kNotANumber, "keine Zahl"},
    });
}

TEST(NumberText, NormalizeTable) {
    const struct {
        const char* text;
        const char* normalized;
    } cases[] = {
        {"12,35", "12.35"},
        {"-0,01", "-0.01"},
        {"1,5e2", "1.5E2"},
        {"L\xE4ufer", "L\xE4UFER"},
        {"", ""},
        {"1,2,3", "1.2.3"},
        {"keine Zahl", "KEINE ZAHL"},
        {"azAZ`{@[", "AZAZ`{@["},
        {"\xE4\xF6\xFC\xDF\xE9\xFF\x80\xB7", "\xE4\xF6\xFC\xDF\xE9\xFF\x80\xB7"},
        {"12.35", "12.35"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeDecimal(c.text), c.normalized) << "text \"" << c.text << "\"";
    }
}

TEST(NumberText, NormalizeKeepsEmbeddedZeroBytes) {
    const std::string text("a\0,", 3);
    EXPECT_EQ(NormalizeDecimal(text), std::string("A\0.", 3));
}

struct ParseCase {
    const char* text;
    double value;
};

void ExpectParses(const std::vector<ParseCase>& cases) {
    for (const ParseCase& c : cases) {
        const ParsedNumber parsed = ParseNumber(c.text);
        EXPECT_EQ(parsed.failurePosition, 0) << "text \"" << c.text << "\"";
        EXPECT_EQ(parsed.value, c.value) << "text \"" << c.text << "\"";
        EXPECT_EQ(std::signbit(parsed.value), std::signbit(c.value)) << "text \"" << c.text << "\"";
    }
}

TEST(NumberText, ParseTable) {
    ExpectParses({
        {"2.35", 2.35},
        {"-0.01", -0.01},
        {"1000000000", 1000000000},
        {"0", 0.0},
        {"-0", -0.0},
        {"0.015", 0.015},
        {"007.50", 7.5},
        {"12.345678901234567890123", 12.345678901234567890123},
        {"999999999999999.88", 999999999999999.88},
        {"1000000000000000", 1e15},
    });
}

TEST(NumberText, ParseExponentsAndWords) {
    ExpectParses({
        {"1E15", 1e15},
        {"3.1622776601683795E16", 3.1622776601683795e16},
        {"-2.5E300", -2.5e300},
        {"1.5e2", 150},
        {"2.5E+3", 2500},
        {"25E-3", 0.025},
        {"1E0", 1},
        {"UNENDLICH", kInfinity},
        {"unendlich", kInfinity},
        {"-UNENDLICH", -kInfinity},
        {"-Unendlich", -kInfinity},
    });
    for (const char* text : {"KEINE ZAHL", "keine Zahl", "Keine zahl"}) {
        const ParsedNumber parsed = ParseNumber(text);
        EXPECT_EQ(parsed.failurePosition, 0) << text;
        EXPECT_TRUE(std::isnan(parsed.value)) << text;
    }
}

// Round to nearest: an infinity only beyond the largest double plus half an ulp, a zero only below
// half the smallest subnormal.
TEST(NumberText, ParseBeyondRangeOfDouble) {
    ExpectParses({
        {"1.7976931348623157E308", kLargest},
        {"1.7976931348623158E308", kLargest},
        {"1.7976931348623159E308", kInfinity},
        {"-1.7976931348623159E308", -kInfinity},
        {"1E400", kInfinity},
        {"0.00001E400", kInfinity},
        {"1000000000000000000000E300", kInfinity},
        {"1E99999999999999999999999", kInfinity},
        {"-1E400", -kInfinity},
        {"0.0001E312", 1e308},
        {"2.4703282292062328E-324", kSmallestSubnormal},
        {"2.4703282292062327E-324", 0.0},
        {"1E-400", 0.0},
        {"-1E-400", -0.0},
        {"1000E-330", 0.0},
        {"00012E-99999999999999999999", 0.0},
        {"0E99999999999999999999", 0.0},
        {"-0.000E-5", -0.0},
    });
}

TEST(NumberText, ParseFailures) {
    const struct {
        const char* text;
        int failurePosition;
    } cases[] = {
        {"", 1},
        {"12x", 3},
        {"1.", 3},
        {"-", 2},
        {"--1", 2},
        {".5", 1},
        {"+1", 1},
        {" 1", 1},
        {"1 ", 2},
        {"12,35", 3},
        {"1.5.3", 4},
        {"1E", 3},
        {"1E+", 4},
        {"1E+-2", 4},
        {"1e5x", 4},
        {"1E2.5", 4},
        {"0x1p3", 2},
        {"inf", 1},
        {"nan", 1},
        {"UNEND", 6},
        {"UNENDLICHX", 10},
        {"-UNX", 4},
        {"KEINE", 6},
        {"KEINE ZAHLEN", 11},
        {"-KEINE ZAHL", 2},
        {"unendlich ", 10},
    };
    for (const auto& c : cases) {
        const ParsedNumber parsed = ParseNumber(c.text);
        EXPECT_EQ(parsed.failurePosition, c.failurePosition) << "text \"" << c.text << "\"";
        EXPECT_EQ(parsed.value, 0.0) << "text \"" << c.text << "\"";
    }
}

TEST(NumberText, ParseFailsAtEmbeddedZeroByte) {
    const ParsedNumber parsed =
        ParseNumber(std::string_view("12\0"
                                     "3",
                                     4));
    EXPECT_EQ(parsed.failurePosition, 3);
    EXPECT_EQ(parsed.value, 0.0);
}

// Doubles of every kind: random bit patterns, magnitudes spread over the whole range, the borders
// of the fixed-point form and the values that are not finite.
std::vector<double> RoundTripValues() {
    std::mt19937_64 random(20240611);
    std::vector<double> values = {0.0, -0.0, kInfinity, -kInfinity, kNotANumber, -kNotANumber};
    values.insert(values.end(), {kLargest, -kLargest, kSmallestSubnormal, 0.015, 1e15, -1e15});
    for (double border : {1e15, 999999999999999.5, 0.5}) {
        values.insert(values.end(), {border, -border});
        double below = border;
        double above = border;
        for (int step = 0; step < 8; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, kInfinity);
            values.insert(values.end(), {below, above, -below, -above});
        }
    }
    std::uniform_real_distribution<double> decimalExponent(-320, 309);
    std::bernoulli_distribution negative(0.5);
    for (int i = 0; i < 10000; ++i) {
        values.push_back(std::bit_cast<double>(random()));
        const double magnitude = std::pow(10.0, decimalExponent(random));
        values.push_back(negative(random) ? -magnitude : magnitude);
    }
    return values;
}

// Whatever the text, reading it back and writing again gives the same text; beyond the fixed-point
// form the very same number comes back.
TEST(NumberTextRoundTrip, ReadsBackWhatItWrote) {
    for (double value : RoundTripValues()) {
        for (std::uint8_t decimals : kUsedDecimals) {
            const std::string text = FormatNumber(1, decimals, value);
            const ParsedNumber parsed = ParseNumber(NormalizeDecimal(text));
            ASSERT_EQ(parsed.failurePosition, 0) << text;
            ASSERT_EQ(FormatNumber(1, decimals, parsed.value), text)
                << "value " << ::testing::PrintToString(value) << ", decimals " << int{decimals};
            if (std::isnan(value)) {
                ASSERT_TRUE(std::isnan(parsed.value)) << text;
            } else if (std::fabs(value) >= 1e15) {
                ASSERT_EQ(parsed.value, value) << text;
            }
        }
    }
}

// An unsigned integer in base 10^9 limbs, least significant first; just enough to write
// mantissa * 5^n out in decimal.
class BigDecimal {
public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void MultiplyByPowerOfFive(int exponent) {
        constexpr int kChunk = 13;  // 5^13 times a limb stays far below 2^64
        for (; exponent >= kChunk; exponent -= kChunk) {
            MultiplyBy(1220703125);
        }
        for (; exponent > 0; --exponent) {
            MultiplyBy(5);
        }
    }

    std::string Digits() const {
        std::string digits = std::to_string(limbs_.back());
        char limbDigits[9];
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const char* end =
                std::to_chars(std::begin(limbDigits), std::end(limbDigits), *limb).ptr;
            const auto count = static_cast<std::size_t>(end - limbDigits);
            digits.append(9 - count, '0').append(limbDigits, count);
        }
        return digits;
    }

private:
    static constexpr std::uint64_t kBase = 1'000'000'000;

    void MultiplyBy(std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = limb * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
        }
    }

    std::vector<std::uint32_t> limbs_;
};

// Every decimal digit of a magnitude below 2^53, integerCount of them before the point.
struct ExactDecimal {
    std::string digits;
    std::size_t integerCount;
};

// magnitude = mantissa * 2^-n = mantissa * 5^n / 10^n, and n > 0 below 2^53.
ExactDecimal ExpandExactly(double magnitude) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int fractionPlaces = 53 - binaryExponent;
    BigDecimal number(mantissa);
    number.MultiplyByPowerOfFive(fractionPlaces);
    std::string digits = number.Digits();
    const auto places = static_cast<std::size_t>(fractionPlaces);
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    return {digits, digits.size() - places};
}

// Adds one unit in the last digit; the text grows by a digit when every digit was 9.
void IncrementDigits(ExactDecimal& number) {
    auto digit = number.digits.rbegin();
    for (; digit != number.digits.rend() && *digit == '9'; ++digit) {
        *digit = '0';
    }
    if (digit == number.digits.rend()) {
        number.digits.insert(0, 1, '1');
        ++number.integerCount;
    } else {
        ++*digit;
    }
}

// Keeps `places` digits after the point; a dropped half goes up, or to even when tiesToEven.
ExactDecimal RoundAt(ExactDecimal number, std::size_t places, bool tiesToEven) {
    const std::size_t kept = number.integerCount + places;
    number.digits.resize(std::max(number.digits.size(), kept + 1), '0');
    const char next = number.digits[kept];
    const bool beyondHalf = number.digits.find_first_not_of('0', kept + 1) != std::string::npos;
    number.digits.resize(kept);
    const bool lastIsOdd = (number.digits.back() - '0') % 2 == 1;
    const bool up = next > '5' || (next == '5' && (beyondHalf || !tiesToEven || lastIsOdd));
    if (up) {
        IncrementDigits(number);
    }
    return number;
}

// The exact digits rounded to nearest at the 17th place, ties to even like std::to_chars. No
// double below 1e15 ends in a tie there that a carry could carry up to the second place.
ExactDecimal SeventeenPlaces(double value) {
    return RoundAt(ExpandExactly(std::fabs(value)), 17, true);
}

// The program's text for width 1: half away from zero at the decimals, then no trailing zeros
// and no sign on zero.
std::string ReferenceText(bool negative, const ExactDecimal& seventeenPlaces,
                          std::size_t decimals) {
    const ExactDecimal rounded = RoundAt(seventeenPlaces, decimals, false);
    const std::string integerPart = rounded.digits.substr(0, rounded.integerCount);
    std::string fractionPart = rounded.digits.substr(rounded.integerCount);
    fractionPart.erase(fractionPart.find_last_not_of('0') + 1);
    const bool isZero = integerPart == "0" && fractionPart.empty();
    const std::string sign = negative && !isZero ? "-" : "";
    return sign + integerPart + (fractionPart.empty() ? "" : "," + fractionPart);
}

std::string ReferenceText(double value, std::size_t decimals) {
    return ReferenceText(std::signbit(value), SeventeenPlaces(value), decimals);
}

TEST(NumberTextDifferential, ReferenceSeesTheTies) {
    EXPECT_EQ(ReferenceText(0.125, 2), "0,13");
    EXPECT_EQ(ReferenceText(0.015, 2), "0,02");
    EXPECT_EQ(ReferenceText(1.005, 2), "1");
    EXPECT_EQ(ReferenceText(-0.004, 2), "0");
    EXPECT_EQ(ReferenceText(99.995, 2), "100");
    EXPECT_EQ(ReferenceText(std::ldexp(1.0, -18), 17), "0,00000381469726562");
    EXPECT_EQ(ReferenceText(std::ldexp(3.0, -18), 17), "0,00001144409179688");
}

// Magnitudes spread evenly over the decades below 1e15, and values a few ulps around the halves
// that decide the rounding at 0, 1 and 2 decimals.
std::vector<double> DifferentialValues() {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> decimalExponent(-22, 15);
    std::uniform_int_distribution<int> halfIndexDigits(0, 9);
    std::uniform_int_distribution<int> decimals(0, 2);
    std::uniform_int_distribution<int> ulpSteps(-3, 3);
    std::bernoulli_distribution negative(0.5);
    std::vector<double> values;
    for (int i = 0; i < 70000; ++i) {
        const double magnitude = std::pow(10.0, decimalExponent(random));
        values.push_back(negative(random) ? -magnitude : magnitude);
    }
    for (int i = 0; i < 30000; ++i) {
        const double scale = std::pow(10.0, decimals(random));
        // Limits from 1 to 10^9, so that many halves lie below 1, where the 17th place can lift.
        const auto indexLimit = static_cast<std::uint64_t>(std::pow(10.0, halfIndexDigits(random)));
        std::uniform_int_distribution<std::uint64_t> halfIndex(0, indexLimit);
        double half = static_cast<double>(2 * halfIndex(random) + 1) / (2 * scale);
        for (int step = ulpSteps(random); step != 0; step -= step > 0 ? 1 : -1) {
            half = std::nextafter(half, step > 0 ? kInfinity : 0.0);
        }
        values.push_back(negative(random) ? -half : half);
    }
    return values;
}

TEST(NumberTextDifferential, MatchesExactDecimalExpansion) {
    for (double value : DifferentialValues()) {
        const ExactDecimal seventeenPlaces = SeventeenPlaces(value);
        for (std::uint8_t decimals : kUsedDecimals) {
            ASSERT_EQ(FormatNumber(1, decimals, value),
                      ReferenceText(std::signbit(value), seventeenPlaces, decimals))
                << "value " << ::testing::PrintToString(value) << ", decimals " << int{decimals};
        }
    }
}

// Puts the process locale back however the test ends.
class LocaleGuard {
public:
    LocaleGuard() : previous_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, previous_.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    std::string previous_;
};

bool SelectCommaDecimalLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::string(std::localeconv()->decimal_point) == ",") {
            return true;
        }
    }
    return false;
}

TEST(NumberTextLocale, CommaDecimalLocaleChangesNothing) {
    const LocaleGuard guard;
    if (!SelectCommaDecimalLocale()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    ExpectFormats({
        {1, 2, 1.5, "1,5"},
        {1, 2, -3.456, "-3,46"},
        {1, 2, 0.015, "0,02"},
        {1, 0, 1234567, "1234567"},
        {1, 2, 3.1622776601683796e16, "3,1622776601683796E16"},
    });
    ExpectParses({{"2.35", 2.35}, {"-0.01", -0.01}, {"1.5E2", 150}});
    EXPECT_EQ(ParseNumber("2,35").failurePosition, 2);
}

}  // namespace
