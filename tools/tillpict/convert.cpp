#include "tools/tillpict/convert.h"

#include <cstdio>
#include <exception>
#include <filesystem>

#include "image/logo_conversion.h"
#include "tools/common/tool_support.h"
#include "transfer/result_codes.h"

namespace tw::pict {

namespace {

namespace fs = std::filesystem;

std::uint32_t code(PictResult r) { return std::uint32_t(r); }

// Positions 4 to 8: each a decimal number up to its largest value, else the
// code of the first position that is not. 0 when all are.
std::uint32_t parse_parameters(const std::vector<std::string>& args, LogoParameters& p)
{
    struct Position {
        int LogoParameters::*field;
        unsigned max;
        PictResult bad;
    };
    static constexpr Position positions[] = {
        {&LogoParameters::rotation, 3, PictResult::BadRotation},
        {&LogoParameters::dotResolutionCheck, 2, PictResult::BadDotResolutionCheck},
        {&LogoParameters::continuedLines, 1, PictResult::BadContinuedLines},
        {&LogoParameters::continuedLineRatio, 100, PictResult::BadContinuedLineRatio},
        {&LogoParameters::wholeAreaRatio, 100, PictResult::BadWholeAreaRatio},
    };
    std::size_t at = 4;
    for (const Position& position : positions) {
        const auto value = tools::parse_decimal(args[at++], position.max);
        if (!value)
            return code(position.bad);
        p.*position.field = int(*value);
    }
    return 0;
}

std::uint32_t run(const std::vector<std::string>& args)
{
    if (args.size() != 9)
        return code(PictResult::BadParameterCount);
    LogoParameters parameters;
    if (const std::uint32_t bad = parse_parameters(args, parameters))
        return bad;

    const fs::path dir(args[1]);
    Bytes bmp;
    switch (tools::read_input_file(dir / args[2], bmp)) {
    case tools::InputFile::Read: break;
    case tools::InputFile::NotOpened: return code(PictResult::FileNotOpened);
    case tools::InputFile::NotRead: return code(PictResult::FileNotRead);
    }

    const LogoConversion logo = convert_logo(bmp, parameters);
    if (!is_pict_success(logo.code))
        return logo.code;

    const fs::path output = dir / args[3];
    if (!tools::can_make_files_in(output.has_parent_path() ? output.parent_path() : fs::path(".")))
        return code(PictResult::FileNotMade);
    if (!replace_file_atomically(output.string(), logo.graphic))
        return code(PictResult::FileNotWritten);
    return logo.code;
}

std::uint32_t described(std::uint32_t code)
{
    if (!is_pict_success(code))
        std::fprintf(stderr, "tillpict: %s\n", NumToDesc_TillPict(std::int32_t(code)));
    return code;
}

}  // namespace

std::uint32_t run_tillpict(const std::vector<std::string>& args) noexcept
{
    try {
        return described(run(args));
    } catch (const std::exception& e) {
        // Only an exhausted machine gets here; nothing was written.
        std::fprintf(stderr, "tillpict: %s\n", e.what());
    } catch (...) {
    }
    return described(code(PictResult::Interrupted));
}

}  // namespace tw::pict
