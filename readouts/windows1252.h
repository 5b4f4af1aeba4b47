#pragma once

#include <string>
#include <string_view>

// The program's texts are Windows-1252 bytes; the window system and the terminal speak UTF-8.
std::string Windows1252ToUtf8(std::string_view text);
