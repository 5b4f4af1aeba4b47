// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readouts/readings.h"

#include <cmath>
#include <limits>

#include "geometry/picture_layout.h"
#include "readouts/number_text.h"

// Outcomes that every setting must have, also where the arithmetic leaves the ordinary range:
// - A scale length of 0 (a drawing area exactly 80 px wide) gives no reading that divides by it:
//   those read NaN, written "keine Zahl", and the fixed "1" / "0" stay. Nothing divides by zero;
//   the task line then follows its usual rule, NaN comparing false.
// - A power of ten too large for a double shows as "unendlich", one too small as "0"; 10 divided
//   by a reading of 0 is "unendlich", and 10 divided by an infinite one is 0.
// The formatter spells non-finite values in words, so no "nan" or "inf" reaches the table.
static_assert(std::numeric_limits<double>::is_iec559, "readings rely on IEEE 754 infinities");
static_assert(std::numeric_limits<Extended>::is_iec559, "readings rely on IEEE 754 infinities");

namespace {

// One scale length spans ten units of a linear scale.
constexpr std::int64_t kUnitsPerScaleLength = 10;

constexpr std::uint8_t kReadingWidth = 1;
constexpr std::uint8_t kReadingDecimals = 2;

Extended Quotient(std::int64_t numerator, std::int64_t scaleLength) {
    if (scaleLength == 0) {
        return std::numeric_limits<Extended>::quiet_NaN();
    }
    return static_cast<Extended>(numerator) / static_cast<Extended>(scaleLength);
}

Extended DecadeReading(std::int64_t pixels, std::int64_t scaleLength) {
    return NormalizeDecade(std::pow(10.0L, Quotient(pixels, scaleLength)));
}

// The slide's reading at the lower index, seen over the lower scale's end 10.
Extended TenOver(Extended reading) {
    if (reading == 0.0L) {
        return std::numeric_limits<Extended>::infinity();
    }
    return 10.0L / reading;
}

Extended LinearReading(std::int64_t pixels, std::int64_t scaleLength) {
    return WrapLinear(Quotient(kUnitsPerScaleLength * pixels, scaleLength));
}

// A reading beyond the largest double is shown as infinite; testing first keeps the conversion
// within a double's range.
double AsDouble(Extended reading) {
    constexpr auto kLargest = static_cast<Extended>(std::numeric_limits<double>::max());
    if (reading > kLargest) {
        return std::numeric_limits<double>::infinity();
    }
    if (reading < -kLargest) {
        return -std::numeric_limits<double>::infinity();
    }
    return static_cast<double>(reading);
}

std::string ReadingText(Extended reading) {
    return FormatNumber(kReadingWidth, kReadingDecimals, AsDouble(reading));
}

Readings LogarithmicReadings(const ScalePositions& at) {
    const Extended lowerAtSlideIndex = DecadeReading(at.slideIndex, at.scaleLength);
    Readings readings;
    readings.lowerIndex = "1";
    readings.lowerAtSlideIndex = ReadingText(lowerAtSlideIndex);
    readings.slideIndex = "1";
    readings.slideAtLowerIndex = ReadingText(NormalizeDecade(TenOver(lowerAtSlideIndex)));
    readings.lowerUnderHairline = ReadingText(DecadeReading(at.hairline, at.scaleLength));
    readings.slideUnderHairline =
        ReadingText(DecadeReading(at.hairline - at.slideIndex, at.scaleLength));
    return readings;
}

Readings LinearReadings(const ScalePositions& at) {
    const Extended lowerAtSlideIndex = LinearReading(at.slideIndex, at.scaleLength);
    Readings readings;
    readings.lowerIndex = "0";
    readings.lowerAtSlideIndex = ReadingText(lowerAtSlideIndex);
    readings.slideIndex = "0";
    readings.slideAtLowerIndex = ReadingText(10.0L - lowerAtSlideIndex);
    readings.lowerUnderHairline = ReadingText(LinearReading(at.hairline, at.scaleLength));
    readings.slideUnderHairline =
        ReadingText(LinearReading(at.hairline - at.slideIndex, at.scaleLength));
    return readings;
}

double CellValue(std::string_view text) {
    return ParseNumber(NormalizeDecimal(text)).value;
}

}  // namespace

Readings ComputeReadings(ScaleMode mode, const ScalePositions& at) {
    Readings readings =
        mode == ScaleMode::Logarithmic ? LogarithmicReadings(at) : LinearReadings(at);
    readings.taskLine = BuildTaskLine(mode, readings.lowerAtSlideIndex, readings.slideUnderHairline,
                                      readings.lowerUnderHairline);
    return readings;
}

// The operands are compared with 10 in extended precision: "1,6" times "6,25" lies just above 10
// there, but rounds to exactly 10 as a double. The result is lifted in double precision, the type
// of c: the extended product or sum would be exact for every text a cell can show, so rounding it
// gives the same double, and an overflow stays a plain IEEE infinity.
std::string BuildTaskLine(ScaleMode mode, std::string_view lowerAtSlideIndex,
                          std::string_view slideUnderHairline,
                          std::string_view lowerUnderHairline) {
    const double a = CellValue(lowerAtSlideIndex);
    const double b = CellValue(slideUnderHairline);
    double c = CellValue(lowerUnderHairline);
    std::string line(lowerAtSlideIndex);
    if (mode == ScaleMode::Logarithmic) {
        line += " \xB7 ";
        if (static_cast<Extended>(a) * static_cast<Extended>(b) > 10.0L) {
            c *= 10.0;
        }
    } else {
        line += "+";
        if (static_cast<Extended>(a) + static_cast<Extended>(b) > 10.0L) {
            c += 10.0;
        }
    }
    line += slideUnderHairline;
    line += " = ";
    line += FormatNumber(kReadingWidth, kReadingDecimals, c);
    return line;
}

Extended NormalizeDecade(Extended x) {
    if (x < 1.0L) {
        x *= 10.0L;
    }
    if (x > 10.0L) {
        x /= 10.0L;
    }
    return x;
}

Extended WrapLinear(Extended x) {
    if (x < 0.0L) {
        x += 10.0L;
    }
    return x;
}
