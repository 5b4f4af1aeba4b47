// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

// The scales and the readings are computed with a 64-bit significand; a value is stored as a
// double only where the program says so.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Tessalin needs an extended floating-point type with a 64-bit significand");
