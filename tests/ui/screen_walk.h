#pragma once
// Reaches the screens as a user does: from a menu, every button that opens a
// screen, and on each screen every tab of its tab sets. Tests that must cover
// every screen walk them, so a screen added to a menu is covered at once.
#include <functional>

class QWidget;

namespace tw::test {

class ScreenWalk {
public:
    // `visit` sees each screen reached, and again with each of its tabs shown.
    explicit ScreenWalk(std::function<void(QWidget* window)> visit) : visit_(std::move(visit)) {}

    // Visits a screen, each tab of its tab sets, and when it is a menu every
    // screen its buttons open.
    void screen(QWidget* w);

private:
    void menu(QWidget* m);
    void tabs(QWidget* window, QWidget* area);

    std::function<void(QWidget*)> visit_;
};

// Walks both models from the start screen shown (the model buttons, then
// each model's menus) and comes back to the start screen after each.
void walk_both_models(ScreenWalk& walk);

}  // namespace tw::test
