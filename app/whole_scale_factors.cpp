// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/whole_scale_factors.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// No screen needs more; a larger factor would only overflow the arithmetic.
constexpr double kLargestFactor = 64;

// Halves go up, as Qt rounds the screen's own factor.
std::string WholeFactor(std::string_view factor) {
    double value = 0;
    const auto [end, error] = std::from_chars(factor.data(), factor.data() + factor.size(), value);
    if (error != std::errc{} || end != factor.data() + factor.size() || !std::isfinite(value)) {
        return std::string(factor);
    }
    return std::to_string(
        static_cast<int>(std::clamp(std::floor(value + 0.5), 1.0, kLargestFactor)));
}

// A screen's entry is a factor alone or a name, "=", and a factor.
std::string WholeEntry(std::string_view entry) {
    const std::size_t equals = entry.rfind('=');
    if (equals == std::string_view::npos) {
        return WholeFactor(entry);
    }
    return std::string(entry.substr(0, equals + 1)) + WholeFactor(entry.substr(equals + 1));
}

void RoundVariable(const char* name) {
    if (qEnvironmentVariableIsSet(name)) {
        const QByteArray factors = qgetenv(name);
        qputenv(name, QByteArray::fromStdString(WholeScaleFactors(factors.toStdString())));
    }
}

}  // namespace

std::string WholeScaleFactors(std::string_view factors) {
    std::string whole;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = factors.find(';', start);
        whole += WholeEntry(factors.substr(start, semicolon - start));
        if (semicolon == std::string_view::npos) {
            return whole;
        }
        whole += ';';
        start = semicolon + 1;
    }
}

void UseWholeScaleFactors() {
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "Round");
    RoundVariable("QT_SCALE_FACTOR");
    RoundVariable("QT_SCREEN_SCALE_FACTORS");
}
