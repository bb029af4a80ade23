#pragma once
#include <filesystem>
#include <string>

#include "image/file_access.h"
#include "tools/tillxfer/result_codes.h"

namespace tw::xfer {

// The register's memory: one folder holding the files the register keeps
// (PRG_MODE.BIN, PRG_PLU.BIN, GRAPHIC.BIN and any report files), each under
// its own name. Every store replaces a file crash-safely, so the memory holds
// either the old or the new content, never a mix.
class VirtualRegister {
public:
    // `factoryDir` holds the model folders ECR4410/ and ECR4430/ with the
    // factory default files.
    VirtualRegister(std::filesystem::path folder, int model, std::filesystem::path factoryDir);

    static int plu_capacity(int model);

    // Fills every missing file of the register's own three with its factory
    // content: the model's default programming and PLU file, and a blank
    // logo. A default file that is missing or that the register would refuse
    // is skipped (with a note on standard error); the file then stays absent.
    void seed_factory_defaults() const;

    // Whether the register takes `content` as its file `name`: PRG_MODE.BIN
    // of exactly 7078 bytes, GRAPHIC.BIN of exactly 7776 bytes, PRG_PLU.BIN
    // of a count N from 0 to the model's capacity and exactly 2 + 36 x N
    // bytes. Files of any other name are refused: the register keeps no such
    // table.
    bool accepts(const std::string& name, const Bytes& content) const;

    // A send: RegisterRefused when the register does not accept the content
    // or cannot keep it; the memory is then unchanged.
    Result store(const std::string& name, const Bytes& content) const;

    // A receive: RegisterRefused when the register holds no such file.
    Result load(const std::string& name, Bytes& out) const;

    // A receive of report `number` (3 to 19) under `name`: a report file of
    // that name lying in the folder is given as it is; otherwise the report
    // is made from the register's totals (TOTALS.BIN, zero before the first
    // sale) in the register's report layout. RegisterRefused for a report the
    // register cannot make.
    Result load_report(int number, const std::string& name, Bytes& out) const;

    std::filesystem::path file_path(const std::string& name) const { return folder_ / name; }

private:
    Bytes factory_content(const std::string& name) const;

    std::filesystem::path folder_;
    int model_;
    std::filesystem::path factoryDir_;
};

inline constexpr std::size_t kGraphicFileSize = 7776;

}  // namespace tw::xfer
