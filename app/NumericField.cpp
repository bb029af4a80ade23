#include "app/NumericField.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <cmath>
#include <limits>

#include "app/session.h"

namespace tw {

namespace {
// The value of a digit text; texts too long for a number count as above any
// maximum.
long long digits_value(const QString& digits)
{
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const long long v = digits.toLongLong(&ok);
    return ok ? v : std::numeric_limits<long long>::max();
}

QLocale number_locale(bool grouped)
{
    QLocale locale;
    if (!grouped)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

bool is_editing_key(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Up:
    case Qt::Key_Down: case Qt::Key_Backspace: case Qt::Key_Delete: case Qt::Key_Tab: case Qt::Key_Backtab:
    case Qt::Key_Escape: case Qt::Key_Return: case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}
}  // namespace

QString number_text(long long stored, int scale, int decimals, const QString& unit, bool fixedDecimals, bool grouped,
                    int minDigits)
{
    const QLocale locale = number_locale(grouped);
    QString number;
    if (scale <= 1 && decimals == 0) {
        number = locale.toString(stored);
        if (minDigits > 0 && stored >= 0)
            number = QString::number(stored).rightJustified(minDigits, QLatin1Char('0'));
    } else {
        number = locale.toString(double(stored) / scale, 'f', decimals);
        if (!fixedDecimals && decimals > 0) {
            // A plain decimal number: 22500 shows 22.5, 22000 shows 22.
            while (number.endsWith(QLatin1Char('0')))
                number.chop(1);
            if (number.endsWith(locale.decimalPoint()))
                number.chop(locale.decimalPoint().size());
        }
    }
    return number + unit;
}

NumericField::NumericField(Session& session, const QString& objectName, QWidget* parent)
    : QLineEdit(parent), session_(session)
{
    setObjectName(objectName);
    // Text reaches the field only through keys and pastes that it checks.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void NumericField::set_format(int scale, int decimals, const QString& unit, bool fixedDecimals, bool grouped,
                              int minDigits, bool emptyZero)
{
    scale_ = scale > 0 ? scale : 1;
    decimals_ = decimals;
    unit_ = unit;
    fixedDecimals_ = fixedDecimals;
    grouped_ = grouped;
    minDigits_ = minDigits;
    // A field of plain digits with leading zeros (a counter) shows a 0 as "0"
    // with the focus; one with a unit or decimals shows it empty.
    emptyZero_ = emptyZero || scale_ != 1 || decimals_ != 0 || !unit_.isEmpty();
    scaled_ = emptyZero_ || grouped_ || minDigits_ > 0;
}

void NumericField::set_scale(int scale, int decimals, const QString& unit)
{
    set_format(scale, decimals, unit, fixedDecimals_, false, 0, true);
}

void NumericField::show_value(long long stored)
{
    rawForm_ = false;
    setText(scaled_ ? number_text(stored, scale_, decimals_, unit_, true, grouped_, minDigits_)
                    : QString::number(stored));
}

QString NumericField::shown_number() const
{
    QString t = text();
    if (!unit_.isEmpty() && t.endsWith(unit_))
        t.chop(unit_.size());
    return t.trimmed();
}

long long NumericField::value() const
{
    if (!scaled_ || rawForm_)
        return digits_value(text());
    if (scale_ <= 1 && decimals_ == 0 && !grouped_) {
        // Read as it was written: the number format may have its own digits (Arabic-Indic).
        bool ok = false;
        const long long shown = number_locale(grouped_).toLongLong(shown_number(), &ok);
        return ok ? shown : digits_value(shown_number());
    }
    bool ok = false;
    const double shown = number_locale(grouped_).toDouble(shown_number(), &ok);
    return ok ? std::llround(shown * scale_) : 0;
}

bool NumericField::takes_key(const QKeyEvent* event) const
{
    if (is_editing_key(event) || event->text().isEmpty())
        return true;
    // Ctrl+A, copy and the like edit nothing by typing a character.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    return Codecs::solo_numeri(event->text().at(0).unicode()) != 0;
}

void NumericField::keyPressEvent(QKeyEvent* event)
{
    if (enterTarget_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        enterTarget_->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    const QString before = text();
    const int cursorBefore = cursorPosition();
    if (event->matches(QKeySequence::Paste)) {
        paste_digits(QClipboard::Clipboard);
        keep_within_maximum(before, cursorBefore);
        event->accept();
        return;
    }
    if (!takes_key(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (text() != before)
        keep_within_maximum(before, cursorBefore);
}

void NumericField::paste_digits(QClipboard::Mode mode)
{
    QString digits;
    for (const QChar ch : QApplication::clipboard()->text(mode))
        if (ch.isDigit() && ch.unicode() < 128)
            digits += ch;
    if (!digits.isEmpty())
        insert(digits);
}

bool NumericField::keep_within_maximum(const QString& before, int cursorBefore)
{
    const QString digits = (!scaled_ || rawForm_) ? text() : shown_number();
    if (lengthLimit_ > 0 && digits.size() > lengthLimit_) {
        setText(before);
        setCursorPosition(cursorBefore);
        return false;
    }
    if (maximum_ < 0 || digits_value(digits) <= maximum_)
        return true;
    setText(before);
    setCursorPosition(cursorBefore);
    session_.effects.message_box(session_.messages.MsgValueTooHigh, MsgButtons::Ok, MsgIcon::Error);
    return false;
}

void NumericField::focusInEvent(QFocusEvent* event)
{
    if (scaled_ && !rawForm_) {
        const long long stored = value();
        rawForm_ = true;
        if (!emptyStays_)
            setText(stored == 0 && emptyZero_ ? QString() : QString::number(stored));
    }
    QLineEdit::focusInEvent(event);
    selectAll();
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
}

void NumericField::mousePressEvent(QMouseEvent* event)
{
    // The click that gave the focus keeps the whole value selected.
    if (focusedByClick_) {
        focusedByClick_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NumericField::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click pastes the desktop's selection: its digits only, as a
    // key paste does.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        const QString before = text();
        const int cursorBefore = cursorPosition();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        paste_digits(QClipboard::Selection);
        keep_within_maximum(before, cursorBefore);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumericField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    focusedByClick_ = false;
    // A message box or another program taking the focus is no leaving.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (emptyStays_ && text().isEmpty())
        return;
    if (scaled_ && rawForm_) {
        const long long stored = digits_value(text());
        rawForm_ = false;
        setText(number_text(stored, scale_, decimals_, unit_, fixedDecimals_, grouped_, minDigits_));
    }
}

}  // namespace tw
