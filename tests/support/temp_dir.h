#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <stdlib.h>

#include "base/directories.h"

namespace tw::test {

// A fresh directory under the system's temporary directory, removed at the end.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tw-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, ending in the separator.
    std::string str() const { return path_.string() + std::string(1, kPathSeparator); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The file's bytes; whatever could not be read is missing, and nothing
// throws: a file of /proc whose process ends while it is read fails with
// ESRCH, which an istreambuf_iterator would throw out of a destructor.
inline std::string read_text(const std::filesystem::path& p)
{
    std::string text;
    if (std::FILE* f = std::fopen(p.c_str(), "rb")) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

inline std::vector<std::uint8_t> read_bytes(const std::filesystem::path& p)
{
    const std::string text = read_text(p);
    return {text.begin(), text.end()};
}

inline void write_bytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The run log's lines without their "dd-mm-yy hh:mm:ss " stamp and CR LF.
inline std::vector<std::string> log_texts(const std::filesystem::path& logFile)
{
    std::vector<std::string> lines;
    std::string all = read_text(logFile);
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find("\r\n", start);
        if (end == std::string::npos)
            end = all.size();
        std::string line = all.substr(start, end - start);
        lines.push_back(line.size() >= 18 ? line.substr(18) : line);
        start = end + 2;
    }
    return lines;
}

}  // namespace tw::test
