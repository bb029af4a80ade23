#include "tools/tillxfer/virtual_register.h"

#include <cstdio>
#include <system_error>

#include "image/plu_file.h"
#include "image/programming_image.h"
#include "tools/tillxfer/register_totals.h"

namespace tw::xfer {

namespace {

const std::string kPrgMode = "PRG_MODE.BIN";
const std::string kPrgPlu = "PRG_PLU.BIN";
const std::string kGraphic = "GRAPHIC.BIN";

// The count is a signed 16-bit little-endian number.
bool valid_plu_file(const Bytes& content, int capacity)
{
    if (content.size() < plu::kCountSize)
        return false;
    const auto count = std::int16_t(std::uint16_t(content[0] | (content[1] << 8)));
    return count >= 0 && count <= capacity &&
           content.size() == plu::kCountSize + plu::kRecordSize * std::size_t(count);
}

}  // namespace

VirtualRegister::VirtualRegister(std::filesystem::path folder, int model, std::filesystem::path factoryDir)
    : folder_(std::move(folder)), model_(model), factoryDir_(std::move(factoryDir))
{
}

int VirtualRegister::plu_capacity(int model)
{
    return model == 4430 ? 1500 : plu::kMaxRecords;
}

bool VirtualRegister::accepts(const std::string& name, const Bytes& content) const
{
    if (name == kPrgMode)
        return content.size() == prg::kImageSize;
    if (name == kGraphic)
        return content.size() == kGraphicFileSize;
    if (name == kPrgPlu)
        return valid_plu_file(content, plu_capacity(model_));
    return false;
}

Result VirtualRegister::store(const std::string& name, const Bytes& content) const
{
    if (!accepts(name, content))
        return Result::RegisterRefused;
    return replace_file_atomically(file_path(name).string(), content) ? Result::Ok : Result::RegisterRefused;
}

Result VirtualRegister::load(const std::string& name, Bytes& out) const
{
    bool missing = false;
    if (!read_whole_file(file_path(name).string(), out, missing) || missing)
        return Result::RegisterRefused;
    return Result::Ok;
}

Result VirtualRegister::load_report(int number, const std::string& name, Bytes& out) const
{
    std::error_code ec;
    if (std::filesystem::exists(file_path(name), ec))
        return load(name, out);
    const RegisterTotals totals = RegisterTotals::load(folder_);
    return totals.report_file(number, plu_capacity(model_), out) ? Result::Ok : Result::RegisterRefused;
}

Bytes VirtualRegister::factory_content(const std::string& name) const
{
    if (name == kGraphic)
        return Bytes(kGraphicFileSize, 0);  // no dot set: a blank logo
    const std::string model = "ECR" + std::to_string(model_);
    Bytes content;
    bool missing = false;
    read_whole_file((factoryDir_ / model / (model + "_" + name)).string(), content, missing);
    return content;
}

void VirtualRegister::seed_factory_defaults() const
{
    for (const std::string& name : {kPrgMode, kPrgPlu, kGraphic}) {
        std::error_code ec;
        if (std::filesystem::exists(file_path(name), ec) || ec)
            continue;
        const Bytes content = factory_content(name);
        if (store(name, content) != Result::Ok)
            std::fprintf(stderr, "tillxfer: the register starts without %s: no usable factory default\n",
                         name.c_str());
    }
}

}  // namespace tw::xfer
