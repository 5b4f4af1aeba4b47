// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/graduation.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <string>
#include <utility>

#include "geometry/picture_layout.h"
#include "readouts/extended_precision.h"
#include "readouts/number_text.h"

namespace {

// Lengths of the ticks and offsets of the numbers, in 120ths of the strip height. Each number
// stands 16 to 18 beyond the end of its tick.
constexpr int kFineTick = 10;
constexpr int kTenthTick = 20;
constexpr int kHalfTick = 50;
constexpr int kUnitTick = 80;
constexpr int kTenthLabel = 36;
constexpr int kHalfLabel = 68;
constexpr int kUnitLabel = 96;
constexpr int kEndLabel = 98;

// Where a number stands relative to the strip's offset a: one with a decimal starts 10 px left of
// its tick and a whole number 3 px left.
constexpr int kDecimalLabelStart = 30;
constexpr int kWholeLabelStart = 37;
constexpr int kLeftEndLabelStart = 36;
constexpr int kRightEndLabelBack = 10;

// Every mark of a decade stands at a whole number of hundredths from 1.00 to 10.00. Its place on
// the scale, log10 of its value with a 64-bit significand, does not depend on the strip, so it is
// worked out once. A value is the same number whichever quotient forms it: 110 / 100 is 11 / 10.
constexpr int kHundredthsPerUnit = 100;
constexpr int kDecadeEnd = 10 * kHundredthsPerUnit;

Extended DecadeFraction(int hundredths) {
    static const std::array<Extended, kDecadeEnd + 1> fractions = [] {
        std::array<Extended, kDecadeEnd + 1> logarithms{};
        for (int k = kHundredthsPerUnit; k <= kDecadeEnd; ++k) {
            logarithms[static_cast<std::size_t>(k)] =
                std::log(Extended(k) / kHundredthsPerUnit) / std::log(Extended{10});
        }
        return logarithms;
    }();
    return fractions[static_cast<std::size_t>(hundredths)];
}

// Places marks at distances from the scale's left end. v is computed with a 64-bit significand and
// stored as a double; the column adds the integer start in extended precision as well.
class ScaleRuler {
public:
    ScaleRuler(ScaleMarks& marks, const PictureLayout& layout, std::int64_t offset)
        : marks_(marks),
          offset_(offset),
          scaleEnd_(layout.stripWidth),
          length_(static_cast<double>(layout.scaleLength)) {}

    // The distance of the value hundredths / 100 on a logarithmic scale.
    double LogDistance(int hundredths) const {
        return static_cast<double>(DecadeFraction(hundredths) * Extended{length_});
    }
    double LinearDistance(Extended fraction) const {
        return static_cast<double>(fraction * Extended{length_});
    }

    void Tick(int length, double v) { marks_.DrawTick(length, Column(kScaleStart, v)); }
    void Label(int offset, std::string_view text, std::int64_t start, double v) {
        marks_.DrawLabel(offset, text, Column(start, v));
    }
    void LeftEndLabel(std::string_view text) {
        marks_.DrawLabel(kEndLabel, text, static_cast<double>(offset_ + kLeftEndLabelStart));
    }
    void RightEndLabel(std::string_view text) {
        marks_.DrawLabel(kEndLabel, text,
                         static_cast<double>(offset_ + scaleEnd_ - kRightEndLabelBack));
    }

private:
    double Column(std::int64_t start, double v) const {
        return static_cast<double>(static_cast<Extended>(offset_ + start) + Extended{v});
    }

    ScaleMarks& marks_;
    std::int64_t offset_;
    std::int64_t scaleEnd_;  // the right end's column less the offset: W
    double length_;
};

// The number tenths / 10 written with the decimals given. A graduation writes the same few
// dozen numbers on every strip of every render, so each is written once.
const std::string& NumberText(int tenths, int decimals) {
    static std::map<std::pair<int, int>, std::string> texts;
    const auto [entry, isNew] = texts.try_emplace({tenths, decimals});
    if (isNew) {
        const Extended value = Extended(tenths) / 10;
        entry->second =
            FormatNumber(1, static_cast<std::uint8_t>(decimals), static_cast<double>(value));
    }
    return entry->second;
}

const std::string& OneDecimal(int tenths) {
    return NumberText(tenths, 1);
}
const std::string& Whole(int units) {
    return NumberText(units * 10, 0);
}

// Ticks every value i / divisor for i in [first, last].
void TickLogRow(ScaleRuler& ruler, int first, int last, int divisor, int length) {
    for (int i = first; i <= last; ++i) {
        ruler.Tick(length, ruler.LogDistance(i * (kHundredthsPerUnit / divisor)));
    }
}

// The fine steps change at 1.5 and at 3: 0.01, then 0.02, then 0.05. Every tenth is ticked, the
// tenths from 1.1 to 1.9 are numbered except 1.5, which is numbered with the halves.
void DrawLogarithmic(ScaleRuler& ruler) {
    ruler.RightEndLabel("10");
    ruler.LeftEndLabel("1");
    TickLogRow(ruler, 101, 149, 100, kFineTick);
    TickLogRow(ruler, 76, 149, 50, kFineTick);
    TickLogRow(ruler, 61, 199, 20, kFineTick);
    for (int i = 11; i <= 99; ++i) {
        const double v = ruler.LogDistance(i * 10);
        ruler.Tick(kTenthTick, v);
        if (i < 20 && i != 15) {
            ruler.Label(kTenthLabel, OneDecimal(i), kDecimalLabelStart, v);
        }
    }
    for (int i = 2; i <= 9; ++i) {
        const double v = ruler.LogDistance(i * kHundredthsPerUnit);
        ruler.Tick(kUnitTick, v);
        ruler.Label(kUnitLabel, Whole(i), kWholeLabelStart, v);
    }
    for (int i = 1; i <= 9; ++i) {
        const double v = ruler.LogDistance(i * kHundredthsPerUnit + kHundredthsPerUnit / 2);
        ruler.Tick(kHalfTick, v);
        ruler.Label(kHalfLabel, OneDecimal(i * 10 + 5), kDecimalLabelStart, v);
    }
}

// Twentieths, tenths, whole units and halves; the numbers count from the start value, the
// columns do not depend on it.
void DrawLinear(ScaleRuler& ruler, int start) {
    ruler.LeftEndLabel(std::to_string(start));
    ruler.RightEndLabel(std::to_string(start + 10));
    for (int i = 1; i <= 199; ++i) {
        ruler.Tick(kFineTick, ruler.LinearDistance(Extended(i) / 20 / 10));
    }
    for (int i = 1; i <= 99; ++i) {
        ruler.Tick(kTenthTick, ruler.LinearDistance(Extended(i) / 10 / 10));
    }
    for (int i = 1; i <= 9; ++i) {
        const double v = ruler.LinearDistance(Extended(i) / 10);
        ruler.Tick(kUnitTick, v);
        ruler.Label(kUnitLabel, Whole(start + i), kWholeLabelStart, v);
    }
    for (int i = 1; i <= 10; ++i) {
        const double v = ruler.LinearDistance((Extended(i) - Extended{0.5}) / 10);
        ruler.Tick(kHalfTick, v);
        ruler.Label(kHalfLabel, OneDecimal((start + i) * 10 - 5), kDecimalLabelStart, v);
    }
}

}  // namespace

void DrawGraduation(ScaleMarks& marks, ScaleMode mode, const PictureLayout& layout,
                    const ScalePlacement& scale) {
    ScaleRuler ruler(marks, layout, scale.offset);
    if (mode == ScaleMode::Logarithmic) {
        DrawLogarithmic(ruler);
    } else {
        DrawLinear(ruler, scale.startValue);
    }
}
