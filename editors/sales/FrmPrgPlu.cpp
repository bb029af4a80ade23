#include "editors/sales/FrmPrgPlu.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "app/TextField.h"
#include "app/transfer_runner.h"
#include "app/ui_effects.h"
#include "app/ui_text.h"
#include "editors/common/OverviewGrid.h"
#include "editors/common/choice_sets.h"
#include "editors/sales/plu_csv.h"
#include "editors/sales/plu_fields.h"
#include "editors/sales/plu_order.h"
#include "transfer/transfer_procedures.h"

namespace tw {

namespace {
constexpr Choice kStatusChoices[] = {
    {0, "FRM_PRG_PLU_CMB_STATUS_0_MSG", "OPEN"},
    {1, "FRM_PRG_PLU_CMB_STATUS_1_MSG", "NORMAL"},
    {2, "FRM_PRG_PLU_CMB_STATUS_2_MSG", "PRESET"},
};
constexpr ChoiceSet kStatus{kStatusChoices};

// Widths in twips; -1 keeps the grid's default width. Model 4410 has no
// price 2: its column is hidden.
constexpr GridColumn kColumns[] = {
    {"FRM_PRG_PLU_COL_N_MSG", "", 560},
    {"FRM_PRG_PLU_COL_FREECODE_MSG", "PLU #", 1800},
    {"FRM_PRG_PLU_COL_NAME_MSG", "PLU Name", 1800},
    {"FRM_PRG_PLU_COL_STATUS_MSG", "Status", 1700},
    {"FRM_PRG_PLU_COL_LINK_DEPT_MSG", "Dept", 580},
    {"FRM_PRG_PLU_COL_TAX_MSG", "Tax", -1},
    {"FRM_PRG_PLU_COL_TAKE_OUT_TAX_MSG", "T.O.Tax", -1},
    {"FRM_PRG_PLU_COL_PRICE1_MSG", "Price 1", 1340},
    {"FRM_PRG_PLU_COL_PRICE2_MSG", "Price 2", 1340, nullptr, On4410::Hidden},
};

const RecordSetup kSetup{
    {"FrmPrgPlu", "FRM_PRG_PLU_TITLE", "Program PLUs", nullptr, nullptr},
    "Cmb_PluNumber", "FRM_PRG_PLU_L_PLU_NUMBER", "Number:", "Fg_Plu", "Carica_Plu", kColumns,
};

QString price_text(long long minorUnits, int decimals)
{
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return number_text(minorUnits, scale, decimals, QString(), true);
}

// The dialog of the CSV exchange.
const char kDialogTitle[] = "Percorso Immagine";
const char kDialogFilter[] = "File CSV(*.csv)";

// The PLU name: trailing spaces go while it is edited, and come back (to
// 16 characters) when the focus leaves.
class PluNameField : public TextField {
public:
    PluNameField(QWidget* parent) : TextField("E_Name", int(plu::kNameWidth), parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        TextField::focusInEvent(event);
        QString t = text();
        while (t.endsWith(QLatin1Char(' ')))
            t.chop(1);
        setText(t);
        setCursorPosition(int(t.size()));
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        TextField::focusOutEvent(event);
        if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
            return;
        setText(text().leftJustified(int(plu::kNameWidth), QLatin1Char(' ')));
    }
};
}  // namespace

FrmPrgPlu::FrmPrgPlu(ScreenContext& context, QWidget* caller) : RecordEditor(context, caller, kSetup)
{
    Session& s = session();
    lCode_ = add_label("L_FreeCode");
    code_ = new NumericField(s, "E_FreeCode", this);
    code_->set_maximum(kMaxCode);
    code_->setMaxLength(kCodeDigits);
    lCodeMax_ = add_label("L_PriceMax");
    lName_ = add_label("L_Name");
    name_ = new PluNameField(this);
    lStatus_ = add_label("L_Status");
    status_ = new ChoiceField(s, "Cmb_Status", this);
    lLinkDept_ = add_label("L_LinkDept");
    linkDept_ = new ChoiceField(s, "Cmb_LinkDept", this);
    lTax_ = add_label("L_Tax");
    tax_ = new ChoiceField(s, "Cmb_Tax", this);
    lTakeOutTax_ = add_label("L_TakeOutTax");
    takeOutTax_ = new ChoiceField(s, "Cmb_TakeOutTax", this);
    lPrice1_ = add_label("L_Price1");
    price1_ = new NumericField(s, "E_Price1", this);
    lPrice2_ = add_label("L_Price2");
    price2_ = new NumericField(s, "E_Price2", this);
    for (NumericField* price : {price1_, price2_}) {
        price->set_maximum(kMaxPrice);
        price->set_fixed_decimals(true);
        price->set_enter_target(save_button());
        price->setAlignment(Qt::AlignRight);
    }
    erase_ = new QPushButton(this);
    erase_->setObjectName("C_Erase");
    export_ = new QPushButton(this);
    export_->setObjectName("C_Export");
    import_ = new QPushButton(this);
    import_->setObjectName("C_Import");
    for (QPushButton* b : {erase_, export_, import_})
        b->setAutoDefault(false);

    QGridLayout* fields = field_grid();
    int row = 1;
    fields->addWidget(lCode_, row, 0);
    fields->addWidget(code_, row, 1);
    fields->addWidget(lCodeMax_, row++, 2, 1, 2);
    fields->addWidget(lName_, row, 0);
    fields->addWidget(name_, row++, 1);
    fields->addWidget(lStatus_, row, 0);
    fields->addWidget(status_, row, 1);
    fields->addWidget(lLinkDept_, row, 2);
    fields->addWidget(linkDept_, row++, 3);
    fields->addWidget(lTax_, row, 0);
    fields->addWidget(tax_, row, 1);
    fields->addWidget(lTakeOutTax_, row, 2);
    fields->addWidget(takeOutTax_, row++, 3);
    fields->addWidget(lPrice1_, row, 0);
    fields->addWidget(price1_, row, 1);
    fields->addWidget(lPrice2_, row, 2);
    fields->addWidget(price2_, row++, 3);
    auto* actions = new QHBoxLayout;
    actions->addWidget(erase_);
    actions->addStretch();
    actions->addWidget(export_);
    actions->addWidget(import_);
    fields->addLayout(actions, row, 0, 1, 4);

    connect(erase_, &QPushButton::clicked, this, &FrmPrgPlu::Erase);
    connect(export_, &QPushButton::clicked, this, &FrmPrgPlu::Export);
    connect(import_, &QPushButton::clicked, this, &FrmPrgPlu::Import);
}

bool FrmPrgPlu::has_price2() const { return session().ModelCode == 1; }

void FrmPrgPlu::prepare_fields()
{
    RecordEditor::prepare_fields();
    lCode_->setText(text("FRM_PRG_PLU_L_FREECODE", "PLU :"));
    lCodeMax_->setText(text("MSG_MAX_9999999999999", "(Max Value 9999999999999)"));
    lName_->setText(text("FRM_PRG_PLU_L_NAME", "PLU Name:"));
    lStatus_->setText(text("FRM_PRG_PLU_L_STATUS", "Type"));
    lLinkDept_->setText(text("FRM_PRG_PLU_L_LINK_DEPT", "Link Dept:"));
    lTax_->setText(text("FRM_PRG_PLU_L_TAX", "TAX"));
    lTakeOutTax_->setText(text("FRM_PRG_PLU_L_TAKE_OUT_TAX", "Take Out Tax"));
    lPrice1_->setText(text("FRM_PRG_PLU_L_PRICE1", "Price 1"));
    lPrice2_->setText(text("FRM_PRG_PLU_L_PRICE2", "Price 2"));
    erase_->setText(text("FRM_PRG_PLU_C_ERASE", "Erase PLU"));
    export_->setText(text("FRM_PRG_PLU_C_EXPORT", "Export"));
    import_->setText(text("FRM_PRG_PLU_C_IMPORT", "Import"));

    // Model 4410 has no price 2; its stored value stays untouched.
    lPrice2_->setVisible(has_price2());
    price2_->setVisible(has_price2());

    const Session& s = session();
    statusLabels_ = choice_labels(s.language.captions, kStatus);
    taxLabels_ = choice_labels(s.language.captions, kTax);
    status_->set_choices(choice_texts(s, kStatus));
    tax_->set_choices(choice_texts(s, kTax));
    takeOutTax_->set_choices(choice_texts(s, kTax));
    QStringList departments;
    for (int d = 0; d <= 99; ++d)  // 0: no department
        departments << QString::number(d);
    linkDept_->set_choices(departments);

    decimals_ = std::clamp(s.DecimalPosition, 0, 8);
    int scale = 1;
    for (int i = 0; i < decimals_; ++i)
        scale *= 10;
    for (NumericField* price : {price1_, price2_}) {
        price->set_scale(scale, decimals_, QString());
        price->show_value(0);
    }
}

int FrmPrgPlu::record_count() const { return std::clamp(session().PluCapacity, 0, plu::kMaxRecords); }

int FrmPrgPlu::next_record(int) const { return next_; }

QStringList FrmPrgPlu::row_texts(int n)
{
    const Codecs& c = session().codecs;
    const PluRecord& r = session().plu.slot(n);
    return {QString::number(n), to_qt(r.code(c)), to_qt(r.name(c)),
            to_qt(label_after_space(statusLabels_, kStatus, r.price_type())).toLower(),
            to_qt(department_text(r.bytes[plu::kDepartmentOffset])),
            to_qt(whole_label(taxLabels_, kTax, r.tax_class())).toLower(),
            to_qt(whole_label(taxLabels_, kTax, r.take_out_tax_class())).toLower(),
            price_text(std::stoll(r.price(c, 1)), decimals_),
            has_price2() ? price_text(std::stoll(r.price(c, 2)), decimals_) : QString()};
}

void FrmPrgPlu::fill_record(int n)
{
    Session& s = session();
    const Codecs& c = s.codecs;
    PluRecord& r = s.plu.slot(n);
    // A new PLU starts as price type normal.
    if (n > s.plu.PluCount)
        r.set_price_type(1);

    const QString code = to_qt(r.code(c));
    // A longer code read from a file is shown whole, never cut.
    code_->setMaxLength(std::max(kCodeDigits, int(code.size())));
    code_->setText(code);
    name_->set_core_text(r.name(c));
    // A stored value without a choice leaves the field empty; a save then
    // stores 0 for it.
    status_->select_number(r.price_type());
    const int dept = linkDept_->findText(to_qt(department_text(r.bytes[plu::kDepartmentOffset])));
    linkDept_->setCurrentIndex(dept);
    tax_->select_number(r.tax_class());
    takeOutTax_->select_number(r.take_out_tax_class());
    price1_->show_value(std::stoll(r.price(c, 1)));
    price2_->show_value(std::stoll(r.price(c, 2)));
}

void FrmPrgPlu::Ordina_Plu()
{
    Session& s = session();
    context().ui.set_busy(true);
    guarded(s.log, "FrmPrgPlu Ordina_Plu: ", [&] { tw::Ordina_Plu(s.plu, record_count()); });
    Carica_Griglia();
    context().ui.set_busy(false);
}

void FrmPrgPlu::Erase()
{
    code_->setText(QStringLiteral("0"));
    name_->clear();
    price1_->show_value(0);
    price2_->show_value(0);
    linkDept_->setCurrentIndex(0);
    status_->select_number(1);
    tax_->select_number(0);
    takeOutTax_->select_number(0);
}

void FrmPrgPlu::store_record(int n)
{
    Session& s = session();
    const int capacity = record_count();
    PluRecord& r = s.plu.slot(n);

    PluFields f;
    f.code = code_->value();
    f.name = name_->core_text();
    f.priceType = status_->number();
    f.department = department_byte(to_core(linkDept_->currentText())).value_or(0);
    f.tax = std::uint8_t(tax_->number());
    f.takeOutTax = std::uint8_t(takeOutTax_->number());
    f.price1 = price1_->value();
    if (has_price2())
        f.price2 = price2_->value();

    next_ = next_plu_number(n, plu_code_value(r), std::uint64_t(std::max(f.code, 0LL)), capacity);
    store_plu_fields(r, s.codecs, f);
    Ordina_Plu();
}

void FrmPrgPlu::write_file()
{
    Write_PluFile(session().plu, session().dirs.DataDir, session().files, session().log);
}

void FrmPrgPlu::after_save()
{
    select_number(next_);
    load_record(next_);
    grid()->scroll_to_number(next_ >= 3 ? next_ - 1 : next_);
}

bool FrmPrgPlu::send_file(TransferRun& run) { return Send_PrgPluToEcr(session().transfer_link(), run); }

QString FrmPrgPlu::send_description() const { return send_prg_plu_text(session()); }

int FrmPrgPlu::send_limit_seconds() const { return 180; }

QString FrmPrgPlu::choose_file(bool forSaving)
{
    UiEffects& ui = context().ui;
    const QString title = QString::fromLatin1(kDialogTitle), filter = QString::fromLatin1(kDialogFilter);
    const QString chosen = forSaving ? ui.save_file_name(this, title, lastFile_, filter)
                                     : ui.open_file_name(this, title, lastFile_, filter);
    // A cancelled dialog does nothing, even when a file was used before.
    if (!chosen.isEmpty())
        lastFile_ = chosen;
    return chosen;
}

void FrmPrgPlu::Export()
{
    guarded(session().log, "FrmPrgPlu Errore: ", [&] {
        const QString path = choose_file(true);
        if (path.isEmpty())
            return;
        Session& s = session();
        Export_PluCsv(path_to_core(path), s.plu, s.codecs, has_price2(),
                      [&s](const std::string& key) { return s.language.captions.text(key); }, s.log);
    });
}

void FrmPrgPlu::Import()
{
    guarded(session().log, "Frm_PrgPlu_Import ", [&] {
        const QString path = choose_file(false);
        if (path.isEmpty())
            return;
        Session& s = session();
        QString separator = QLocale().decimalPoint();
        const PluCsvOutcome outcome =
            Import_PluCsv(path_to_core(path), s.plu, s.codecs, has_price2(),
                          record_count(), to_core(separator), s.log);
        if (!outcome.ok) {
            const QString reason = to_qt(outcome.reason);
            const QString where =
                outcome.line > 0
                    ? text("FRM_PRG_PLU_IMPORT_LINE_KO_MSG", "The import stopped at line %1 of the file: %2.")
                          .arg(outcome.line)
                          .arg(reason)
                    : text("FRM_PRG_PLU_IMPORT_KO_MSG", "The import failed: %1.").arg(reason);
            s.effects.message_box(
                to_core(where + "\n" + text("FRM_PRG_PLU_IMPORT_UNCHANGED_MSG", "The PLU table has not been changed.")),
                MsgButtons::Ok, MsgIcon::Error);
            return;
        }
        if (outcome.count > 0) {
            Carica_Griglia();
            select_number(1);
            load_record(1);
        }
        const QString read = outcome.count == 1
                                 ? text("FRM_PRG_PLU_IMPORT_ONE_MSG", "1 PLU read from the file.")
                                 : text("FRM_PRG_PLU_IMPORT_COUNT_MSG", "%1 PLUs read from the file.").arg(outcome.count);
        s.effects.message_box(to_core(read), MsgButtons::Ok, MsgIcon::Information);
    });
}

}  // namespace tw
