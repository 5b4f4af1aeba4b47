// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The program's texts are Windows-1252 bytes; the window system and the terminal speak UTF-8.
std::string Windows1252ToUtf8(std::string_view text);
