#include "tools/tillxfer/transfer.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <system_error>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include "image/file_access.h"
#include "tools/tillxfer/command_line.h"
#include "tools/tillxfer/settings.h"
#include "tools/tillxfer/virtual_register.h"

namespace tw::xfer {

namespace {

namespace fs = std::filesystem;

// The register's link: open while one run talks to the register. A second
// run finds it taken, as a serial port that is already open.
class Port {
public:
    Port() = default;
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;
    ~Port()
    {
#ifndef _WIN32
        if (fd_ >= 0)
            ::close(fd_);
#endif
    }

    bool open(const fs::path& registerFolder)
    {
        std::error_code ec;
        if (!fs::is_directory(registerFolder, ec))
            return false;
#ifndef _WIN32
        fd_ = ::open(registerFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
#else
        return true;
#endif
    }

private:
#ifndef _WIN32
    int fd_ = -1;
#endif
};

// The time the serial link needs for `bytes`: ten bits per byte.
void pace(std::size_t bytes, unsigned lineSpeed)
{
    const auto micros = std::chrono::microseconds(bytes * 10 * 1'000'000ULL / lineSpeed);
    std::this_thread::sleep_for(micros);
}

[[noreturn]] void hang()
{
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

// The data file of a send: 0x801 when it cannot be opened, 0x802 when it
// cannot be read whole.
Result read_data_file(const fs::path& path, Bytes& out)
{
    std::FILE* f = std::fopen(path.string().c_str(), "rb");
    if (!f)
        return Result::FileNotOpened;
    std::fclose(f);
    bool missing = false;
    return read_whole_file(path.string(), out, missing) && !missing ? Result::Ok : Result::FileNotRead;
}

bool can_make_files_in(const fs::path& dir)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
#ifndef _WIN32
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
#else
    return true;
#endif
}

Result read_settings(const fs::path& toolDir, Settings& settings)
{
    Bytes text;
    bool missing = false;
    if (!read_whole_file((toolDir / "TillXfer.ini").string(), text, missing) || missing)
        return Result::SettingsMissing;
    settings = parse_settings(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    return Result::Ok;
}

Result note(Result r, const std::string& why)
{
    std::fprintf(stderr, "tillxfer: %s\n", why.c_str());
    return r;
}

Result run(const std::vector<std::string>& args, const fs::path& toolDir)
{
    const ParsedCommand parsed = parse_command_line(args);
    if (parsed.result != Result::Ok)
        return parsed.result;
    const Command& cmd = parsed.command;

    Settings settings;
    if (Result r = read_settings(toolDir, settings); r != Result::Ok)
        return r;
    if (!settings.filesError.empty())
        return note(Result::BadReportFlag, settings.filesError);
    if (!cmd.fileNumber || settings.files.count(*cmd.fileNumber) == 0)
        return Result::UnknownFileNumber;
    const FileEntry& file = settings.files.at(*cmd.fileNumber);
    if (file.report && cmd.direction == Direction::Send)
        return Result::ReportSendRequested;

    const fs::path dataFile = fs::path(cmd.dataDir) / file.name;
    Bytes content;
    if (cmd.direction == Direction::Send) {
        if (Result r = read_data_file(dataFile, content); r != Result::Ok)
            return r;
    }

    // Reaching the register.
    if (!settings.registerError.empty())
        return note(Result::PortNotOpened, settings.registerError);
    const RegisterSettings& reg = settings.reg;
    const fs::path folder = toolDir / reg.folder;
    Port port;
    if (!reg.powerOn || !port.open(folder))
        return Result::PortNotOpened;
    const VirtualRegister ecr(folder, reg.model, toolDir / "Dati");
    ecr.seed_factory_defaults();

    if (settings.fault_hits(*cmd.fileNumber)) {
        switch (reg.fault) {
        case Fault::Busy: return Result::RegisterBusy;
        case Fault::WriteError: return Result::CommunicationWriteError;
        case Fault::Hang: hang();
        case Fault::None: break;
        }
    }

    if (cmd.direction == Direction::Send) {
        if (reg.lineSpeed)
            pace(content.size(), cmd.lineSpeed);
        return ecr.store(file.name, content);
    }

    const Result loaded = file.report ? ecr.load_report(*cmd.fileNumber, file.name, content) : ecr.load(file.name, content);
    if (Result r = loaded; r != Result::Ok)
        return r;
    if (!can_make_files_in(cmd.dataDir))
        return Result::FileNotMade;
    if (reg.lineSpeed)
        pace(content.size(), cmd.lineSpeed);
    return replace_file_atomically(dataFile.string(), content) ? Result::Ok : Result::FileNotWritten;
}

}  // namespace

Result run_tillxfer(const std::vector<std::string>& args, const fs::path& toolDir) noexcept
{
    try {
        return run(args, toolDir);
    } catch (const std::exception& e) {
        // Only an exhausted machine gets here; the register was not changed.
        return note(Result::CommunicationWriteError, e.what());
    } catch (...) {
        return note(Result::CommunicationWriteError, "unknown error");
    }
}

}  // namespace tw::xfer
