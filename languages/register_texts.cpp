#include "languages/register_texts.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "base/guard.h"
#include "image/file_access.h"
#include "image/text_lines.h"

namespace tw {

namespace {
constexpr const char* kFiles[] = {"English.txt", "Spanish.txt", "French.txt", "German.txt",
                                  "dutch.txt",   "Purtoguese.txt", "danish.txt", "Swedish.txt"};

consteval std::size_t total_entries()
{
    std::size_t n = 0;
    for (const RegisterTextBlock& b : kRegisterTextBlocks)
        n += b.count();
    return n;
}
static_assert(total_entries() == kRegisterTextCount);
}  // namespace

const char* register_language_file(int language)
{
    return language >= 0 && language < int(std::size(kFiles)) ? kFiles[language] : nullptr;
}

void fill_register_texts(ProgrammingImage& image, std::string_view content, const Codecs& codecs)
{
    const std::vector<std::string_view> lines = text_lines(content);
    std::size_t n = 0;
    for (const RegisterTextBlock& b : kRegisterTextBlocks) {
        for (std::size_t entry = 0; entry < b.count(); ++entry) {
            if (n >= lines.size())
                return;
            image.set_text(codecs, b.member.offset + entry * b.width, b.width, std::string(lines[n++]));
        }
    }
}

RegisterTextsResult Setta_ligua(ProgrammingImage& image, int language, const Codecs& codecs,
                                const std::string& setupDir, const RunLog& log)
{
    return guarded(log, "Setta ligua: ", [&] {
        namespace fs = std::filesystem;
        const char* name = register_language_file(language);
        std::error_code ec;
        if (!name || !fs::exists(setupDir + name, ec)) {
            log.write_log("The file language " + std::to_string(language) + " is not present");
            return RegisterTextsResult::Missing;
        }
        Bytes content;
        bool missing = false;
        if (!read_whole_file(setupDir + name, content, missing) || missing)
            throw std::runtime_error(std::string("cannot read ") + name);
        fill_register_texts(image, {reinterpret_cast<const char*>(content.data()), content.size()}, codecs);
        return RegisterTextsResult::Loaded;
    }, RegisterTextsResult::Failed);
}

}  // namespace tw
