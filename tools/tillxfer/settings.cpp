#include "tools/tillxfer/settings.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "tools/common/tool_support.h"

namespace tw::xfer {

using tools::parse_decimal;

namespace {

std::string trim(std::string_view s)
{
    const auto notSpace = [](unsigned char c) { return !std::isspace(c); };
    auto b = std::find_if(s.begin(), s.end(), notSpace);
    auto e = std::find_if(s.rbegin(), std::string_view::reverse_iterator(b), notSpace).base();
    return std::string(b, e);
}

std::string lower(std::string s)
{
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t at = s.find(sep, start);
        parts.push_back(trim(std::string_view(s).substr(start, at - start)));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

bool plain_file_name(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

// Returns an empty text, or the problem with the entry.
std::string read_file_entry(const std::string& key, const std::string& value, Settings& s)
{
    const auto number = parse_decimal(key, 255);
    if (!number)
        return "file number \"" + key + "\" is not a number from 0 to 255";
    if (s.files.count(int(*number)) != 0)
        return "file number " + key + " is listed twice";
    const auto parts = split(value, ',');
    if (parts.size() != 2)
        return "file " + key + " needs a name and a report flag, separated by a comma";
    if (!plain_file_name(parts[0]))
        return "file " + key + " has no plain file name";
    if (parts[1] != "0" && parts[1] != "1")
        return "the report flag of file " + key + " is not 0 or 1";
    s.files[int(*number)] = FileEntry{parts[0], parts[1] == "1"};
    return {};
}

bool read_switch(const std::string& value, bool& out)
{
    const std::string v = lower(value);
    if (v != "on" && v != "off")
        return false;
    out = (v == "on");
    return true;
}

std::string read_register_entry(const std::string& key, const std::string& value, RegisterSettings& r)
{
    const std::string k = lower(key);
    if (k == "model") {
        if (value != "4410" && value != "4430")
            return "Model is not 4410 or 4430";
        r.model = std::stoi(value);
    } else if (k == "folder") {
        if (value.empty())
            return "Folder is empty";
        r.folder = value;
    } else if (k == "power") {
        if (!read_switch(value, r.powerOn))
            return "Power is not on or off";
    } else if (k == "linespeed") {
        if (!read_switch(value, r.lineSpeed))
            return "LineSpeed is not on or off";
    } else if (k == "fault") {
        const std::string v = lower(value);
        if (v == "none")
            r.fault = Fault::None;
        else if (v == "busy")
            r.fault = Fault::Busy;
        else if (v == "write-error")
            r.fault = Fault::WriteError;
        else if (v == "hang")
            r.fault = Fault::Hang;
        else
            return "Fault is not none, busy, write-error or hang";
    } else if (k == "faultfiles") {
        r.faultFiles.clear();
        if (value.empty())
            return {};
        for (const std::string& part : split(value, ',')) {
            const auto number = parse_decimal(part, 255);
            if (!number)
                return "FaultFiles holds \"" + part + "\", not a file number";
            r.faultFiles.insert(int(*number));
        }
    } else {
        return "unknown setting \"" + key + "\"";
    }
    return {};
}

}  // namespace

Settings parse_settings(std::string_view text)
{
    Settings s;
    enum class Section { None, Register, Files, Unknown } section = Section::None;
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line = trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        const std::string where = "TillXfer.ini line " + std::to_string(lineNumber) + ": ";

        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string name = lower(trim(std::string_view(line).substr(1, line.size() - 2)));
            section = name == "register" ? Section::Register : name == "files" ? Section::Files : Section::Unknown;
            if (section == Section::Unknown && s.registerError.empty())
                s.registerError = where + "unknown section " + line;
            continue;
        }
        const size_t eq = line.find('=');
        std::string problem;
        if (eq == std::string::npos)
            problem = "not a setting (name = value)";
        else if (section == Section::None)
            problem = "a setting before the first section";
        else if (section == Section::Unknown)
            continue;  // already reported with its section
        else if (section == Section::Files)
            problem = read_file_entry(trim(line.substr(0, eq)), trim(line.substr(eq + 1)), s);
        else
            problem = read_register_entry(trim(line.substr(0, eq)), trim(line.substr(eq + 1)), s.reg);

        if (problem.empty())
            continue;
        std::string& slot = section == Section::Files ? s.filesError : s.registerError;
        if (slot.empty())
            slot = where + problem;
    }
    return s;
}

}  // namespace tw::xfer
