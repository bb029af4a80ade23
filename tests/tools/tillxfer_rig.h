#pragma once
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "transfer/bridge_binding.h"

extern char** environ;

namespace tw::test {

using Bytes = std::vector<std::uint8_t>;

// Bytes that differ from file to file: `seed` picks the pattern.
inline Bytes pattern(std::size_t size, std::uint8_t seed)
{
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = std::uint8_t(i * 31 + seed * 7 + (i >> 8));
    return b;
}

// A PRG_PLU.BIN: the count as signed 16-bit little-endian, then `records`
// 36-byte records.
inline Bytes plu_file(int count, std::size_t records, std::uint8_t seed)
{
    Bytes b = pattern(2 + 36 * records, seed);
    b[0] = std::uint8_t(count & 0xFF);
    b[1] = std::uint8_t((count >> 8) & 0xFF);
    return b;
}

// A parameterized case's name, from its `what` text.
template <class Case>
std::string case_name(const testing::TestParamInfo<Case>& info)
{
    std::string name = info.param.what;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

// The settings of the rig's TillXfer.ini, one field per setting.
struct RigSettings {
    std::string model = "4410";
    std::string folder = "Register";
    std::string power = "on";
    std::string lineSpeed = "off";
    std::string fault = "none";
    std::string faultFiles;
    std::string files = "0 = PRG_MODE.BIN, 0\n1 = PRG_PLU.BIN, 0\n2 = GRAPHIC.BIN, 0\n";

    std::string text() const
    {
        return "[Register]\nModel = " + model + "\nFolder = " + folder + "\nPower = " + power +
               "\nLineSpeed = " + lineSpeed + "\nFault = " + fault + "\nFaultFiles = " + faultFiles +
               "\n\n[Files]\n" + files;
    }
};

// What one run of the tool left behind.
struct ToolRun {
    bool exited = false;              // ended by itself, not by a signal
    int exitStatus = -1;
    std::optional<std::uint32_t> reported;  // the code in the result file
};

// The exit status that the tool contract pairs with a result code.
inline int contract_status(std::uint32_t code)
{
    return code == 0 ? 0 : (code & 0xFF) != 0 ? int(code & 0xFF) : 1;
}

// A temporary application directory as the program sees it: links to the
// bundle's tillxfer, tillpict and tillbridge, a TillXfer.ini of the test's own, the
// data directory Dati/ with the factory defaults of both models in their
// model folders, and the register's folder Register/, still empty.
class TillXferRig {
public:
    TillXferRig()
    {
        namespace fs = std::filesystem;
        const fs::path bundle(TW_BUNDLE_DIR);
        fs::create_symlink(bundle / "tillxfer", root_.path() / "tillxfer");
        fs::create_symlink(bundle / "tillpict", root_.path() / "tillpict");
        fs::create_symlink(bundle / kBridgeLibraryName, root_.path() / kBridgeLibraryName);
        fs::create_directories(root_.path() / "Dati" / "ECR4410");
        fs::create_directories(root_.path() / "Dati" / "ECR4430");
        fs::create_directory(root_.path() / "Register");
        write_bytes(root_.path() / "Dati/ECR4410/ECR4410_PRG_MODE.BIN", factory_prg_mode(4410));
        write_bytes(root_.path() / "Dati/ECR4410/ECR4410_PRG_PLU.BIN", factory_prg_plu(4410));
        write_bytes(root_.path() / "Dati/ECR4430/ECR4430_PRG_MODE.BIN", factory_prg_mode(4430));
        write_bytes(root_.path() / "Dati/ECR4430/ECR4430_PRG_PLU.BIN", factory_prg_plu(4430));
        write_settings(RigSettings{});
    }

    // A tool of this rig left running by a failed test is ended with it.
    ~TillXferRig()
    {
        for (long pid : running_tools()) {
            ::kill(pid_t(pid), SIGKILL);
            ::waitpid(pid_t(pid), nullptr, 0);
        }
    }
    TillXferRig(const TillXferRig&) = delete;
    TillXferRig& operator=(const TillXferRig&) = delete;

    // The running processes started as this rig's tool, found by their
    // command line.
    std::vector<long> running_tools() const
    {
        std::vector<long> pids;
        DIR* proc = ::opendir("/proc");
        if (!proc)
            return pids;
        const std::string tool = root_.str() + "tillxfer";
        while (const dirent* d = ::readdir(proc)) {
            char* end = nullptr;
            const long pid = std::strtol(d->d_name, &end, 10);
            if (pid <= 0 || *end != '\0')
                continue;
            const std::string cmdline = read_text(std::string("/proc/") + d->d_name + "/cmdline");
            if (cmdline.substr(0, cmdline.find('\0')) == tool)
                pids.push_back(pid);
        }
        ::closedir(proc);
        return pids;
    }

    static Bytes factory_prg_mode(int model) { return pattern(7078, model == 4410 ? 10 : 11); }
    static Bytes factory_prg_plu(int model) { return plu_file(3, 3, model == 4410 ? 20 : 21); }

    std::string app_dir() const { return root_.str(); }
    std::filesystem::path data(const std::string& name) const { return root_.path() / "Dati" / name; }
    std::filesystem::path memory(const std::string& name) const { return root_.path() / "Register" / name; }
    std::filesystem::path path(const std::string& relative) const { return root_.path() / relative; }

    void write_settings(const RigSettings& s) const { write_settings_text(s.text()); }
    void write_settings_text(const std::string& text) const
    {
        write_bytes(root_.path() / "TillXfer.ini", Bytes(text.begin(), text.end()));
    }

    // The positions 1 to 10 of a transfer of one file.
    static std::vector<std::string> line(int direction, int fileNumber)
    {
        return {"0", "19200", std::to_string(direction), "", std::to_string(fileNumber), "BIN", "2", "0", "0", "0"};
    }

    // Starts tillxfer directly, as the bridge would, with the positions 1 to
    // 10 given (an empty position 4 becomes the data directory), and waits.
    ToolRun run_tool(std::vector<std::string> positions, bool withResultFile = true) const
    {
        if (positions.size() > 3 && positions[3].empty())
            positions[3] = root_.str() + "Dati/";
        return run_program("tillxfer", positions, withResultFile);
    }

    // Starts one of the rig's tools with the given arguments after its path,
    // with or without the bridge's result file, and waits.
    ToolRun run_program(const std::string& tool, const std::vector<std::string>& arguments,
                        bool withResultFile = true) const
    {
        std::vector<std::string> args{root_.str() + tool};
        args.insert(args.end(), arguments.begin(), arguments.end());
        const std::string resultFile = results_.str() + "result";
        write_bytes(resultFile, {});

        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("TILLBRIDGE_RESULT_FILE=", 0) != 0)
                env.emplace_back(*e);
        if (withResultFile)
            env.push_back("TILLBRIDGE_RESULT_FILE=" + resultFile);

        pid_t pid = 0;
        const std::vector<char*> argv = pointers(args), envp = pointers(env);
        ToolRun run;
        if (::posix_spawn(&pid, args[0].c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
            ADD_FAILURE() << tool << " did not start";
            return run;
        }
        int status = 0;
        if (!wait_bounded(pid, status)) {
            ADD_FAILURE() << tool << " still running after " << kRunLimit.count() << " s; ended";
            return run;
        }
        run.exited = WIFEXITED(status);
        run.exitStatus = run.exited ? WEXITSTATUS(status) : -1;
        const std::string text = read_text(resultFile);
        if (!text.empty())
            run.reported = std::uint32_t(std::stoul(text));
        return run;
    }

    // The result code of a direct run of tillxfer, or of `tool`; checks the
    // exit status against it.
    std::uint32_t run_code(const std::vector<std::string>& positions) const { return reported(run_tool(positions)); }
    std::uint32_t run_code(const std::string& tool, const std::vector<std::string>& arguments) const
    {
        return reported(run_program(tool, arguments));
    }

    // One transfer through the bridge library bound from the application
    // directory, as the program binds it. Empty when the tool did not start.
    // The bridge answers as soon as the tool ends; the poll limit only stops
    // a tool that hangs, and is generous so that a slow start on a busy
    // machine is not taken for a timeout.
    static constexpr std::int32_t kPolls = 60;
    std::optional<std::int32_t> bridge_transfer(int direction, int fileNumber, std::int32_t polls = kPolls)
    {
        std::int32_t code = -1;
        if (bridge_.util_send_cmd_to_ecr(app_dir(), std::uint8_t(direction), std::uint8_t(fileNumber), code, polls) != 1)
            return std::nullopt;
        return code;
    }

    // One conversion by tillpict through the bridge, as the program starts it.
    std::optional<std::int32_t> bridge_logo(const std::string& bitmapDir, const std::string& bitmapName,
                                            std::int32_t polls = kPolls)
    {
        std::int32_t code = -1;
        if (bridge_.util_send_logo_to_ecr(app_dir(), bitmapDir, bitmapName, code, polls) != 1)
            return std::nullopt;
        return code;
    }

    std::optional<std::int32_t> bridge_range_report(int fileNumber, int start, int end, std::int32_t polls = kPolls)
    {
        std::int32_t code = -1;
        if (bridge_.util_get_range_report(app_dir(), std::uint8_t(fileNumber), code, polls, std::uint8_t(start),
                                          std::uint8_t(end)) != 1)
            return std::nullopt;
        return code;
    }

private:
    static std::uint32_t reported(const ToolRun& run)
    {
        EXPECT_TRUE(run.exited);
        if (!run.reported) {
            ADD_FAILURE() << "no result code reported";
            return 0xFFFFFFFF;
        }
        EXPECT_EQ(run.exitStatus, contract_status(*run.reported)) << "code " << *run.reported;
        return *run.reported;
    }

    // A direct run that does not end by itself is a fault of the tool: end it
    // rather than let the suite hang.
    static constexpr std::chrono::seconds kRunLimit{60};
    static bool wait_bounded(pid_t pid, int& status)
    {
        const auto deadline = std::chrono::steady_clock::now() + kRunLimit;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    static std::vector<char*> pointers(std::vector<std::string>& texts)
    {
        std::vector<char*> p;
        for (std::string& t : texts)
            p.push_back(t.data());
        p.push_back(nullptr);
        return p;
    }

    TempDir root_;
    TempDir results_;
    BridgeBinding bridge_{root_.str()};
};

}  // namespace tw::test
