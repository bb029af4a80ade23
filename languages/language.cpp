#include "languages/language.h"

#include <exception>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "base/guard.h"
#include "image/win1252.h"
#include "languages/caption_file.h"

namespace tw {

const std::array<LanguageRow, kLanguageCount> LanguageTable = {{
    {"English", "eng", "FrmDescEng.txt", "VelmoraECRProgrammingUtilityHelp(GB).html", "UK.gif"},
    {"Spanish", "es", "FrmDescSpa.txt", "Utilidaddeprogramaci\xF3ndeECRVelmora(ES).html", "Spain.gif"},
    {"French", "fr", "FrmDescFra.txt", "UtilitairedeprogrammationECR(FR).html", "France.gif"},
    {"German", "ge", "FrmDescGer.txt", "VelmoraECR-Anwendungsprogramm(GE).html", "Germany.gif"},
    {"Datch", "nl", "FrmDescOla.txt", "VelmoraECRHulpprogrammavoorprogrammering(NL).html", "Netherlands.gif"},
    {"Portuguese", "pt", "FrmDescPor.txt", "Utilit\xE1riodePrograma\xE7\xE3oECR(PT).html", "Portugal.gif"},
    {"Danish", "dk", "FrmDescDan.txt", "ECRProgrammeringshj\xE6lp(DK).html", "Denmark.gif"},
    {"Swedish", "sv", "FrmDescSve.txt", "ECRProgrammeringsverktyg(SV).html", "Sweden.gif"},
}};

namespace {
namespace fs = std::filesystem;

constexpr char kLanguageFile[] = "Language.ini";

void require_file(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw std::runtime_error("File not found: " + path);
}

// Step 2: the row's values; a code without a row keeps them.
void apply_row(LanguageState& s, Directories& dirs)
{
    if (s.LanguageCode >= kLanguageCount)
        return;
    const LanguageRow& row = LanguageTable[s.LanguageCode];
    const std::string sep(1, kPathSeparator);
    dirs.HelpDir = dirs.AppDir + "help" + sep + std::string(row.helpFolder) + sep;
    s.CaptionFileName = std::string(row.captionFile);
    s.HelpFileName = file_system_name(row.helpFile);
    s.FlagFileName = std::string(row.flagFile);
}
}  // namespace

std::string file_system_name(std::string_view cp1252Name)
{
#ifdef _WIN32
    return std::string(cp1252Name);
#else
    return cp1252_to_utf8(cp1252Name);
#endif
}

void Read_Language(std::uint8_t& code, const std::string& setupDir, const ThreeAttemptFile& files,
                   const RunLog& log)
{
    guarded(log, "Read_Language: ", [&] {
        const std::string path = setupDir + kLanguageFile;
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            code = 0;
            Write_Language(code, setupDir, files, log);
            return;
        }
        Bytes content;
        if (files.read(path, content, "Superati 3 tentativi di lettura LANGUAGE_FILE"))
            code = content.empty() ? 0 : content[0];
    });
}

void Write_Language(std::uint8_t code, const std::string& setupDir, const ThreeAttemptFile& files,
                    const RunLog& log)
{
    guarded(log, "Write_Language: ", [&] {
        files.write(setupDir + kLanguageFile, Bytes{code}, "Superati 3 tentativi di Scrittura LANGUAGE_FILE");
    });
}

void selezione_lingua(LanguageState& s, Directories& dirs, const CaptionFileSource& captionFiles,
                      std::uint8_t code)
{
    std::string failure;
    auto step = [&](auto&& body) {
        try {
            body();
        } catch (const std::exception& e) {
            failure = e.what();
        } catch (...) {
            failure = "unknown error";
        }
    };

    s.LanguageCode = code;
    for (;;) {
        step([&] { apply_row(s, dirs); });
        bool loaded = false;
        step([&] { loaded = load_caption_file(s.captions, captionFiles, s.CaptionFileName); });
        if (loaded || s.LanguageCode == 0)
            break;
        s.LanguageCode = 0;  // English
    }
    step([&] {
        const std::string help = dirs.HelpDir + s.HelpFileName;
        if (s.hooks)
            s.hooks->set_help_file(help);
        require_file(help);
    });
    step([&] {
        const std::string flag = dirs.SetupDir + s.FlagFileName;
        if (s.hooks)
            s.hooks->show_flag(flag);
        require_file(flag);
    });
    if (!failure.empty())
        captionFiles.log.write_log("selezione_lingua " + failure);
}

}  // namespace tw
