#pragma once
#include <QPointer>
#include <QWidget>
#include <string>
#include <utility>

#include "base/guard.h"
#include "app/screen_context.h"
#include "app/session.h"

class QLabel;

namespace tw {

class PictureLabel;

// A top-level screen. Only one screen is visible at a time: opening a screen
// hides its caller, and unloading a screen (its Back button or closing its
// window) destroys it and shows the caller again, which kept its state.
class Screen : public QWidget {
    Q_OBJECT
public:
    // `name` is the screen's name and objectName; `caller` is the screen that
    // opened it (nullptr for the start screen), also its Qt parent so that
    // every screen goes when the start screen goes.
    Screen(ScreenContext& context, QWidget* caller, const char* name);

    // The work done each time the screen is loaded (captions, fields); runs
    // once, before the screen is first shown.
    void load();

    // Shows a newly built screen of type T in place of this one.
    template <class T, class... Args>
    T* open_screen(Args&&... args)
    {
        auto* next = new T(context_, this, std::forward<Args>(args)...);
        show_in_place(next);
        return next;
    }
    // Loads `next`, places it over this screen, shows it and hides this one.
    void show_in_place(Screen* next);
    // Loads the screen and shows it at its default size, centred over `over`.
    void present(const QRect& over);

    // Unloads the screen: the caller is shown again.
    void unload() { close(); }

    ScreenContext& context() const { return context_; }
    Session& session() const { return context_.session; }
    const std::string& name() const { return name_; }

protected:
    virtual void on_load() {}
    void closeEvent(QCloseEvent* event) override;

    // Runs one event handler so that no exception leaves it: a failure writes
    // "<screen> <handler>: " + description to the run log; the screen stays.
    template <class F>
    void handle(const char* handler, F&& body)
    {
        guarded(session().log, name_ + " " + handler + ": ", std::forward<F>(body));
    }

    // The help picture `I_Help` opens the current language's help at its
    // start; F1 opens it at the section of this screen.
    PictureLabel* make_help_picture();
    // The screen's heading `L_Titolo`: large, bold, centred.
    QLabel* make_heading();
    void open_help();
    void open_help_at_section();

    // The caption rule for this screen's controls.
    QString text(const char* key, const char* english) const;

private:
    ScreenContext& context_;
    std::string name_;
    QPointer<QWidget> caller_;
    bool loaded_ = false;
};

// Where a window of `size` goes to stand centred over `over`, inside the
// screen's available area.
QPoint centred_on(const QRect& over, const QSize& size, const QRect& screenArea);

// The width a window needs for the window manager to show its title whole:
// the title in a bold font beside the window's icon and three frame buttons.
int title_width(const QWidget& window);
// The default size of a window: what its layout asks for, with every tab of
// its tab sets in sight, and wide enough for its title.
void fit_to_contents(QWidget& window);

// Builds a screen of type T for a menu button.
using ScreenFactory = Screen* (*)(ScreenContext&, QWidget* caller);
template <class T>
Screen* make_screen(ScreenContext& context, QWidget* caller)
{
    return new T(context, caller);
}

}  // namespace tw
