#include "app/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>

#include "app/PictureLabel.h"
#include "app/qt_language_hooks.h"
#include "app/ui_effects.h"
#include "app/ui_text.h"

namespace tw {

QPoint centred_on(const QRect& over, const QSize& size, const QRect& screenArea)
{
    QRect place(QPoint(), size);
    place.moveCenter(over.center());
    // Never past the screen's edges, where the title bar could not be reached.
    place.moveLeft(std::max(screenArea.left(), std::min(place.left(), screenArea.right() - size.width())));
    place.moveTop(std::max(screenArea.top(), std::min(place.top(), screenArea.bottom() - size.height())));
    return place.topLeft();
}

Screen::Screen(ScreenContext& context, QWidget* caller, const char* name)
    : QWidget(caller, Qt::Window), context_(context), name_(name), caller_(caller)
{
    setObjectName(QString::fromLatin1(name));
    if (caller)
        setAttribute(Qt::WA_DeleteOnClose);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &Screen::open_help_at_section);
}

void Screen::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    on_load();
}

int title_width(const QWidget& window)
{
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) +
           4 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

void fit_to_contents(QWidget& window)
{
    // A tab set asks for all its tabs rather than scrolling or eliding them.
    for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
        tabs->setUsesScrollButtons(false);
        tabs->setElideMode(Qt::ElideNone);
    }
    window.adjustSize();
    if (window.width() < title_width(window))
        window.resize(title_width(window), window.height());
}

void Screen::show_in_place(Screen* next)
{
    next->present(frameGeometry());
    hide();
}

void Screen::present(const QRect& over)
{
    load();
    fit_to_contents(*this);
    move(centred_on(over, frameGeometry().size(), screen()->availableGeometry()));
    show();
}

void Screen::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (caller_)
        caller_->show();
}

PictureLabel* Screen::make_help_picture()
{
    auto* help = new PictureLabel("I_Help", this);
    help->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    help->setCursor(Qt::PointingHandCursor);
    help->setToolTip(text("FRM_ALL_HELP_TOOLTIP", "Help (F1)"));
    connect(help, &PictureLabel::clicked, this, &Screen::open_help);
    return help;
}

QLabel* Screen::make_heading()
{
    auto* heading = new QLabel(this);
    heading->setObjectName("L_Titolo");
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

void Screen::open_help() { context_.ui.show_help(this, context_.language.help_file()); }

// The help file's sections bear the names of their screens (id="FrmPrgPlu"),
// so a screen whose section is added to the help gets F1 at it for free; a
// screen without one gets the help at its start.
void Screen::open_help_at_section()
{
    context_.ui.show_help(this, context_.language.help_file(), QString::fromStdString(name_));
}

QString Screen::text(const char* key, const char* english) const { return caption(session(), key, english); }

}  // namespace tw
