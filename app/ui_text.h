#pragma once
#include <QString>
#include <string>

namespace tw {

struct Session;

// The program's title, shown on message boxes that name no title of their own.
inline constexpr char kApplicationTitle[] = "Velmora ECR Programming Utility";

// Texts cross between the core (Windows-1252 bytes) and Qt only here.
QString to_qt(const std::string& cp1252);
std::string to_core(const QString& text);

// File system paths (UTF-8 on Linux, the system's code page on Windows).
QString path_to_qt(const std::string& path);
std::string path_to_core(const QString& path);

// The decimal separator of the user's regional settings, as the core takes
// it; a point where that separator is not one plain character.
char decimal_separator();

// The caption rule: the current language's text for the key when it is not
// empty, else the screen's built-in English text. A null key
// has no caption: the English text stays.
QString caption(const Session& session, const char* key, const char* english);

}  // namespace tw
