#include "app/qt_effects.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include "app/HelpWindow.h"
#include "app/ui_text.h"

namespace tw {

namespace {
QMessageBox::Icon to_qt_icon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons to_qt_buttons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

bool on_thread_of(const QObject* object) { return QThread::currentThread() == object->thread(); }
}  // namespace

QtEffects::QtEffects() = default;

void QtEffects::beep()
{
    if (on_thread_of(this))
        QApplication::beep();
    else
        QMetaObject::invokeMethod(this, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

MsgAnswer QtEffects::message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title)
{
    if (on_thread_of(this))
        return show_message_box(text, buttons, icon, title);
    MsgAnswer answer = MsgAnswer::Cancel;
    QMetaObject::invokeMethod(
        this, [&] { answer = show_message_box(text, buttons, icon, title); }, Qt::BlockingQueuedConnection);
    return answer;
}

MsgAnswer QtEffects::show_message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                      const std::string& title)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(to_qt_icon(icon), title.empty() ? QString::fromUtf8(kApplicationTitle) : to_qt(title),
                    to_qt(text), to_qt_buttons(buttons), parent);
    // The busy pointer of a running transfer must not hide the buttons' pointer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    QApplication::restoreOverrideCursor();
    switch (result) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

QtUiEffects::~QtUiEffects() { delete help_; }

QString QtUiEffects::open_file_name(QWidget* parent, const QString& title, const QString& directory,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, directory, filter);
}

QString QtUiEffects::save_file_name(QWidget* parent, const QString& title, const QString& directory,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, directory, filter);
}

void QtUiEffects::show_help(QWidget* parent, const QString& helpFile)
{
    (void)parent;
    if (!help_)
        help_ = new HelpWindow();
    help_->show_file(helpFile);
}

void QtUiEffects::open_folder(const QString& directory)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(directory));
}

void QtUiEffects::set_busy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace tw
