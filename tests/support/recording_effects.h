#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/effects.h"

namespace tw::test {

// Records what the user would have seen and heard, and answers questions from
// a queue (`unqueuedAnswer`, Yes unless set, when the queue is empty; with
// pressEnter set, the answer that Enter gives).
class RecordingEffects : public Effects {
public:
    struct Box {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
        std::string title;
        std::string detail;
        MsgAnswer enter;
    };

    void beep() override
    {
        ++beeps;
        if (onBeep)
            onBeep(beeps);
    }

    MsgAnswer message_box(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title,
                          const std::string& detail, MsgAnswer enter) override
    {
        boxes.push_back({text, buttons, icon, title, detail, enter});
        if (onBox)
            onBox(boxes.back());
        if (pressEnter)
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : enter;
        if (answers.empty())
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : unqueuedAnswer;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    int beeps = 0;
    std::vector<Box> boxes;
    std::deque<MsgAnswer> answers;
    bool pressEnter = false;
    MsgAnswer unqueuedAnswer = MsgAnswer::Yes;
    std::function<void(int beepCount)> onBeep;
    std::function<void(const Box&)> onBox;
};

}  // namespace tw::test
