#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/effects.h"
#include "base/run_log.h"

namespace tw {

using Bytes = std::vector<std::uint8_t>;

// How a whole-file write treats an existing file.
enum class WriteMode {
    Replace,        // the file becomes exactly the new content
    OverlayPrefix,  // the new content replaces the file's first bytes; a longer file keeps its tail
};

// Whole-file access of the fixed-size files (PRG_MODE.BIN, PRG_PLU.BIN,
// KEY_DEFAULT.BIN, Language.ini, ExportOption.ini): up to three attempts,
// a beep after each failed one, and the file's own run-log line once after
// the third.
class ThreeAttemptFile {
public:
    ThreeAttemptFile(Effects& effects, const RunLog& log) : effects_(effects), log_(log) {}

    // Reads the whole file into `out`. A missing file reads as empty and is
    // not an error (nothing is created), unless `minimumSize` is given: then
    // a file shorter than that, a missing one included, fails the attempt.
    // Returns false after three failed attempts, when `out` holds what the
    // last attempt read.
    bool read(const std::string& path, Bytes& out, const std::string& failureLine,
              std::size_t minimumSize = 0) const;

    // Writes crash-safely: the content goes to a temporary file in the same
    // directory, is flushed and replaces the old file by one rename, so a
    // failed or interrupted write leaves the previous file exactly as it was.
    bool write(const std::string& path, const Bytes& content, const std::string& failureLine,
               WriteMode mode = WriteMode::Replace) const;

private:
    Effects& effects_;
    const RunLog& log_;
};

// The temporary files that crash-safe writes of `fileName` left in `dir`
// when the program was killed during a write ("." + fileName + "." and six
// characters); removes them and returns their names.
std::vector<std::string> remove_orphaned_temporaries(const std::string& dir, const std::string& fileName);

// One attempt of each, without beeps or log lines; also used by the tools.
bool read_whole_file(const std::string& path, Bytes& out, bool& missing);
bool replace_file_atomically(const std::string& path, const Bytes& content,
                             WriteMode mode = WriteMode::Replace);

}  // namespace tw
