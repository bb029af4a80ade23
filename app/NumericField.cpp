#include "app/NumericField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
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

QLocale number_locale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}
}  // namespace

NumericField::NumericField(Session& session, const QString& objectName, QWidget* parent)
    : QLineEdit(parent), session_(session)
{
    setObjectName(objectName);
    // Text reaches the field only through typed keys, which the filter sees.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textEdited, this, &NumericField::check_maximum);
}

void NumericField::set_scale(int scale, int decimals, const QString& unit)
{
    scale_ = scale > 0 ? scale : 1;
    decimals_ = decimals;
    unit_ = unit;
    scaled_ = true;
}

void NumericField::show_value(long long stored)
{
    rawForm_ = false;
    setText(display_text(stored, true));
}

QString NumericField::display_text(long long stored, bool fixedDecimals) const
{
    if (!scaled_)
        return QString::number(stored);
    const QLocale locale = number_locale();
    QString number = locale.toString(double(stored) / scale_, 'f', decimals_);
    if (!fixedDecimals && decimals_ > 0) {
        // A plain decimal number: 22500 shows 22.5, 22000 shows 22.
        while (number.endsWith(QLatin1Char('0')))
            number.chop(1);
        if (number.endsWith(locale.decimalPoint()))
            number.chop(locale.decimalPoint().size());
    }
    return number + unit_;
}

QString NumericField::shown_number() const
{
    QString t = text();
    if (!unit_.isEmpty() && t.endsWith(unit_))
        t.chop(unit_.size());
    return t;
}

long long NumericField::value() const
{
    if (!scaled_ || rawForm_)
        return digits_value(text());
    bool ok = false;
    const double shown = number_locale().toDouble(shown_number().trimmed(), &ok);
    return ok ? std::llround(shown * scale_) : 0;
}

void NumericField::keyPressEvent(QKeyEvent* event)
{
    if (enterTarget_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        enterTarget_->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    // Delete edits without typing a character, as in every text field.
    if (event->key() != Qt::Key_Delete && !event->text().isEmpty() &&
        Codecs::solo_numeri(event->text().at(0).unicode()) == 0) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::check_maximum(const QString& typed)
{
    if (maximum_ < 0 || digits_value(typed) <= maximum_)
        return;
    session_.effects.message_box(session_.messages.MsgValueTooHigh, MsgButtons::Ok, MsgIcon::Error);
    QString kept = typed;
    kept.chop(1);
    setText(kept);
}

void NumericField::focusInEvent(QFocusEvent* event)
{
    if (scaled_ && !rawForm_) {
        const long long stored = value();
        rawForm_ = true;
        setText(stored == 0 ? QString() : QString::number(stored));
    }
    QLineEdit::focusInEvent(event);
}

void NumericField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A message box or another program taking the focus is no leaving.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (scaled_ && rawForm_) {
        const long long stored = digits_value(text());
        rawForm_ = false;
        setText(display_text(stored, fixedDecimals_));
    }
}

}  // namespace tw
