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
#include "app/ui_effects.h"
#include "app/ui_text.h"
#include "editors/sales/OverviewGrid.h"
#include "editors/sales/choice_labels.h"
#include "editors/sales/plu_csv.h"
#include "editors/sales/plu_fields.h"
#include "editors/sales/plu_order.h"
#include "transfer/transfer_procedures.h"

namespace tw {

namespace {
const EditorScreen::Setup kSetup{"FrmPrgPlu", "FRM_PRG_PLU_TITLE", "Program PLUs", nullptr, nullptr};

constexpr ChoiceLabel kStatus[] = {
    {"FRM_PRG_PLU_CMB_STATUS_0_MSG", "OPEN"},
    {"FRM_PRG_PLU_CMB_STATUS_1_MSG", "NORMAL"},
    {"FRM_PRG_PLU_CMB_STATUS_2_MSG", "PRESET"},
};

struct Column {
    const char* key;
    const char* english;
    int twips;  // -1: the grid's default width
};
constexpr Column kColumns[] = {
    {"FRM_PRG_PLU_COL_N_MSG", "", 560},
    {"FRM_PRG_PLU_COL_FREECODE_MSG", "PLU #", 1800},
    {"FRM_PRG_PLU_COL_NAME_MSG", "PLU Name", 1800},
    {"FRM_PRG_PLU_COL_STATUS_MSG", "Status", 1700},
    {"FRM_PRG_PLU_COL_LINK_DEPT_MSG", "Dept", 580},
    {"FRM_PRG_PLU_COL_TAX_MSG", "Tax", -1},
    {"FRM_PRG_PLU_COL_TAKE_OUT_TAX_MSG", "T.O.Tax", -1},
    {"FRM_PRG_PLU_COL_PRICE1_MSG", "Price 1", 1340},
    {"FRM_PRG_PLU_COL_PRICE2_MSG", "Price 2", 1340},
};
constexpr int kPrice2Column = 8;

// The dialog of the CSV exchange.
const char kDialogTitle[] = "Percorso Immagine";
const char kDialogFilter[] = "File CSV(*.csv)";

QLabel* make_label(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

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

FrmPrgPlu::FrmPrgPlu(ScreenContext& context, QWidget* caller) : EditorScreen(context, caller, kSetup)
{
    Session& s = session();
    lNumber_ = make_label(this, "L_PluNumber");
    number_ = new ChoiceField(s, "Cmb_PluNumber", this);
    lCode_ = make_label(this, "L_FreeCode");
    code_ = new NumericField(s, "E_FreeCode", this);
    code_->set_maximum(kMaxCode);
    code_->setMaxLength(kCodeDigits);
    lCodeMax_ = make_label(this, "L_PriceMax");
    lName_ = make_label(this, "L_Name");
    name_ = new PluNameField(this);
    lStatus_ = make_label(this, "L_Status");
    status_ = new ChoiceField(s, "Cmb_Status", this);
    lLinkDept_ = make_label(this, "L_LinkDept");
    linkDept_ = new ChoiceField(s, "Cmb_LinkDept", this);
    lTax_ = make_label(this, "L_Tax");
    tax_ = new ChoiceField(s, "Cmb_Tax", this);
    lTakeOutTax_ = make_label(this, "L_TakeOutTax");
    takeOutTax_ = new ChoiceField(s, "Cmb_TakeOutTax", this);
    lPrice1_ = make_label(this, "L_Price1");
    price1_ = new NumericField(s, "E_Price1", this);
    lPrice2_ = make_label(this, "L_Price2");
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
    grid_ = new OverviewGrid("Fg_Plu", this);

    auto* fields = new QGridLayout;
    int row = 0;
    fields->addWidget(lNumber_, row, 0);
    fields->addWidget(number_, row++, 1);
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
    body()->addLayout(fields);
    auto* actions = new QHBoxLayout;
    actions->addWidget(erase_);
    actions->addStretch();
    actions->addWidget(export_);
    actions->addWidget(import_);
    body()->addLayout(actions);
    grid_->setMinimumSize(820, 320);
    body()->addWidget(grid_);

    connect(number_, &QComboBox::activated, this, [this] { choose_number(chosen_number()); });
    connect(grid_, &OverviewGrid::row_chosen, this, &FrmPrgPlu::choose_row);
    connect(erase_, &QPushButton::clicked, this, &FrmPrgPlu::Erase);
    connect(export_, &QPushButton::clicked, this, &FrmPrgPlu::Export);
    connect(import_, &QPushButton::clicked, this, &FrmPrgPlu::Import);
}

bool FrmPrgPlu::has_price2() const { return session().ModelCode == 1; }

void FrmPrgPlu::prepare_fields()
{
    lNumber_->setText(text("FRM_PRG_PLU_L_PLU_NUMBER", "Number:"));
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
    statusTexts_ = choice_texts(s, kStatus);
    taxTexts_ = choice_texts(s, kTaxChoices);
    status_->set_choices(statusTexts_);
    tax_->set_choices(taxTexts_);
    takeOutTax_->set_choices(taxTexts_);
    QStringList departments;
    for (int d = 0; d <= 99; ++d)  // 0: no department
        departments << QString::number(d);
    linkDept_->set_choices(departments);

    decimals_ = std::clamp(s.DecimalPosition, 0, 8);
    for (NumericField* price : {price1_, price2_})
        price->set_scale(price_scale(decimals_), decimals_, QString());

    QStringList headers;
    std::vector<int> widths;
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        headers << text(kColumns[c].key, kColumns[c].english);
        widths.push_back(c == kPrice2Column && !has_price2() ? 0 : kColumns[c].twips);
    }
    if (!has_price2())
        headers[kPrice2Column].clear();
    grid_->rows().set_headers(headers);
    grid_->set_column_twips(widths);
}

void FrmPrgPlu::load_fields()
{
    Carica_Griglia();
    number_->setCurrentIndex(0);
    price1_->show_value(0);
    price2_->show_value(0);
    Carica_Plu(1);
}

void FrmPrgPlu::Carica_Griglia()
{
    handle("Carica_Griglia", [&] {
        const Session& s = session();
        const Codecs& c = s.codecs;
        const RunLog::OncePerText once(s.log);
        grid_->scrollToTop();
        const int capacity = std::clamp(s.PluCapacity, 0, plu::kMaxRecords);
        std::vector<QStringList> rows;
        rows.reserve(std::size_t(capacity));
        const bool price2 = has_price2();
        for (int n = 1; n <= capacity; ++n) {
            const PluRecord& r = s.plu.slot(n);
            rows.push_back({QString::number(n), to_qt(r.code(c)), to_qt(r.name(c)),
                            label_after_space(statusTexts_, r.price_type()).toLower(),
                            to_qt(department_text(r.bytes[plu::kDepartmentOffset])),
                            whole_label(taxTexts_, r.tax_class()).toLower(),
                            whole_label(taxTexts_, r.take_out_tax_class()).toLower(),
                            price_text(std::stoll(r.price(c, 1)), decimals_),
                            price2 ? price_text(std::stoll(r.price(c, 2)), decimals_) : QString()});
        }
        // The number list is "1" to the capacity; it is built once.
        if (number_->count() != capacity) {
            QStringList numbers;
            for (int n = 1; n <= capacity; ++n)
                numbers << QString::number(n);
            number_->clear();
            number_->addItems(numbers);
        }
        grid_->rows().set_rows(std::move(rows));
        grid_->rows().set_highlight(loaded_ - 1);
    });
}

void FrmPrgPlu::Carica_Plu(int n)
{
    Session& s = session();
    if (n < 1 || n > std::min(s.PluCapacity, plu::kMaxRecords))
        return;
    const Codecs& c = s.codecs;
    PluRecord& r = s.plu.slot(n);
    // A new PLU starts as price type normal.
    if (n > s.plu.PluCount)
        r.set_price_type(1);
    grid_->rows().set_highlight(n - 1);
    grid_->follow_number(n);
    loaded_ = n;

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
    guarded(s.log, "FrmPrgPlu Ordina_Plu: ",
            [&] { tw::Ordina_Plu(s.plu, std::clamp(s.PluCapacity, 0, plu::kMaxRecords)); });
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

int FrmPrgPlu::chosen_number() const { return number_->currentText().toInt(); }

void FrmPrgPlu::choose_number(int n)
{
    Carica_Plu(n);
    grid_->scroll_to_number(n);
}

void FrmPrgPlu::choose_row(int n)
{
    if (n < 1 || n > number_->count())
        return;
    number_->setCurrentIndex(n - 1);
    Carica_Plu(n);
}

void FrmPrgPlu::save_fields()
{
    Session& s = session();
    const int n = chosen_number();
    const int capacity = std::clamp(s.PluCapacity, 0, plu::kMaxRecords);
    if (n < 1 || n > capacity)
        throw std::out_of_range("no PLU number " + std::to_string(n));
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
    number_->setCurrentIndex(next_ - 1);
    Carica_Plu(next_);
    grid_->scroll_to_number(next_ >= 3 ? next_ - 1 : next_);
}

bool FrmPrgPlu::send_file(TransferRun& run) { return Send_PrgPluToEcr(session(), run); }

QString FrmPrgPlu::send_description() const { return tr("Sending the PLUs (PRG_PLU.BIN) to the register"); }

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
                      [&s](const std::string& key) { return s.captions.text(key); }, s.log);
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
                          std::clamp(s.PluCapacity, 0, plu::kMaxRecords), to_core(separator), s.log);
        if (!outcome.ok) {
            const std::string where =
                outcome.line > 0 ? "The import stopped at line " + std::to_string(outcome.line) + " of the file: "
                                 : "The import failed: ";
            s.effects.message_box(where + outcome.reason + ".\nThe PLU table has not been changed.",
                                  MsgButtons::Ok, MsgIcon::Error);
            return;
        }
        if (outcome.count > 0) {
            Carica_Griglia();
            number_->setCurrentIndex(0);
            Carica_Plu(1);
        }
        s.effects.message_box(std::to_string(outcome.count) + (outcome.count == 1 ? " PLU" : " PLUs") +
                                  " read from the file.",
                              MsgButtons::Ok, MsgIcon::Information);
    });
}

}  // namespace tw
