#include "app/open_programming.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "app/session.h"
#include "image/default_files.h"
#include "transfer/end_process.h"
#include "transfer/result_codes.h"
#include "transfer/transfer_procedures.h"

namespace tw {

namespace fs = std::filesystem;

void choose_model(Session& s, int modelCode)
{
    s.ModelCode = modelCode;
    s.ModelDataDir = s.dirs.DataDir + (modelCode == 1 ? "ECR4430" : "ECR4410") + std::string(1, kPathSeparator);
    s.PluCapacity = modelCode == 1 ? 1500 : 2000;
}

void read_programming(Session& s)
{
    Read_PrgMode(s.image, s.dirs.DataDir, s.files, s.log);
    Read_PluFile(s.plu, s.dirs.DataDir, s.files, s.log);
}

namespace {

void copy_default_if_missing(const Session& s, const std::string& name)
{
    const std::string target = s.dirs.DataDir + name;
    std::error_code ec;
    if (fs::exists(target, ec))
        return;
    const std::string source = s.ModelDataDir + model_default_file_name(s.ModelCode, name);
    Bytes content;
    bool missing = false;
    if (!read_whole_file(source, content, missing) || missing)
        throw std::runtime_error("File not found: " + source);
    if (!replace_file_atomically(target, content))
        throw std::runtime_error("Path/File access error: " + target);
}

enum class Receive { NotStarted, Failed, Done };

// One receive of the programming, with its failures as the main screen
// reports them; the message waits in `outcome` until the transfer has ended.
Receive receive_file(Session& s, TransferRun& run, std::uint8_t fileNumber, std::int32_t pollCount,
                     const ReceiveMessages& m, ReceiveOutcome& outcome)
{
    const std::string file = std::to_string(fileNumber);
    std::int32_t exitCode = 0;
    if (run_tillxfer(s.transfer_link(), run, kFromRegister, fileNumber, pollCount, exitCode) != 1) {
        s.log.write_log("Errore nella chiamata di TILLXFER. File " + file);
        outcome.message = m.toolNotStarted;
        outcome.icon = MsgIcon::None;
        return Receive::NotStarted;
    }
    if (exitCode == 0)
        return Receive::Done;
    const std::string text = NumToDesc_TillXfer(exitCode);
    if (fileNumber == kFilePrgMode) {
        s.log.write_log("TILLXFER return error: " + hex_code(exitCode) + " . File " + file);
        outcome.message = m.communicationError + text;
    } else {
        s.log.write_log("TILLXFER return error: " + hex_code(exitCode) + " Desc: " + text + " . File " + file);
        outcome.message = m.communicationError + " " + text;
    }
    outcome.icon = MsgIcon::Error;
    if (exitCode == TILLBRIDGE_TIMEOUT)
        end_process(s.effects, kTillXferProcessName);
    return Receive::Failed;
}

// A programming file moved aside for the time of the update. A file that was
// not there before is not there after a failed update either.
class FileAside {
public:
    FileAside(const std::string& dataDir, const std::string& name, const char* asideName)
        : file_(dataDir + name), aside_(dataDir + asideName)
    {
        std::error_code ec;
        if (!fs::exists(file_, ec))
            return;
        fs::rename(file_, aside_, ec);
        if (ec)
            throw std::system_error(ec, name + " cannot be moved aside");
        moved_ = true;
    }
    FileAside(const FileAside&) = delete;
    FileAside& operator=(const FileAside&) = delete;
    // An update cut short by an error puts the old state back as well.
    ~FileAside()
    {
        if (!settled_)
            put_back();
    }
    // The update worked: the old file goes.
    void discard()
    {
        std::error_code ec;
        if (moved_)
            fs::remove(aside_, ec);
        settled_ = true;
    }
    // The update failed: the old file, or none, in place of whatever the
    // tool left.
    void restore()
    {
        settled_ = true;
        if (const std::error_code ec = put_back())
            throw std::system_error(ec, file_ + " cannot be put back as it was before the update");
    }

private:
    std::string file_;
    std::string aside_;
    bool moved_ = false;
    bool settled_ = false;

    std::error_code put_back()
    {
        std::error_code ec;
        if (moved_)
            fs::rename(aside_, file_, ec);
        else
            fs::remove(file_, ec);
        return ec;
    }
};

}  // namespace

void copy_missing_programming_files(const Session& s)
{
    copy_default_if_missing(s, "PRG_MODE.BIN");
    copy_default_if_missing(s, "PRG_PLU.BIN");
}

ReceiveOutcome receive_programming(Session& s, TransferRun& run, const ReceiveMessages& m)
{
    ReceiveOutcome outcome;
    FileAside mode(s.dirs.DataDir, "PRG_MODE.BIN", kPrgModeAsideName);
    Receive last = receive_file(s, run, kFilePrgMode, 120, m, outcome);
    std::optional<FileAside> plu;
    if (last == Receive::Done) {
        plu.emplace(s.dirs.DataDir, "PRG_PLU.BIN", kPluAsideName);
        last = receive_file(s, run, kFilePrgPlu, 180, m, outcome);
    }
    if (last == Receive::Done) {
        mode.discard();
        plu->discard();
    } else {
        if (plu)
            plu->restore();
        mode.restore();
    }
    // A tool that does not start sets no exit code: the files open as they are.
    outcome.open = last != Receive::Failed;
    return outcome;
}

void reset_register(Session& s, TransferRun& run)
{
    copia_def_file(s.default_file_copy());
    Send_PrgModeToEcr(s.transfer_link(), run);
    Send_PrgPluToEcr(s.transfer_link(), run);
}

}  // namespace tw
