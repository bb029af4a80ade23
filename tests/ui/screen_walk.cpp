#include "screen_walk.h"

#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app/MenuScreen.h"
#include "ui_harness.h"

namespace tw::test {

namespace {

// The buttons that unload a menu; every other button may open a screen.
bool unloads(const QAbstractButton* b) { return b->objectName() == "C_Back" || b->objectName() == "C_Exit"; }

// Whether a tab set lies inside another one within the area.
bool inside_other_tab_set(QWidget* t, QWidget* area)
{
    for (QWidget* p = t->parentWidget(); p && p != area; p = p->parentWidget())
        if (qobject_cast<QTabWidget*>(p))
            return true;
    return false;
}

}  // namespace

void ScreenWalk::screen(QWidget* w)
{
    visit_(w);
    tabs(w, w);
    if (qobject_cast<MenuScreen*>(w))
        menu(w);
}

void ScreenWalk::menu(QWidget* m)
{
    for (QPushButton* b : m->findChildren<QPushButton*>()) {
        if (!b->isVisible() || !b->isEnabled() || unloads(b))
            continue;
        click(b->objectName().toLatin1().constData());
        QPointer<QWidget> opened = visible_window();
        if (!opened || opened == m)
            continue;
        screen(opened);
        if (opened)
            opened->close();
        UiHarness::flush_deletions();
        EXPECT_EQ(visible_window(), m) << "closing " << b->objectName().toStdString();
    }
}

// Each tab chosen as the user chooses it; a tab set inside a tab is walked
// when its tab shows.
void ScreenWalk::tabs(QWidget* window, QWidget* area)
{
    for (QTabWidget* t : area->findChildren<QTabWidget*>()) {
        if (!t->isVisible() || inside_other_tab_set(t, area))
            continue;
        for (int i = 0; i < t->count(); ++i) {
            QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(i).center());
            if (t->currentIndex() != i)
                continue;  // a tab the model refuses
            visit_(window);
            tabs(window, t->widget(i));
        }
    }
}

void walk_both_models(ScreenWalk& walk)
{
    for (const char* model : {"C_4410", "C_4430"}) {
        click(model);
        walk.screen(visible_window());
        click("C_Back");
    }
}

}  // namespace tw::test
