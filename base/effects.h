#pragma once
#include <string>

namespace tw {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// What the core shows or sounds to the user. The program implements it with
// Qt; tests record what the user would have seen and answer questions.
// Texts are Windows-1252, like every text of the core.
class Effects {
public:
    virtual ~Effects() = default;
    virtual void beep() = 0;
    // `detail` is shown below the text (the reason of a failure); `enter` is
    // the answer Enter gives, where the first button would destroy work.
    virtual MsgAnswer message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                  const std::string& title = {}, const std::string& detail = {},
                                  MsgAnswer enter = MsgAnswer::Yes) = 0;
};

}  // namespace tw
