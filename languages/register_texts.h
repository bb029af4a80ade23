#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "base/run_log.h"
#include "image/codecs.h"
#include "image/programming_image.h"

namespace tw {

// The register's own texts that a register language file fills, in the
// order of its lines: one line per entry, each entry a fixed-width register
// text.
struct RegisterTextBlock {
    prg::Member member;
    std::size_t width;
    constexpr std::size_t count() const { return member.size / width; }
};

inline constexpr RegisterTextBlock kRegisterTextBlocks[] = {
    {prg::DeptGroupNames, 12},    {prg::HeaderLines, 24},      {prg::FooterLines, 24},
    {prg::ScrollMessages, 42},    {prg::ExtraInvoiceLines, 24}, {prg::RegisterCaptions, 10},
    {prg::OtherLines, 24},
};
inline constexpr std::size_t kRegisterTextCount = 133;

// The register language file of language byte 0 to 7 ("English.txt" ...
// "Swedish.txt"); null for any other byte.
const char* register_language_file(int language);

// Stores the lines of a register language file into the image, each through
// the register's character set, cut or padded to its entry. Lines end at CR,
// CR LF or LF; lines after the last entry are ignored and entries without a
// line keep their text.
void fill_register_texts(ProgrammingImage& image, std::string_view content, const Codecs& codecs);

enum class RegisterTextsResult { Loaded, Missing, Failed };

// `Setta ligua`: the texts of language n from setupDir into the image. A
// missing file (or a language without one) writes "The file language n is not
// present" to the run log, changes nothing and gives Missing; the caller
// shows the warning. Any other failure logs "Setta ligua: " + the reason.
RegisterTextsResult Setta_ligua(ProgrammingImage& image, int language, const Codecs& codecs,
                                const std::string& setupDir, const RunLog& log);

}  // namespace tw
