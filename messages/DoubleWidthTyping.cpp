#include "messages/DoubleWidthTyping.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

#include "base/guard.h"

namespace tw {

namespace {
const QChar kMarker(0x00B7);  // the PC form of the register's marker 255
}

DoubleWidthTyping::DoubleWidthTyping(QLineEdit* line, const QAbstractButton* mode, int width, Padding padding,
                                     const RunLog& log, std::string logPrefix)
    : QObject(line), line_(line), mode_(mode), width_(width), padding_(padding), log_(log),
      logPrefix_(std::move(logPrefix))
{
    line->installEventFilter(this);
}

bool DoubleWidthTyping::eventFilter(QObject* watched, QEvent* event)
{
    return guarded(log_, logPrefix_, [&] { return filter(watched, event); }, false);
}

bool DoubleWidthTyping::filter(QObject* watched, QEvent* event)
{
    if (watched != line_)
        return false;
    if (padding_ == Padding::OnFocusOut && event->type() == QEvent::FocusIn) {
        QString t = line_->text();
        while (t.endsWith(QLatin1Char(' ')))
            t.chop(1);
        line_->setText(t);
        line_->end(false);
        return false;
    }
    if (padding_ == Padding::OnFocusOut && event->type() == QEvent::FocusOut) {
        line_->setText(line_->text().leftJustified(width_, QLatin1Char(' '), true));
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int p = line_->cursorPosition();
    if (key->key() == Qt::Key_Backspace && !line_->hasSelectedText()) {
        // The pair before the cursor goes together.
        if (p >= 2 && line_->text().at(p - 2) == kMarker) {
            line_->setText(line_->text().remove(p - 2, 2));
            line_->setCursorPosition(p - 2);
            return true;
        }
        return false;
    }
    const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                        !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (!typing || !mode_->isChecked())
        return false;
    // The pair takes the selection's place; a key refused keeps the selection.
    if (line_->text().size() - line_->selectedText().size() + 2 > width_) {
        Q_EMIT refused();
        return true;
    }
    line_->insert(QString(kMarker) + key->text().at(0));
    return true;
}

}  // namespace tw
