// The department editor: its grid, its fields and the order of its Save.
#include <QLineEdit>
#include <QLocale>
#include <QTableView>

#include <gtest/gtest.h>

#include "app/ChoiceField.h"
#include "app/NumericField.h"
#include "editors/sales/FrmDepartmentProgram.h"
#include "editors/common/OverviewGrid.h"
#include "editors/sales/department_record.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

class DepartmentEditor : public testing::Test {
protected:
    TempDir root;
    UiHarness h{root.str()};
    Session& s = h.session;
    std::unique_ptr<FrmDepartmentProgram> screen;

    DepartmentEditor()
    {
        s.ModelCode = 1;
        s.DecimalPosition = 2;
        for (int n = 1; n <= dept::kCount; ++n) {
            DepartmentFields f;
            f.name = "DEPT " + std::to_string(n);
            f.group = n % 11;
            f.tax = n % 5;
            f.price = n * 100;
            store_department(s.image, s.codecs, n, f);
        }
    }
    ~DepartmentEditor() override
    {
        screen.reset();
        UiHarness::flush_deletions();
    }

    void open()
    {
        screen = std::make_unique<FrmDepartmentProgram>(h.context, nullptr);
        screen->load();
        screen->show();
    }
    template <class T = QWidget>
    T* field(const char* name) { return control<T>(screen.get(), name); }
    QString cell(int row, int column) { return screen->grid()->rows().cell(row - 1, column); }
    QColor background(int row, int column)
    {
        auto& m = screen->grid()->rows();
        return m.data(m.index(row - 1, column), Qt::BackgroundRole).value<QColor>();
    }
    void choose_number(int n)
    {
        auto* number = field<ChoiceField>("Cmb_DepartmentNumber");
        number->setCurrentIndex(n - 1);
        Q_EMIT number->activated(n - 1);
    }
    void save() { QTest::mouseClick(field("C_Salva"), Qt::LeftButton); }
    void type_into(const char* name, const QString& keys)
    {
        auto* f = field<QLineEdit>(name);
        focus(f);
        f->selectAll();
        QTest::keyClicks(f, keys);
    }
    std::uint8_t byte(int n, std::size_t field) { return s.image.byte(dept::offset_of(n) + field); }
};

TEST_F(DepartmentEditor, OpensWithTheGridOfAllDepartmentsAndTheFirstLoaded)
{
    const std::size_t d7 = dept::offset_of(7);
    s.image.set_byte(d7 + dept::kStatus, 0b0010'1011);  // HDLO 2, negative, single
    s.image.set_byte(d7 + dept::kTakeOutTax, 9);         // no such choice
    s.image.set_byte(dept::offset_of(8) + dept::kStatus, 0b0111'0000);  // HDLO 7: no such choice
    open();

    auto& rows = screen->grid()->rows();
    ASSERT_EQ(rows.rowCount(), 99);
    ASSERT_EQ(rows.columnCount(), 9);
    const QStringList headers = {"Dept", "Name", "Status 1", "Status 2", "Group", "Tax", "Take Out Tax", "HDLO", "Price"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(rows.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);
    EXPECT_EQ(screen->windowTitle(), "Department Program");

    const QStringList row7 = {"7", "DEPT 7      ", "NEGATIVE", "SINGLE", "7", "TAX2 TAXABLE", "", "(0 - 9.99)", "7.00"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(cell(7, c), row7[c]) << c;
    EXPECT_EQ(cell(8, 7), "");
    EXPECT_EQ(cell(1, 2), "POSITIVE");
    EXPECT_EQ(cell(1, 5), "TAX1 TAXABLE");
    EXPECT_EQ(cell(99, 8), "99.00");

    EXPECT_EQ(field<ChoiceField>("Cmb_DepartmentNumber")->count(), 99);
    EXPECT_EQ(field<ChoiceField>("Cmb_DepartmentNumber")->currentText(), "1");
    EXPECT_EQ(field<QLineEdit>("E_DeptName")->text(), "DEPT 1      ");
    EXPECT_EQ(field<ChoiceField>("Cmb_Status1")->currentText(), "0. POSITIVE");
    EXPECT_EQ(field<ChoiceField>("Cmb_Halo")->currentText(), "0. NO LIMIT");
    EXPECT_EQ(field<ChoiceField>("Cmb_Tax")->currentText(), "1. TAX1 TAXABLE");
    EXPECT_EQ(field<ChoiceField>("Cmb_PriceType")->currentText(), "0. OPEN");
    EXPECT_EQ(field<QLineEdit>("E_Price")->text(), "1.00");
    EXPECT_EQ(field<QLineEdit>("E_DeptGroupNumber")->text(), "1");

    EXPECT_EQ(background(1, 0), QColor(Qt::white));
    for (int c = 1; c < 9; ++c)
        EXPECT_EQ(background(1, c), QColor(0, 255, 255)) << c;
    EXPECT_EQ(background(2, 1), QColor(Qt::white));
}

TEST_F(DepartmentEditor, ChoosingANumberOrARowLoadsThatDepartment)
{
    const std::size_t d7 = dept::offset_of(7);
    s.image.set_byte(d7 + dept::kTakeOutTax, 9);
    open();
    choose_number(7);
    EXPECT_EQ(screen->loaded_record(), 7);
    EXPECT_EQ(field<QLineEdit>("E_DeptName")->text(), "DEPT 7      ");
    EXPECT_EQ(field<ChoiceField>("Cmb_TakeOutTax")->currentIndex(), -1) << "no choice for class 9";
    EXPECT_EQ(screen->grid()->top_number(), 7);
    EXPECT_EQ(background(7, 1), QColor(0, 255, 255));
    EXPECT_EQ(background(1, 1), QColor(Qt::white));

    // A click on another row of the grid.
    OverviewGrid* grid = screen->grid();
    const QRect r = grid->visualRect(grid->rows().index(8 - 1, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(screen->loaded_record(), 8);
    EXPECT_EQ(field<ChoiceField>("Cmb_DepartmentNumber")->currentText(), "8");
    EXPECT_EQ(field<QLineEdit>("E_Price")->text(), "8.00");
    // and the keyboard
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(screen->loaded_record(), 9);
}

TEST_F(DepartmentEditor, SaveWritesTheDepartmentAndTheFileAndMovesOn)
{
    const std::size_t d5 = dept::offset_of(5);
    s.image.set_byte(d5 + dept::kStatus, 0b0000'0100);     // bit 2 set, bit 3 clear
    s.image.set_byte(d5 + dept::kPriceType, 0b1010'1100);  // unused bits
    s.image.set_byte(d5 + dept::kUnused14, 0x5A);
    open();
    choose_number(5);

    auto* name = field<QLineEdit>("E_DeptName");
    name->setText("FRUIT AND VEGETABLES");
    field<ChoiceField>("Cmb_Status1")->setCurrentIndex(1);
    field<ChoiceField>("Cmb_Halo")->setCurrentIndex(4);
    field<ChoiceField>("Cmb_PriceType")->setCurrentIndex(2);
    field<ChoiceField>("Cmb_Tax")->setCurrentIndex(3);
    type_into("E_DeptGroupNumber", "10");
    type_into("E_Price", "1250");
    save();

    EXPECT_EQ(s.image.text(s.codecs, d5, 12), "FRUIT AND VE");
    EXPECT_EQ(byte(5, dept::kStatus), 0b0100'1101);
    EXPECT_EQ(byte(5, dept::kPriceType), 0b1010'1110);
    EXPECT_EQ(byte(5, dept::kUnused14), 0x5A);
    EXPECT_EQ(byte(5, dept::kGroup), 10);
    EXPECT_EQ(byte(5, dept::kTax), 3);
    EXPECT_EQ(s.image.bcd(s.codecs, d5 + dept::kPrice, 4), "1250");
    EXPECT_EQ(read_bytes(h.dirs.DataDir + "PRG_MODE.BIN"), Bytes(s.image.bytes.begin(), s.image.bytes.end()));

    // the grid is rebuilt and the next department is loaded
    EXPECT_EQ(cell(5, 1), "FRUIT AND VE");
    EXPECT_EQ(cell(5, 2), "NEGATIVE");
    EXPECT_EQ(cell(5, 7), "(0 - 999.99)");
    EXPECT_EQ(cell(5, 8), "12.50");
    EXPECT_EQ(screen->loaded_record(), 6);
    EXPECT_EQ(field<ChoiceField>("Cmb_DepartmentNumber")->currentText(), "6");
    EXPECT_EQ(name->text(), "DEPT 6      ");
    EXPECT_TRUE(h.effects.boxes.empty());

    // and shows the saved one again as saved
    choose_number(5);
    EXPECT_EQ(field<ChoiceField>("Cmb_PriceType")->currentText(), "2. PRESET");
    EXPECT_EQ(field<QLineEdit>("E_Price")->text(), "12.50");
}

TEST_F(DepartmentEditor, SavingTheLastDepartmentsMovesOnlyBelow98)
{
    open();
    for (auto [n, next] : {std::pair{97, 98}, {98, 98}, {99, 99}}) {
        choose_number(n);
        save();
        EXPECT_EQ(screen->loaded_record(), next) << n;
        EXPECT_EQ(field<ChoiceField>("Cmb_DepartmentNumber")->currentText().toInt(), next) << n;
    }
}

TEST_F(DepartmentEditor, AStoredValueWithoutAChoiceIsSavedAsZero)
{
    const std::size_t d3 = dept::offset_of(3);
    s.image.set_byte(d3 + dept::kStatus, 0b1001'0000);  // HDLO 9
    s.image.set_byte(d3 + dept::kTax, 7);
    s.image.set_byte(d3 + dept::kPriceType, 0x03);
    open();
    choose_number(3);
    EXPECT_EQ(field<ChoiceField>("Cmb_Halo")->currentIndex(), -1);
    EXPECT_EQ(field<ChoiceField>("Cmb_Tax")->currentIndex(), -1);
    EXPECT_EQ(field<ChoiceField>("Cmb_PriceType")->currentIndex(), -1);
    save();
    EXPECT_EQ(byte(3, dept::kStatus), 0b0000'1000);
    EXPECT_EQ(byte(3, dept::kTax), 0);
    EXPECT_EQ(byte(3, dept::kPriceType), 0);
}

TEST_F(DepartmentEditor, PriceAndGroupFollowTheFocusRulesAndTheirMaximum)
{
    const std::uint8_t price[4] = {0x00, 0x50, 0x12, 0x00};
    for (std::size_t i = 0; i < 4; ++i)
        s.image.set_byte(dept::offset_of(1) + dept::kPrice + i, price[i]);
    open();
    auto* e = field<QLineEdit>("E_Price");
    EXPECT_EQ(e->text(), "1250.00");
    focus(e);
    EXPECT_EQ(e->text(), "125000");
    QTest::keyClick(e, Qt::Key_End);
    QTest::keyClicks(e, "9x");
    EXPECT_EQ(e->text(), "1250009") << "a letter is dropped";
    QTest::keyClicks(e, "9");
    EXPECT_EQ(e->text(), "1250009") << "above 9999999";
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Value insert to high!");
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Error);

    auto* group = field<QLineEdit>("E_DeptGroupNumber");
    focus(group);
    EXPECT_EQ(e->text(), "12500.09");
    group->selectAll();
    QTest::keyClicks(group, "11");
    EXPECT_EQ(group->text(), "1");
    EXPECT_EQ(h.effects.boxes.size(), 2u);

    // Without decimals the price is a plain whole number; 0 empties on focus.
    s.DecimalPosition = 0;
    s.image.set_bcd(s.codecs, dept::offset_of(3) + dept::kPrice, 4, 0LL);
    screen.reset();
    open();
    e = field<QLineEdit>("E_Price");
    EXPECT_EQ(e->text(), "125000");
    EXPECT_EQ(cell(2, 8), "200");
    choose_number(3);
    EXPECT_EQ(e->text(), "0");
    focus(e);
    EXPECT_EQ(e->text(), "");
    focus(field("E_DeptName"));
    EXPECT_EQ(e->text(), "0");
}

// A stored name fills its 12 characters with spaces; the user can still
// type into it (the register keeps the first 12 characters).
TEST_F(DepartmentEditor, ANameWithTrailingSpacesTakesTypedCharacters)
{
    open();
    auto* name = field<QLineEdit>("E_DeptName");
    focus(name);
    name->setCursorPosition(6);
    QTest::keyClicks(name, "0");
    focus(field("E_Price"));
    EXPECT_EQ(name->text(), "DEPT 10     ") << "shown with its spaces again";
    EXPECT_EQ(h.effects.beeps, 0);
    save();
    EXPECT_EQ(s.image.text(s.codecs, dept::offset_of(1), 12), "DEPT 10     ");
    EXPECT_EQ(cell(1, 1), "DEPT 10     ");
}

// Where the user's number format writes its own digits (Arabic-Indic,
// Persian), a whole number shown in that form still reads back as itself:
// saving an untouched department keeps its group and price, and focus shows
// the stored integer.
TEST_F(DepartmentEditor, NativeDigitsOfTheNumberFormatReadBackAsTheStoredNumber)
{
    struct LocaleGuard {
        QLocale previous;
        ~LocaleGuard() { QLocale::setDefault(previous); }
    } restore{QLocale()};
    s.DecimalPosition = 0;
    for (const char* name : {"ar_EG", "fa_IR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        const auto before = std::vector<std::uint8_t>(s.image.bytes.begin(), s.image.bytes.end());
        open();
        choose_number(7);
        auto* group = field<QLineEdit>("E_DeptGroupNumber");
        focus(group);
        EXPECT_EQ(group->text(), "7") << name;
        focus(field("E_DeptName"));
        save();
        EXPECT_EQ(byte(7, dept::kGroup), 7) << name;
        EXPECT_EQ(s.image.bcd(s.codecs, dept::offset_of(7) + dept::kPrice, 4), "700") << name;
        for (std::size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(s.image.bytes[i], before[i]) << name << " byte " << i;
        screen.reset();
    }
}

TEST_F(DepartmentEditor, BackDropsTheEdits)
{
    open();
    field<QLineEdit>("E_DeptName")->setText("CHANGED");
    QTest::mouseClick(field("C_Annulla"), Qt::LeftButton);
    EXPECT_EQ(s.image.text(s.codecs, dept::offset_of(1), 12), "DEPT 1      ");
    screen.reset();
    open();
    EXPECT_EQ(field<QLineEdit>("E_DeptName")->text(), "DEPT 1      ");
}

}  // namespace
}  // namespace tw::test
