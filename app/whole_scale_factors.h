// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Qt scales the window by the screen's factor. Only a whole factor makes every picture pixel an
// exact block of device pixels, so the screen's own factor is rounded to the nearest whole
// number, and so are the factors set through QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS, which
// Qt would take as they are. Call before the application object exists.
void UseWholeScaleFactors();

// Every factor of a QT_SCREEN_SCALE_FACTORS or QT_SCALE_FACTOR value rounded to the nearest whole
// number, from 1 to 64: "1.5" gives "2", "HDMI-1=1.25;DP-1=2" gives "HDMI-1=1;DP-1=2". What is not
// a number stays as it is.
std::string WholeScaleFactors(std::string_view factors);
