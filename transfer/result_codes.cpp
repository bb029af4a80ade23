#include "transfer/result_codes.h"

#include <cstdio>

namespace tw {

const std::array<ResultEntry, 18> TillXferResults = {{
    {0x1, "It was discontinued while processing it."},
    {0x201, "The parameter number is illegal."},
    {0x202, "The UPLOAD/DOWNLOAD parameter is illegal."},
    {0x203, "The RANGE1 parameter is larger than RANGE2."},
    {0x204, "It is not in the folder that TillXfer.ini is the same as TillXfer.exe."},
    {0x205, "Specified File number doesn't exist in the setting of TillXfer.ini."},
    {0x206, "The value of REPORT FLAG of TillXfer.ini is illegal."},
    {0x207, "The Download operation was specified for the report."},
    {0x208, "The Number of range parameter is illegal."},
    {0x401, "The USB-COM port cannot be opened."},
    {0x402, "The writing error occurred by the communication."},
    {0x801, "The specified file cannot be opened."},
    {0x802, "The specified file cannot be read."},
    {0x803, "The specified file cannot be made."},
    {0x804, "The specified file cannot be written."},
    {0x1001, "The ECR side is in the state of BUSY."},
    {0x1002, "The error was returned from the ECR side."},
    {9999, "Timeout Error"},
}};

const std::array<ResultEntry, 15> TillPictResults = {{
    {0x02010000, "Quit execution before completion."},
    {0x04010000, "Invalid the numbers of parameters."},
    {0x04020000, "Invalid the parameter of the rotation."},
    {0x04030000, "Invalide the parameter of 'Dot resolution check'"},
    {0x04040000, "Invalid the parameter of the contnued lines."},
    {0x04050000, "Invalid the parameter of the ratio of the continued line areas."},
    {0x04060000, "Invalid the parameter of the ratio of all area."},
    {0x08010000, "Impossible to open the entered file."},
    {0x08020000, "Impossible to read the entered file."},
    {0x08030000, "Impossible to generate the entered file."},
    {0x08040000, "Impossible to write into the entered file."},
    {0x10010000, "The original BMP file is not a proper BMP type file."},
    {0x10020000, "The original BMP file has not been prepared as a black-and-white data."},
    {0x10030000, "Unknown file type."},
    {0x10040000, "The numbers of dots in the line is over 2048 dots."},
}};

namespace {

template <std::size_t N>
const char* lookup(const std::array<ResultEntry, N>& table, std::int32_t code) noexcept
{
    for (const ResultEntry& entry : table)
        if (entry.code == code)
            return entry.text;
    return "No description";
}

}  // namespace

const char* NumToDesc_TillXfer(std::int32_t code) noexcept { return lookup(TillXferResults, code); }

const char* NumToDesc_TillPict(std::int32_t code) noexcept { return lookup(TillPictResults, code); }

std::string hex_code(std::int32_t code)
{
    char text[9];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(code)));
    return text;
}

}  // namespace tw
