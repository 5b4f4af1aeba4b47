// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "readouts/scale_mode.h"

struct Readings;

// The setting in words, for a screen reader: the scale type, where the slide's index stands on
// the lower scale, what both scales read under the hairline, and the task line. Windows-1252.
std::string DescribeSetting(ScaleMode mode, const Readings& readings);
