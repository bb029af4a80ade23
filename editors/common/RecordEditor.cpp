#include "editors/common/RecordEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "app/ui_text.h"
#include "editors/common/OverviewGrid.h"

namespace tw {

RecordEditor::RecordEditor(ScreenContext& context, QWidget* caller, const RecordSetup& setup)
    : EditorScreen(context, caller, setup.editor), setup_(setup), fields_(setup.fields.size())
{
    loadName_ = setup.loadName;
    fieldGrid_ = new QGridLayout;
    const QString numberName = QString::fromLatin1(setup.numberName);
    numberLabel_ = new QLabel(this);
    numberLabel_->setObjectName(QStringLiteral("L_") + numberName.mid(numberName.indexOf(QLatin1Char('_')) + 1));
    number_ = new ChoiceField(session(), numberName, this);
    numberLabel_->setBuddy(number_);
    fieldGrid_->addWidget(numberLabel_, 0, 0);
    fieldGrid_->addWidget(number_, 0, 1);
    // Described fields stand two to a row: label, control, hint. A field of
    // its own row has its hint over the rest of the row.
    int row = 1, column = 0;
    for (const Field& f : setup.fields) {
        const FieldControl& c = fields_.add(session(), f, this);
        if (f.ownRow && column > 0) {
            ++row;
            column = 0;
        }
        if (c.label())
            fieldGrid_->addWidget(c.label(), row, column);
        fieldGrid_->addWidget(c.control(), row, column + 1);
        if (c.hint())
            fieldGrid_->addWidget(c.hint(), row, column + 2, 1, f.ownRow ? 4 : 1);
        if (c.numeric() && f.number.enterToSave)
            c.numeric()->set_enter_target(save_button());
        if (f.ownRow || column > 0) {
            ++row;
            column = 0;
        } else {
            column = 3;
        }
    }
    fieldGrid_->setColumnStretch(1, 1);
    fieldGrid_->setColumnStretch(4, 1);
    body()->addLayout(fieldGrid_);

    connect(number_, &QComboBox::activated, this, [this] { choose_number(chosen_number()); });
    if (!setup.gridName)
        return;
    grid_ = new OverviewGrid(QString::fromLatin1(setup.gridName), this);
    grid_->setMinimumHeight(300);
    body()->addWidget(grid_, 1);
    connect(grid_, &OverviewGrid::row_chosen, this, &RecordEditor::choose_row);
}

QLabel* RecordEditor::add_label(const char* name)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void RecordEditor::prepare_fields()
{
    numberLabel_->setText(text(setup_.numberLabelKey, setup_.numberLabel));
    fields_.prepare();
    if (!grid_)
        return;
    const bool model4410 = session().ModelCode == 0;
    QStringList headers;
    std::vector<int> widths;
    for (const GridColumn& c : setup_.columns) {
        const bool hidden = c.on4410 != On4410::Shown && model4410;
        headers << (hidden ? QString() : text(c.key, c.english));
        widths.push_back(hidden ? 0 : c.twips);
    }
    grid_->rows().set_headers(headers);
    grid_->set_column_twips(widths);
}

void RecordEditor::load_fields()
{
    Carica_Griglia();
    if (grid_) {
        grid_->fit_columns();
        // The grid is as wide as its columns, so that none is cut.
        int width = 0;
        for (int c = 0; c < grid_->rows().columnCount(); ++c)
            width += grid_->isColumnHidden(c) ? 0 : grid_->columnWidth(c);
        grid_->setMinimumWidth(width + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
    }
    select_number(1);
    load_record(1);
}

void RecordEditor::Carica_Griglia()
{
    const std::string prefix = setup_.gridPrefix ? setup_.gridPrefix : name() + " Carica_Griglia: ";
    guarded(session().log, prefix, [&] {
        const int count = record_count();
        if (number_->count() != count) {
            QStringList numbers;
            for (int n = 1; n <= count; ++n)
                numbers << QString::number(n);
            number_->clear();
            number_->addItems(numbers);
        }
        if (!grid_)
            return;
        // A file of many bad fields logs each fault once a load, not once a cell.
        gridLog_.clear();
        grid_->rows().set_records(count, [this](int n) {
            const RunLog::OncePerText once(session().log, gridLog_);
            return row_texts(n);
        });
        grid_->rows().set_highlight(loaded_ - 1);
    });
}

void RecordEditor::load_record(int n)
{
    handle(loadName_.c_str(), [&] {
        if (n < 1 || n > record_count())
            return;
        if (grid_) {
            grid_->rows().set_highlight(n - 1);
            grid_->follow_number(n);
        }
        loaded_ = n;
        fill_record(n);
    });
}

std::span<std::uint8_t> RecordEditor::record_bytes(int)
{
    throw std::logic_error(name() + " keeps no described record");
}

void RecordEditor::fill_record(int n) { fields_.load(record_bytes(n)); }

void RecordEditor::store_record(int n) { fields_.save(record_bytes(n)); }

QStringList RecordEditor::row_texts(int n)
{
    QStringList texts;
    const std::span<const std::uint8_t> bytes = record_bytes(n);
    const bool model4410 = session().ModelCode == 0;
    for (const GridColumn& c : setup_.columns) {
        // A column the model lacks holds no values either.
        if (c.on4410 != On4410::Shown && model4410) {
            texts << QString();
            continue;
        }
        QString t = c.field ? fields_.at(c.field).cell_text(bytes, c.wholeChoice) : QString::number(n);
        texts << (c.lowerCase ? t.toLower() : t);
    }
    return texts;
}

int RecordEditor::chosen_number() const { return number_->currentText().toInt(); }

void RecordEditor::select_number(int n) { number_->setCurrentIndex(n - 1); }

void RecordEditor::choose_number(int n)
{
    if (n < 1 || n > record_count())
        return;
    load_record(n);
    if (grid_)
        grid_->scroll_to_number(n);
}

void RecordEditor::choose_row(int n)
{
    if (n < 1 || n > record_count())
        return;
    select_number(n);
    load_record(n);
}

void RecordEditor::save_fields()
{
    const int n = chosen_number();
    if (n < 1 || n > record_count())
        throw std::out_of_range("no record number " + std::to_string(n));
    store_record(n);
    saved_ = n;
}

void RecordEditor::after_save()
{
    Carica_Griglia();
    const int next = next_record(saved_);
    select_number(next);
    load_record(next);
    if (grid_)
        grid_->scrollTo(grid_->rows().index(next - 1, 0));
}

}  // namespace tw
