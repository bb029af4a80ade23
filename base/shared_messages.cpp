#include "base/shared_messages.h"

namespace tw {

namespace {
struct Entry {
    std::string SharedMessages::*member;
    const char* key;
    const char* english;
};

const Entry kEntries[] = {
    {&SharedMessages::MsgValueTooHigh, "FRM_ALL_MASSIMO_SUPERATO_MSG", "Value insert to high!"},
    {&SharedMessages::MsgSendFailed, "FRM_ALL_PROGRAM_KO_MSG", "Programmation sending Failed"},
    {&SharedMessages::MsgCopyPrgModeError, "FRM_ALL_ERROR_COPY_PRG_MODE_MSG", "Error During copy PRG_MODE_FILE"},
    {&SharedMessages::MsgCopyPrgPluError, "FRM_ALL_ERROR_COPY_PRG_PLU_MSG", "Error During copy PRG_MODE_PLUE"},
    {&SharedMessages::MsgLanguageFileMissing, "FRM_ALL_FILE_LANG_KO_MSG",
     "The file of the languagge specificated doesn't exist. The program work in english"},
    {&SharedMessages::MsgOptionNot4410, "FRM_ALL_OPTION_NO_4410_MSG", "Option not supported on ECR4410"},
};
}  // namespace

SharedMessages choose_shared_messages(const CaptionLookup& caption)
{
    SharedMessages m;
    for (const Entry& e : kEntries) {
        std::string text = caption ? caption(e.key) : std::string();
        m.*e.member = text.empty() ? std::string(e.english) : text;
    }
    return m;
}

SharedMessages english_shared_messages() { return choose_shared_messages(nullptr); }

}  // namespace tw
