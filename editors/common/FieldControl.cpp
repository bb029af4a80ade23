#include "editors/common/FieldControl.h"

#include <QLabel>
#include <algorithm>
#include <stdexcept>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "app/TextField.h"
#include "app/session.h"
#include "app/ui_text.h"
#include "editors/common/choice_sets.h"

namespace tw {

namespace {
int power_of_ten(int exponent)
{
    int p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// Prices show the register's decimals: 10 to the power of DecimalPosition.
NumberFormat effective_format(const NumberFormat& f, const Session& s)
{
    NumberFormat out = f;
    if (f.scaleFromPrices) {
        out.decimals = std::clamp(s.DecimalPosition, 0, 8);
        out.scale = power_of_ten(out.decimals);
        out.fixedDecimals = true;
    }
    return out;
}
}  // namespace

QStringList choice_texts(const Session& session, const ChoiceSet& set)
{
    QStringList texts;
    for (const std::string& t : choice_labels(session.language.captions, set))
        texts << to_qt(t);
    return texts;
}

QString label_name(const Field& field)
{
    if (field.labelName)
        return QString::fromLatin1(field.labelName);
    QString name = QString::fromLatin1(field.name);
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    return QStringLiteral("L_") + (underscore >= 0 ? name.mid(underscore + 1) : name);
}

FieldControl::FieldControl(Session& session, const Field& field, QWidget* parent) : session_(session), field_(field)
{
    if (field.labelKey || field.label) {
        label_ = new QLabel(parent);
        label_->setObjectName(label_name(field));
    }
    const QString name = QString::fromLatin1(field.name);
    if (is_choice(field)) {
        choice_ = new ChoiceField(session, name, parent);
        control_ = choice_;
    } else if (is_text(field.place.storage)) {
        text_ = new TextField(name, field.place.width, parent);
        text_->set_padded(field.padded);
        QObject::connect(text_, &TextField::refused, parent, [&session] { session.effects.beep(); });
        control_ = text_;
    } else {
        numeric_ = new NumericField(session, name, parent);
        if (field.number.rightAligned)
            numeric_->setAlignment(Qt::AlignRight);
        control_ = numeric_;
    }
    if (label_)
        label_->setBuddy(control_);
    if (field.hint.name) {
        hint_ = new QLabel(parent);
        hint_->setObjectName(QString::fromLatin1(field.hint.name));
    }
}

void FieldControl::prepare()
{
    const Session& s = session_;
    if (label_)
        label_->setText(caption(s, field_.labelKey, field_.label));
    if (choice_) {
        choiceTexts_ = choice_texts(s, field_.choices);
        choice_->set_choices(choiceTexts_);
    }
    if (numeric_) {
        const NumberFormat f = effective_format(field_.number, s);
        numeric_->set_maximum(f.maximum);
        numeric_->set_format(f.scale, f.decimals, QString::fromLatin1(f.unit), f.fixedDecimals, f.grouped, f.minDigits,
                             f.emptyZero || f.scaleFromPrices);
        numeric_->setMaxLength(f.maxChars > 0 ? f.maxChars : 32767);
        numeric_->set_empty_stays(f.emptyFails);
        // Wide enough for all the digits it shows.
        if (const int digits = std::max(f.maxChars, f.minDigits); digits > 0)
            numeric_->setMinimumWidth(
                numeric_->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))));
    }
    if (hint_)
        hint_->setText(caption(s, field_.hint.key, field_.hint.english));
    const bool hidden = field_.on4410 != On4410::Shown && s.ModelCode == 0;
    for (QWidget* w : {static_cast<QWidget*>(label_), control_, static_cast<QWidget*>(hint_)})
        if (w)
            w->setHidden(hidden);
}

void FieldControl::load(std::span<const std::uint8_t> bytes)
{
    const Codecs& c = session_.codecs;
    if (choice_) {
        // A stored value without a choice shows none; a save then stores 0.
        choice_->select_number(int(read_number(bytes, field_.place, c)));
    } else if (numeric_) {
        // A stored value longer than the typing limit shows whole, never cut.
        numeric_->setMaxLength(32767);
        numeric_->show_value(read_number(bytes, field_.place, c));
        if (const int limit = field_.number.maxChars; limit > 0)
            numeric_->setMaxLength(std::max(limit, int(numeric_->text().size())));
    } else {
        text_->set_core_text(shown_text(bytes));
    }
}

std::string FieldControl::shown_text(std::span<const std::uint8_t> bytes) const
{
    std::string t = read_text(bytes, field_.place, session_.codecs);
    if (!field_.keepSpaces && !field_.padded)
        t.erase(t.find_last_not_of(' ') + 1);
    if (field_.trimLeading)
        t.erase(0, t.find_first_not_of(' '));
    return t;
}

void FieldControl::follow_decimals()
{
    if (!numeric_ || !decimalsSource_ || !decimalsSource_->choice())
        return;
    const long long stored = numeric_->value();
    const int d = std::clamp(decimalsSource_->choice()->number(), 0, 8);
    numeric_->set_format(power_of_ten(d), d, QString(), true, false, 0, false);
    numeric_->show_value(stored);
}

void FieldControl::save(std::span<std::uint8_t> bytes) const
{
    const Codecs& c = session_.codecs;
    if (field_.on4410 == On4410::Kept && session_.ModelCode == 0)
        return;
    if (text_) {
        write_text(bytes, field_.place, text_->core_text(), c);
        return;
    }
    if (numeric_ && field_.number.emptyFails && !numeric_->holds_number())
        throw std::invalid_argument(std::string(field_.name) + " holds no number");
    const long long value = choice_ ? choice_->number() : numeric_->value();
    write_number(bytes, field_.place, value, c);
    if (field_.nonZeroFlag)
        write_number(bytes, *field_.nonZeroFlag, value > 0 ? 1 : 0, c);
}

QString FieldControl::cell_text(std::span<const std::uint8_t> bytes, bool wholeChoice) const
{
    const Codecs& c = session_.codecs;
    // Bare numbers show the stored number as written, with or without a choice.
    if (choice_ && is_bare_numbers(field_.choices))
        return to_qt(read_digits(bytes, field_.place, c));
    if (choice_) {
        const long long v = read_number(bytes, field_.place, c);
        for (std::size_t i = 0; i < field_.choices.choices.size() && int(i) < choiceTexts_.size(); ++i)
            if (field_.choices.choices[i].number == v)
                return wholeChoice ? choiceTexts_[qsizetype(i)]
                                   : to_qt(Codecs::text_after_space(to_core(choiceTexts_[qsizetype(i)])));
        return QString();
    }
    if (numeric_) {
        const NumberFormat f = effective_format(field_.number, session_);
        return number_text(read_number(bytes, field_.place, c), f.scale, f.decimals, QString::fromLatin1(f.unit),
                           f.fixedDecimals, f.grouped, f.minDigits);
    }
    return to_qt(shown_text(bytes));
}

const FieldControl& FieldControls::add(Session& session, const Field& field, QWidget* parent)
{
    if (controls_.size() == controls_.capacity())
        throw std::logic_error("more fields than the screen made room for");
    return controls_.emplace_back(session, field, parent);
}

void FieldControls::prepare()
{
    for (FieldControl& f : controls_) {
        f.prepare();
        const char* source = f.field().number.decimalsFrom;
        if (source && !f.decimalsSource_) {
            f.decimalsSource_ = &at(source);
            QObject::connect(f.decimalsSource_->choice(), &QComboBox::currentIndexChanged, f.control(),
                             [&f] { f.follow_decimals(); });
        }
    }
}

void FieldControls::load(std::span<const std::uint8_t> bytes)
{
    for (FieldControl& f : controls_)
        f.load(bytes);
    // A number shows its decimals once the choice that gives them has loaded.
    for (FieldControl& f : controls_)
        f.follow_decimals();
}

void FieldControls::save(std::span<std::uint8_t> bytes) const
{
    for (const FieldControl& f : controls_)
        f.save(bytes);
}

const FieldControl& FieldControls::at(const char* name) const
{
    for (const FieldControl& f : controls_)
        if (std::string_view(f.field().name) == name)
            return f;
    throw std::out_of_range(std::string("no field ") + name);
}

}  // namespace tw
