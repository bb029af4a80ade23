#pragma once
#include <QObject>
#include <QPointer>

#include "base/effects.h"
#include "app/ui_effects.h"

namespace tw {

class HelpWindow;

// The core's effects shown with Qt. A transfer's procedure runs on a worker
// thread and may ask for a message box or a beep from there: such calls are
// carried over to the user-interface thread and wait for the answer.
class QtEffects : public QObject, public Effects {
    Q_OBJECT
public:
    QtEffects();
    void beep() override;
    MsgAnswer message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                          const std::string& title = {}) override;

private:
    MsgAnswer show_message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title);
};

class QtUiEffects : public UiEffects {
public:
    ~QtUiEffects() override;
    QString open_file_name(QWidget* parent, const QString& title, const QString& directory,
                           const QString& filter) override;
    QString save_file_name(QWidget* parent, const QString& title, const QString& directory,
                           const QString& filter) override;
    void show_help(QWidget* parent, const QString& helpFile) override;
    void open_folder(const QString& directory) override;
    void set_busy(bool busy) override;

private:
    QPointer<HelpWindow> help_;
};

}  // namespace tw
