#include "editors/sales/FrmDepartmentProgram.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "app/TextField.h"
#include "app/ui_text.h"
#include "editors/sales/OverviewGrid.h"
#include "editors/sales/choice_labels.h"
#include "editors/sales/department_record.h"

namespace tw {

namespace {
const EditorScreen::Setup kSetup{
    "FrmDepartmentProgram", "FRM_DEPARTMENT_PROGRAM_TITLE", "Department Program", nullptr, nullptr,
};

constexpr ChoiceLabel kStatus1[] = {{"FRM_ALL_POSITIVE", "POSITIVE"}, {"FRM_ALL_NEGATIVE", "NEGATIVE"}};
constexpr ChoiceLabel kStatus2[] = {{"FRM_ALL_NORMAL", "NORMAL"}, {"FRM_ALL_SINGLE", "SINGLE"}};
constexpr ChoiceLabel kHalo[] = {
    {"FRM_ALL_NO_LIMIT", "NO LIMIT"},      {"FRM_ALL_1DIGITS", "(0 - 0.99)"}, {"FRM_ALL_2DIGITS", "(0 - 9.99)"},
    {"FRM_ALL_3DIGITS", "(0 - 99.99)"},    {"FRM_ALL_4DIGITS", "(0 - 999.99)"},
};
constexpr ChoiceLabel kPriceType[] = {{"FRM_ALL_OPEN", "OPEN"}, {"FRM_ALL_NORMAL", "NORMAL"}, {"FRM_ALL_PRESET", "PRESET"}};

struct Column {
    const char* key;
    const char* english;
    int twips;
};
constexpr Column kColumns[] = {
    {"FRM_DEPT_COL_DEPT_MSG", "Dept", 600},
    {"FRM_DEPT_COL_NAME_MSG", "Name", 1600},
    {"FRM_DEPT_COL_STATUS1_MSG", "Status 1", 1140},
    {"FRM_DEPT_COL_STATUS2_MSG", "Status 2", 1100},
    {"FRM_DEPT_COL_DEPT_GROUP_NUMBER_MSG", "Group", 650},
    {"FRM_DEPT_COL_TAX_MSG", "Tax", 1500},
    {"FRM_DEPT_COL_TAKEOUTTAX_MSG", "Take Out Tax", 1500},
    {"FRM_DEPT_COL_HDLO_MSG", "HDLO", 1870},
    {"FRM_DEPT_COL_PRICE_MSG", "Price", 1400},
};

QLabel* make_label(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}
}  // namespace

FrmDepartmentProgram::FrmDepartmentProgram(ScreenContext& context, QWidget* caller)
    : EditorScreen(context, caller, kSetup)
{
    Session& s = session();
    lNumber_ = make_label(this, "L_DepartmentNumber");
    number_ = new ChoiceField(s, "Cmb_DepartmentNumber", this);
    lName_ = make_label(this, "L_DeptName");
    name_ = new TextField("E_DeptName", 0, this);
    lStatus1_ = make_label(this, "L_Status1");
    status1_ = new ChoiceField(s, "Cmb_Status1", this);
    lStatus2_ = make_label(this, "L_Status2");
    status2_ = new ChoiceField(s, "Cmb_Status2", this);
    lGroup_ = make_label(this, "L_DeptGroupNumber");
    group_ = new NumericField(s, "E_DeptGroupNumber", this);
    group_->set_maximum(kMaxGroup);
    group_->set_scale(1, 0, QString());  // a 0 empties on focus
    lGroupMax_ = make_label(this, "L_DeptGroupMax");
    lPrice_ = make_label(this, "L_Price");
    price_ = new NumericField(s, "E_Price", this);
    price_->set_maximum(kMaxPrice);
    price_->set_fixed_decimals(true);
    price_->setAlignment(Qt::AlignRight);
    lPriceMax_ = make_label(this, "L_PriceMax");
    lTax_ = make_label(this, "L_Tax");
    tax_ = new ChoiceField(s, "Cmb_Tax", this);
    lTakeOutTax_ = make_label(this, "L_TakeOutTax");
    takeOutTax_ = new ChoiceField(s, "Cmb_TakeOutTax", this);
    lHalo_ = make_label(this, "L_Halo");
    halo_ = new ChoiceField(s, "Cmb_Halo", this);
    lPriceType_ = make_label(this, "L_PriceType");
    priceType_ = new ChoiceField(s, "Cmb_PriceType", this);
    grid_ = new OverviewGrid("Fg_Department", this);

    auto* fields = new QGridLayout;
    int row = 0;
    fields->addWidget(lNumber_, row, 0);
    fields->addWidget(number_, row++, 1);
    fields->addWidget(lName_, row, 0);
    fields->addWidget(name_, row++, 1);
    fields->addWidget(lStatus1_, row, 0);
    fields->addWidget(status1_, row, 1);
    fields->addWidget(lStatus2_, row, 2);
    fields->addWidget(status2_, row++, 3);
    fields->addWidget(lGroup_, row, 0);
    fields->addWidget(group_, row, 1);
    fields->addWidget(lGroupMax_, row++, 2);
    fields->addWidget(lPrice_, row, 0);
    fields->addWidget(price_, row, 1);
    fields->addWidget(lPriceMax_, row++, 2);
    fields->addWidget(lTax_, row, 0);
    fields->addWidget(tax_, row, 1);
    fields->addWidget(lTakeOutTax_, row, 2);
    fields->addWidget(takeOutTax_, row++, 3);
    fields->addWidget(lHalo_, row, 0);
    fields->addWidget(halo_, row, 1);
    fields->addWidget(lPriceType_, row, 2);
    fields->addWidget(priceType_, row++, 3);
    body()->addLayout(fields);
    grid_->setMinimumSize(760, 300);
    body()->addWidget(grid_);

    connect(number_, &QComboBox::activated, this, [this] { choose_number(chosen_number()); });
    connect(grid_, &OverviewGrid::row_chosen, this, &FrmDepartmentProgram::choose_row);
}

void FrmDepartmentProgram::prepare_fields()
{
    lNumber_->setText(text("FRM_DEPARTMENT_PROGRAM_L_DEPARTMENT_NUMBER", "Department Number:"));
    lName_->setText(text("FRM_DEPARTMENT_PROGRAM_L_DEPT_NAME", "Department Name:"));
    lStatus1_->setText(text("FRM_DEPARTMENT_PROGRAM_L_STATUS1", "Status 1"));
    lStatus2_->setText(text("FRM_DEPARTMENT_PROGRAM_L_STATUS2", "Status 2"));
    lGroup_->setText(text("FRM_DEPARTMENT_PROGRAM_L_DEPT_GROUP_NUMBER", "Dept Group Number"));
    lGroupMax_->setText(text("FRM_DEPARTMENT_PROGRAM_L_DEPT_GROUP_MAX", "(Max Value 10)"));
    lPrice_->setText(text("FRM_DEPARTMENT_PROGRAM_L_PRICE", "Price :"));
    lPriceMax_->setText(text("FRM_DEPARTMENT_PROGRAM_L_PRICE_MAX", "(Max Value 9999999)"));
    lTax_->setText(text("FRM_DEPARTMENT_PROGRAM_L_TAX", "TAX"));
    lTakeOutTax_->setText(text("FRM_DEPARTMENT_PROGRAM_L_TAKE_OUT_TAX", "Take Out Tax"));
    lHalo_->setText(text("FRM_DEPARTMENT_PROGRAM_L_HALO", "HDLO"));
    lPriceType_->setText(text("FRM_DEPT_PRICE_TYPE_MSG", "Price Type"));

    const Session& s = session();
    status1Texts_ = choice_texts(s, kStatus1);
    status2Texts_ = choice_texts(s, kStatus2);
    taxTexts_ = choice_texts(s, kTaxChoices);
    haloTexts_ = choice_texts(s, kHalo);
    priceTypeTexts_ = choice_texts(s, kPriceType);
    status1_->set_choices(status1Texts_);
    status2_->set_choices(status2Texts_);
    tax_->set_choices(taxTexts_);
    takeOutTax_->set_choices(taxTexts_);
    halo_->set_choices(haloTexts_);
    priceType_->set_choices(priceTypeTexts_);

    decimals_ = std::clamp(s.DecimalPosition, 0, 8);
    price_->set_scale(price_scale(decimals_), decimals_, QString());

    QStringList headers;
    std::vector<int> widths;
    for (const Column& c : kColumns) {
        headers << text(c.key, c.english);
        widths.push_back(c.twips);
    }
    grid_->rows().set_headers(headers);
    grid_->set_column_twips(widths);
}

void FrmDepartmentProgram::load_fields()
{
    Carica_Griglia();
    number_->setCurrentIndex(0);
    group_->show_value(0);
    price_->show_value(0);
    Carica_Department(1);
}

void FrmDepartmentProgram::Carica_Griglia()
{
    handle("Carica_Griglia", [&] {
        const Session& s = session();
        number_->clear();
        std::vector<QStringList> rows;
        rows.reserve(dept::kCount);
        QStringList numbers;
        for (int n = 1; n <= dept::kCount; ++n) {
            numbers << QString::number(n);
            const DepartmentFields f = load_department(s.image, s.codecs, n);
            rows.push_back({QString::number(n), to_qt(f.name), label_after_space(status1Texts_, f.status1),
                            label_after_space(status2Texts_, f.status2), QString::number(f.group),
                            label_after_space(taxTexts_, f.tax), label_after_space(taxTexts_, f.takeOutTax),
                            label_after_space(haloTexts_, f.hdlo), price_text(f.price, decimals_)});
        }
        number_->addItems(numbers);
        grid_->rows().set_rows(std::move(rows));
        grid_->rows().set_highlight(loaded_ - 1);
    });
}

void FrmDepartmentProgram::Carica_Department(int n)
{
    handle("Carica_Department", [&] {
        const Session& s = session();
        const DepartmentFields f = load_department(s.image, s.codecs, n);
        grid_->rows().set_highlight(n - 1);
        grid_->follow_number(n);
        loaded_ = n;
        name_->set_core_text(f.name);
        // A stored value without a choice leaves the field empty; a save
        // then stores 0 for it.
        status1_->select_number(f.status1);
        status2_->select_number(f.status2);
        halo_->select_number(f.hdlo);
        group_->show_value(f.group);
        tax_->select_number(f.tax);
        takeOutTax_->select_number(f.takeOutTax);
        price_->show_value(f.price);
        priceType_->select_number(f.priceType);
    });
}

int FrmDepartmentProgram::chosen_number() const { return number_->currentText().toInt(); }

void FrmDepartmentProgram::choose_number(int n)
{
    if (n < 1 || n > dept::kCount)
        return;
    Carica_Department(n);
    grid_->scroll_to_number(n);
}

void FrmDepartmentProgram::choose_row(int n)
{
    if (n < 1 || n > dept::kCount)
        return;
    number_->setCurrentIndex(n - 1);
    Carica_Department(n);
}

void FrmDepartmentProgram::save_fields()
{
    Session& s = session();
    const int n = chosen_number();
    DepartmentFields f;
    f.name = name_->core_text();
    f.status1 = status1_->number();
    f.status2 = status2_->number();
    f.hdlo = halo_->number();
    f.group = int(group_->value());
    f.tax = tax_->number();
    f.takeOutTax = takeOutTax_->number();
    f.priceType = priceType_->number();
    f.price = price_->value();
    store_department(s.image, s.codecs, n, f);
    saved_ = n;
}

void FrmDepartmentProgram::after_save()
{
    Carica_Griglia();
    const int next = next_department(saved_);
    number_->setCurrentIndex(next - 1);
    Carica_Department(next);
    grid_->scrollTo(grid_->rows().index(next - 1, 0));
}

}  // namespace tw
