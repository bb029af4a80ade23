#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw::test {

// The lines of a text file whose every line ends in CR LF; nothing when a
// line lacks it or a lone CR or LF stands inside a line.
inline std::optional<std::vector<std::string>> crlf_lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = text.substr(pos, end - pos);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            return std::nullopt;
        lines.emplace_back(line);
        pos = end + 2;
    }
    return lines;
}

// A character a Windows-1252 text line may hold: no control character and
// none of the five codes Windows-1252 leaves undefined.
inline bool is_windows_1252_printable(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 32 && u != 127 && u != 0x81 && u != 0x8D && u != 0x8F && u != 0x90 && u != 0x9D;
}

// True when the text holds a character above ASCII and reads as UTF-8 as a
// whole: a file saved as UTF-8 instead of Windows-1252.
inline bool reads_as_utf8(std::string_view s)
{
    bool multibyte = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto u = static_cast<unsigned char>(s[i]);
        const std::size_t n = u < 0x80 ? 1 : (u >> 5) == 0x6 ? 2 : (u >> 4) == 0xE ? 3 : (u >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
                return false;
        multibyte = multibyte || n > 1;
        i += n;
    }
    return multibyte;
}

// The decimal digits of a text, in order ("TAX1 (0 - 9.99)" gives "1099").
inline std::string digits_of(std::string_view s)
{
    std::string d;
    for (char c : s)
        if (c >= '0' && c <= '9')
            d += c;
    return d;
}

}  // namespace tw::test
