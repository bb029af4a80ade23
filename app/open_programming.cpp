#include "app/open_programming.h"

#include <cstdint>
#include <filesystem>
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
// reports them.
Receive receive_file(Session& s, std::uint8_t fileNumber, std::int32_t pollCount, std::int32_t& exitCode,
                     const ReceiveMessages& m)
{
    const std::string file = std::to_string(fileNumber);
    if (s.bridge.util_send_cmd_to_ecr(s.dirs.AppDir, kFromRegister, fileNumber, exitCode, pollCount) != 1) {
        s.log.write_log("Errore nella chiamata di TILLXFER. File " + file);
        s.effects.message_box(m.toolNotStarted, MsgButtons::Ok, MsgIcon::None);
        return Receive::NotStarted;
    }
    if (exitCode == 0)
        return Receive::Done;
    const std::string text = NumToDesc_TillXfer(exitCode);
    if (fileNumber == kFilePrgMode) {
        s.log.write_log("TILLXFER return error: " + hex_code(exitCode) + " . File " + file);
        s.effects.message_box(m.communicationError + text, MsgButtons::Ok, MsgIcon::Error);
    } else {
        s.log.write_log("TILLXFER return error: " + hex_code(exitCode) + " Desc: " + text + " . File " + file);
        s.effects.message_box(m.communicationError + " " + text, MsgButtons::Ok, MsgIcon::Error);
    }
    if (exitCode == TILLBRIDGE_TIMEOUT)
        end_process(s.effects, kTillXferProcessName);
    return Receive::Failed;
}

// PRG_PLU.BIN moved aside for the time of its receive.
class PluFileAside {
public:
    explicit PluFileAside(const std::string& dataDir)
        : file_(dataDir + "PRG_PLU.BIN"), aside_(dataDir + kPluAsideName)
    {
        std::error_code ec;
        if (!fs::exists(file_, ec))
            return;
        fs::rename(file_, aside_, ec);
        if (ec)
            throw std::system_error(ec, "PRG_PLU.BIN cannot be moved aside");
        moved_ = true;
    }
    // The receive worked: the old file goes.
    void discard()
    {
        std::error_code ec;
        if (moved_)
            fs::remove(aside_, ec);
    }
    // The receive failed: the old file comes back in place of whatever the
    // tool left.
    void restore()
    {
        std::error_code ec;
        if (moved_)
            fs::rename(aside_, file_, ec);
        if (ec)
            throw std::system_error(ec, "PRG_PLU.BIN cannot be put back from " + std::string(kPluAsideName));
    }

private:
    std::string file_;
    std::string aside_;
    bool moved_ = false;
};

}  // namespace

void copy_missing_programming_files(const Session& s)
{
    copy_default_if_missing(s, "PRG_MODE.BIN");
    copy_default_if_missing(s, "PRG_PLU.BIN");
}

bool receive_programming(Session& s, const ReceiveMessages& m)
{
    // A tool that does not start sets no exit code: the files open as they are.
    std::int32_t exitCode = 0;
    const Receive mode = receive_file(s, kFilePrgMode, 120, exitCode, m);
    if (mode == Receive::Failed)
        return false;
    if (mode == Receive::Done) {
        PluFileAside old(s.dirs.DataDir);
        const Receive plu = receive_file(s, kFilePrgPlu, 180, exitCode, m);
        if (plu == Receive::Done)
            old.discard();
        else
            old.restore();
        if (plu == Receive::Failed)
            return false;
    }
    return true;
}

void reset_register(Session& s)
{
    copia_def_file(s.default_file_copy());
    Send_PrgModeToEcr(s.transfer_link());
    Send_PrgPluToEcr(s.transfer_link());
}

}  // namespace tw
