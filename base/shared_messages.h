#pragma once
#include <functional>
#include <string>

namespace tw {

// Gives the current language's caption text for a key ("" when none).
using CaptionLookup = std::function<std::string(const std::string& key)>;

// The six message texts that many screens share.
struct SharedMessages {
    std::string MsgValueTooHigh;
    std::string MsgSendFailed;
    std::string MsgCopyPrgModeError;
    std::string MsgCopyPrgPluError;
    std::string MsgLanguageFileMissing;
    std::string MsgOptionNot4410;
};

// Each text is the caption of its key when not empty, else the English
// fallback. Chosen once at start-up.
SharedMessages choose_shared_messages(const CaptionLookup& caption);

// The English fallbacks, as the program has always shown them.
SharedMessages english_shared_messages();

}  // namespace tw
