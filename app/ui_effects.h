#pragma once
#include <QString>

class QWidget;

namespace tw {

// What the screens show beyond the core's message boxes and beeps: file
// dialogs, the help window and the busy pointer. The program implements it
// with Qt; screen tests record the calls and answer the dialogs.
class UiEffects {
public:
    virtual ~UiEffects() = default;

    // The chosen file, or an empty text when the user cancelled.
    virtual QString open_file_name(QWidget* parent, const QString& title, const QString& directory,
                                   const QString& filter) = 0;
    virtual QString save_file_name(QWidget* parent, const QString& title, const QString& directory,
                                   const QString& filter) = 0;

    // Opens the help window on the given HTML help file, at its start.
    virtual void show_help(QWidget* parent, const QString& helpFile) = 0;

    // Shows a folder in the desktop's file manager.
    virtual void open_folder(const QString& directory) = 0;

    // The busy pointer over the whole program; calls nest.
    virtual void set_busy(bool busy) = 0;
};

}  // namespace tw
