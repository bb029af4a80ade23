#include "app/TextField.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "app/session.h"
#include "app/ui_text.h"

namespace tw {

TextField::TextField(const QString& objectName, int widthLimit, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    if (widthLimit > 0) {
        setMaxLength(widthLimit);
        // Room for a full field of capitals, so that no stored name is cut.
        const QMargins m = textMargins() + contentsMargins();
        setMinimumWidth(fontMetrics().horizontalAdvance(QString(widthLimit, QLatin1Char('M'))) + m.left() +
                        m.right() + 12);
    }
}

void TextField::load_image_text(const Session& session, std::size_t offset, std::size_t width)
{
    set_core_text(session.image.text(session.codecs, offset, width));
}

void TextField::save_image_text(Session& session, std::size_t offset, std::size_t width) const
{
    session.image.set_text(session.codecs, offset, width, core_text());
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    const bool typing = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    const bool full = text().size() >= maxLength() && !hasSelectedText();
    QLineEdit::keyPressEvent(event);
    if (typing && full)
        Q_EMIT refused();
}

void TextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!padded_)
        return;
    QString t = text();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    setText(t);
    setCursorPosition(int(t.size()));
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A message box or another program taking the focus is no leaving.
    if (!padded_ || event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    setText(text().leftJustified(maxLength(), QLatin1Char(' ')));
}

std::string TextField::core_text() const { return to_core(text()); }

void TextField::set_core_text(const std::string& cp1252) { setText(to_qt(cp1252)); }

}  // namespace tw
