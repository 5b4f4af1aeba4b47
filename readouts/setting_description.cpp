// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readouts/setting_description.h"

#include "readouts/readings.h"

// "Logarithmische Skalen. Obere Einheit bei 2 der unteren Skale. Läufer: obere Skale 3, untere
// Skale 6. Aufgabe: 2 · 3 = 6." The words are the table's own.
std::string DescribeSetting(ScaleMode mode, const Readings& readings) {
    const bool logarithmic = mode == ScaleMode::Logarithmic;
    std::string text = logarithmic ? "Logarithmische Skalen. Obere Einheit bei "
                                   : "Lineare Skalen. Obere Null bei ";
    text += readings.lowerAtSlideIndex;
    text += " der unteren Skale. L\xE4ufer: obere Skale ";
    text += readings.slideUnderHairline;
    text += ", untere Skale ";
    text += readings.lowerUnderHairline;
    text += ". Aufgabe: ";
    text += readings.taskLine;
    text += ".";
    return text;
}
