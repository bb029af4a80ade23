#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/effects.h"

namespace tw::test {

// Records what the user would have seen and heard, and answers questions from
// a queue (`unqueuedAnswer`, Yes unless set, when the queue is empty).
class RecordingEffects : public Effects {
public:
    struct Box {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
        std::string title;
    };

    void beep() override
    {
        ++beeps;
        if (onBeep)
            onBeep(beeps);
    }

    MsgAnswer message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                          const std::string& title) override
    {
        boxes.push_back({text, buttons, icon, title});
        if (answers.empty())
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : unqueuedAnswer;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    int beeps = 0;
    std::vector<Box> boxes;
    std::deque<MsgAnswer> answers;
    MsgAnswer unqueuedAnswer = MsgAnswer::Yes;
    std::function<void(int beepCount)> onBeep;
};

}  // namespace tw::test
