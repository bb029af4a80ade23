#pragma once
#include <string>
#include <string_view>

namespace tw {

// Conversion between UTF-8 (Qt, the terminal) and Windows-1252 (every 8-bit
// text of the program). A character that Windows-1252 cannot hold becomes
// "?"; the five undefined Windows-1252 bytes read as the C1 controls.
std::string utf8_to_cp1252(std::string_view utf8);
std::string cp1252_to_utf8(std::string_view cp1252);

}  // namespace tw
