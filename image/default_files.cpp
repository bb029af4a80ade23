#include "image/default_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/guard.h"

namespace tw {

namespace fs = std::filesystem;

namespace {

constexpr char kLogPrefix[] = "copia_def_file: ";

void log_failure(const RunLog& log, const std::error_code& ec)
{
    log.write_log(kLogPrefix + std::to_string(ec.value()) + " " + ec.message());
}

// Step 1 and 2: a file that is there must go.
void delete_if_present(const std::string& path, const RunLog& log)
{
    std::error_code ec;
    if (fs::exists(path, ec) && !ec)
        fs::remove(path, ec);
    if (ec)
        log_failure(log, ec);
}

// Steps 3 and 4: copy to a temporary name beside the target, then rename, so
// that an interrupted copy never leaves a half-written programming file.
bool copy_whole(const std::string& from, const std::string& to, std::error_code& ec)
{
    const fs::path target(to);
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".copy");
    ec.clear();
    if (fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec) && !ec) {
        fs::rename(temporary, target, ec);
        if (!ec)
            return true;
    }
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

void copy_default(const DefaultFileCopy& s, const std::string& name, const std::string& failureMessage)
{
    std::error_code ec;
    if (copy_whole(s.modelDataDir + model_default_file_name(s.modelCode, name), s.dataDir + name, ec))
        return;
    s.effects.message_box(failureMessage, MsgButtons::Ok, MsgIcon::None);
    log_failure(s.log, ec);
}

}  // namespace

std::string model_default_file_name(int modelCode, const std::string& name)
{
    return (modelCode == 1 ? "ECR4430_" : "ECR4410_") + name;
}

void copia_def_file(const DefaultFileCopy& s)
{
    guarded(s.log, kLogPrefix, [&] {
        delete_if_present(s.dataDir + "PRG_MODE.BIN", s.log);
        delete_if_present(s.dataDir + "PRG_PLU.BIN", s.log);
        copy_default(s, "PRG_MODE.BIN", s.modeCopyError);
        copy_default(s, "PRG_PLU.BIN", s.pluCopyError);
    });
}

void Write_Key_Default(KeyDefaultBuffer& buffer, const std::string& dataDir, const ThreeAttemptFile& access,
                       const RunLog& log)
{
    guarded(log, "Write_Key_Default: ", [&] {
        Bytes content;
        if (access.read(dataDir + "KEY_DEFAULT.BIN", content, "Write_Key_Default: Superati 3 tentativi di lettura",
                        kKeyDefaultSize))
            std::copy_n(content.begin(), kKeyDefaultSize, buffer.begin());
        else
            buffer.fill(kNoOperationKey);
    });
}

}  // namespace tw
