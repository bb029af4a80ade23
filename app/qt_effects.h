#pragma once
#include <QObject>
#include <QPointer>

#include "app/ui_effects.h"
#include "base/effects.h"
#include "languages/caption_texts.h"

namespace tw {

class HelpWindow;

// The core's effects shown with Qt. A transfer's procedure runs on a worker
// thread and may ask for a message box or a beep from there: such calls are
// carried over to the user-interface thread and wait for the answer.
class QtEffects : public QObject, public Effects {
    Q_OBJECT
public:
    QtEffects();
    // The texts of the Yes, No and Cancel buttons follow these captions.
    void use_captions(const CaptionTexts& captions) { captions_ = &captions; }
    void beep() override;
    MsgAnswer message_box(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title = {},
                          const std::string& detail = {}, MsgAnswer enter = MsgAnswer::Yes) override;

private:
    MsgAnswer show_message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title, const std::string& detail, MsgAnswer enter);

    const CaptionTexts* captions_ = nullptr;
};

class QtUiEffects : public UiEffects {
public:
    ~QtUiEffects() override;
    QString open_file_name(QWidget* parent, const QString& title, const QString& directory,
                           const QString& filter) override;
    QString save_file_name(QWidget* parent, const QString& title, const QString& directory,
                           const QString& filter) override;
    void show_help(QWidget* parent, const QString& helpFile, const QString& section = {}) override;
    void open_folder(const QString& directory) override;
    void set_busy(bool busy) override;

private:
    QPointer<HelpWindow> help_;
};

}  // namespace tw
