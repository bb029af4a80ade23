#include "app/qt_effects.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include "app/HelpWindow.h"
#include "app/Screen.h"
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

QMessageBox::StandardButton to_qt_answer(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Ok: break;
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
                                 const std::string& title, const std::string& detail, MsgAnswer enter)
{
    if (on_thread_of(this))
        return show_message_box(text, buttons, icon, title, detail, enter);
    MsgAnswer answer = MsgAnswer::Cancel;
    QMetaObject::invokeMethod(
        this, [&] { answer = show_message_box(text, buttons, icon, title, detail, enter); },
        Qt::BlockingQueuedConnection);
    return answer;
}

MsgAnswer QtEffects::show_message_box(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                      const std::string& title, const std::string& detail, MsgAnswer enter)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(to_qt_icon(icon), title.empty() ? QString::fromUtf8(kApplicationTitle) : to_qt(title),
                    to_qt(text), to_qt_buttons(buttons), parent);
    box.setObjectName("MessageBox");
    if (captions_) {
        const struct {
            QMessageBox::StandardButton button;
            const char* key;
        } named[] = {{QMessageBox::Yes, "FRM_ALL_MSGBOX_C_YES"},
                     {QMessageBox::No, "FRM_ALL_MSGBOX_C_NO"},
                     {QMessageBox::Cancel, "FRM_ALL_MSGBOX_C_CANCEL"}};
        for (const auto& [button, key] : named) {
            const std::string& text = captions_->text(key);
            // The first letter stays the button's Alt key, as in the toolkit's own texts.
            if (QAbstractButton* shown = box.button(button); shown && !text.empty())
                shown->setText("&" + to_qt(text).replace("&", "&&"));
        }
    }
    if (!detail.empty())
        box.setInformativeText(to_qt(detail));
    if (buttons != MsgButtons::Ok)
        box.setDefaultButton(to_qt_answer(enter));
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

void QtUiEffects::show_help(QWidget* parent, const QString& helpFile, const QString& section)
{
    if (!help_)
        help_ = new HelpWindow();
    // One window serves every screen; it speaks the language of the screen that opened it.
    if (const auto* screen = dynamic_cast<const Screen*>(parent))
        help_->apply_captions(screen->context().session);
    help_->show_file(helpFile, section);
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
