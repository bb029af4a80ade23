#include "editors/sales/FrmPrgPlu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

#include "app/TextField.h"
#include "app/transfer_runner.h"
#include "app/ui_effects.h"
#include "editors/common/OverviewGrid.h"
#include "editors/common/choice_sets.h"
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

constexpr NumberFormat kCodeFormat{.maximum = FrmPrgPlu::kMaxCode, .maxChars = FrmPrgPlu::kCodeDigits};
constexpr NumberFormat kPriceFormat{
    .maximum = FrmPrgPlu::kMaxPrice, .scaleFromPrices = true, .enterToSave = true, .rightAligned = true};

// Model 4410 has no price 2: the field is hidden and Save keeps the stored
// price and its bit as they are.
constexpr Field kFields[] = {
    {.name = "E_FreeCode", .labelKey = "FRM_PRG_PLU_L_FREECODE", .label = "PLU :", .place = plu::kCodePlace,
     .number = kCodeFormat, .hint = {"L_PriceMax", "MSG_MAX_9999999999999", "(Max Value 9999999999999)"},
     .ownRow = true},
    {.name = "E_Name", .labelKey = "FRM_PRG_PLU_L_NAME", .label = "PLU Name:", .place = plu::kNamePlace,
     .padded = true, .ownRow = true},
    {"Cmb_Status", "FRM_PRG_PLU_L_STATUS", "Type", plu::kPriceTypePlace, {kStatusChoices}},
    {"Cmb_LinkDept", "FRM_PRG_PLU_L_LINK_DEPT", "Link Dept:", plu::kDepartmentPlace, numbers_up_to(99)},
    {"Cmb_Tax", "FRM_PRG_PLU_L_TAX", "TAX", plu::kTaxPlace, kTax},
    {"Cmb_TakeOutTax", "FRM_PRG_PLU_L_TAKE_OUT_TAX", "Take Out Tax", plu::kTakeOutTaxPlace, kTax},
    {.name = "E_Price1", .labelKey = "FRM_PRG_PLU_L_PRICE1", .label = "Price 1", .place = plu::kPrice1Place,
     .number = kPriceFormat, .nonZeroFlag = plu::kPrice1Flag},
    {.name = "E_Price2", .labelKey = "FRM_PRG_PLU_L_PRICE2", .label = "Price 2", .place = plu::kPrice2Place,
     .number = kPriceFormat, .on4410 = On4410::Kept, .nonZeroFlag = plu::kPrice2Flag},
};

// Widths in twips; -1 keeps the grid's default width.
constexpr GridColumn kColumns[] = {
    {"FRM_PRG_PLU_COL_N_MSG", "", 560},
    {"FRM_PRG_PLU_COL_FREECODE_MSG", "PLU #", 1800, "E_FreeCode"},
    {"FRM_PRG_PLU_COL_NAME_MSG", "PLU Name", 1800, "E_Name"},
    {"FRM_PRG_PLU_COL_STATUS_MSG", "Status", 1700, "Cmb_Status", On4410::Shown, true},
    {"FRM_PRG_PLU_COL_LINK_DEPT_MSG", "Dept", 580, "Cmb_LinkDept"},
    {"FRM_PRG_PLU_COL_TAX_MSG", "Tax", -1, "Cmb_Tax", On4410::Shown, true, true},
    {"FRM_PRG_PLU_COL_TAKE_OUT_TAX_MSG", "T.O.Tax", -1, "Cmb_TakeOutTax", On4410::Shown, true, true},
    {"FRM_PRG_PLU_COL_PRICE1_MSG", "Price 1", 1340, "E_Price1"},
    {"FRM_PRG_PLU_COL_PRICE2_MSG", "Price 2", 1340, "E_Price2", On4410::Hidden},
};

const RecordSetup kSetup{
    {"FrmPrgPlu", "FRM_PRG_PLU_TITLE", "Program PLUs", nullptr, nullptr},
    "Cmb_PluNumber", "FRM_PRG_PLU_L_PLU_NUMBER", "Number:", "Fg_Plu", "Carica_Plu", kColumns, kFields,
};

// The buttons under the fields: Erase at the left, the CSV exchange at the right.
struct Action {
    const char* name;
    const char* key;
    const char* english;
    void (FrmPrgPlu::*run)();
};
constexpr Action kActions[] = {
    {"C_Erase", "FRM_PRG_PLU_C_ERASE", "Erase PLU", &FrmPrgPlu::Erase},
    {"C_Export", "FRM_PRG_PLU_C_EXPORT", "Export", &FrmPrgPlu::Export},
    {"C_Import", "FRM_PRG_PLU_C_IMPORT", "Import", &FrmPrgPlu::Import},
};
}  // namespace

FrmPrgPlu::FrmPrgPlu(ScreenContext& context, QWidget* caller)
    : RecordEditor(context, caller, kSetup), csv_(context, this)
{
    auto* actions = new QHBoxLayout;
    for (const Action& a : kActions) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(a.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, a.run);
        actions->addWidget(button);
        if (a.run == &FrmPrgPlu::Erase)
            actions->addStretch();
    }
    field_grid()->addLayout(actions, field_grid()->rowCount(), 0, 1, field_grid()->columnCount());
}

void FrmPrgPlu::prepare_fields()
{
    RecordEditor::prepare_fields();
    for (const Action& a : kActions)
        findChild<QPushButton*>(QString::fromLatin1(a.name))->setText(text(a.key, a.english));
}

bool FrmPrgPlu::has_price2() const { return session().ModelCode == 1; }

int FrmPrgPlu::record_count() const { return std::clamp(session().PluCapacity, 0, plu::kMaxRecords); }

int FrmPrgPlu::next_record(int) const { return next_; }

std::span<std::uint8_t> FrmPrgPlu::record_bytes(int n) { return session().plu.slot(n).bytes; }

void FrmPrgPlu::fill_record(int n)
{
    // A new PLU starts as price type normal. A slot beyond the count can
    // still hold a PLU (an import of fewer lines leaves the later ones):
    // showing it changes nothing.
    PluRecord& slot = session().plu.slot(n);
    if (n > session().plu.PluCount && slot.is_free())
        slot.set_price_type(1);
    erased_ = false;
    RecordEditor::fill_record(n);
}

void FrmPrgPlu::Erase()
{
    PluRecord erased = PluRecord::free_slot();
    erased.set_price_type(1);
    fields().load(erased.bytes);
    field("E_Name").text()->clear();
    erased_ = true;
}

void FrmPrgPlu::store_record(int n)
{
    const PluRecord& r = session().plu.slot(n);
    const std::uint64_t loadedCode = plu_code_value(r);
    RecordEditor::store_record(n);
    // Model 4410 keeps the hidden price 2 as loaded, but Erase set it to 0
    // too: the erased record must not hand it on to the next PLU of its slot.
    if (erased_ && !has_price2())
        session().plu.slot(n).set_price(session().codecs, 2, 0);
    next_ = next_plu_number(n, loadedCode, plu_code_value(r), record_count());
    Ordina_Plu();
}

void FrmPrgPlu::Ordina_Plu()
{
    Session& s = session();
    context().ui.set_busy(true);
    guarded(s.log, "FrmPrgPlu Ordina_Plu: ", [&] { tw::Ordina_Plu(s.plu, record_count()); });
    Carica_Griglia();
    context().ui.set_busy(false);
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

void FrmPrgPlu::Export() { csv_.export_table(has_price2()); }

void FrmPrgPlu::Import()
{
    csv_.import_table(has_price2(), record_count(), [this] {
        Carica_Griglia();
        select_number(1);
        load_record(1);
    });
}

}  // namespace tw
