#include "app/option_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ChoiceField.h"
#include "app/ui_text.h"

namespace tw {

namespace {
QString label_name(const char* fieldName)
{
    QString name = QString::fromLatin1(fieldName);
    if (name.startsWith(QLatin1String("Cmb_")))
        name.remove(0, 4);
    return QStringLiteral("L_") + name;
}
}  // namespace

OptionForm::OptionForm(Session& session, std::span<const OptionField> fields, QWidget* parent, QGridLayout* grid)
    : session_(session), rows_(fields)
{
    int row = 0;
    for (const OptionField& f : rows_) {
        auto* label = new QLabel(parent);
        label->setObjectName(label_name(f.field));
        auto* choice = new ChoiceField(session, QString::fromLatin1(f.field), parent);
        choice->setMinimumContentsLength(18);
        grid->addWidget(label, row, 0);
        grid->addWidget(choice, row, 1);
        labels_.push_back(label);
        fields_.push_back(choice);
        ++row;
    }
}

void OptionForm::prepare()
{
    const bool model4410 = session_.ModelCode == 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const OptionField& f = rows_[i];
        labels_[i]->setText(caption(session_, f.labelKey, f.label));
        QStringList texts;
        for (const Choice& c : f.choices)
            texts << choice_text(session_, c.number, c.key, c.english);
        fields_[i]->set_choices(texts);
        const bool hidden = f.hiddenOn4410 && model4410;
        labels_[i]->setHidden(hidden);
        fields_[i]->setHidden(hidden);
    }
}

void OptionForm::load()
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const OptionField& f = rows_[i];
        if (f.bit == kWholeByte)
            fields_[i]->select_number(session_.image.byte(f.offset));
        else
            fields_[i]->setCurrentIndex(session_.image.bit(session_.codecs, f.offset, f.bit) ? 1 : 0);
    }
}

void OptionForm::save()
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const OptionField& f = rows_[i];
        const int chosen = fields_[i]->number();
        if (f.bit == kWholeByte)
            session_.image.set_byte(f.offset, std::uint8_t(chosen));
        else
            session_.image.set_bit(session_.codecs, f.offset, f.bit, chosen != 0);
    }
}

namespace {
QGridLayout* option_grid(QVBoxLayout* body)
{
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    body->addLayout(grid);
    return grid;
}
}  // namespace

OptionEditor::OptionEditor(ScreenContext& context, QWidget* caller, const OptionScreen& screen)
    : EditorScreen(context, caller, screen.setup), form_(context.session, screen.fields, this, option_grid(body()))
{
}

}  // namespace tw
