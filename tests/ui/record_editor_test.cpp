// The record editor's own rules, on a small editor of three 6-byte records:
// where described fields stand, Enter on a field that saves, and a grid
// column the model lacks.
#include <QGridLayout>
#include <QPushButton>

#include <gtest/gtest.h>

#include "editors/common/OverviewGrid.h"
#include "editors/common/RecordEditor.h"
#include "editors/common/choice_sets.h"
#include "editor_fixture.h"

namespace tw::test {
namespace {

constexpr Field kFields[] = {
    {.name = "E_Code", .label = "Code", .place = bcd_at(0, 2), .hint = {"L_CodeMax", nullptr, "(Max 9999)"},
     .ownRow = true},
    {"Cmb_Kind", nullptr, "Kind", bits_at(2, 0, 2), kYesNo},
    {.name = "E_Price", .label = "Price", .place = bcd_at(3, 2), .number = {.enterToSave = true}},
    {.name = "E_Extra", .label = "Extra", .place = byte_at(5), .on4410 = On4410::Kept},
    {.name = "E_Note", .label = "Note", .place = byte_at(5), .ownRow = true},
};

constexpr GridColumn kColumns[] = {
    {nullptr, "N", 500},
    {nullptr, "Code", 800, "E_Code"},
    {nullptr, "Extra", 800, "E_Extra", On4410::Hidden},
};

const RecordSetup kSetup{
    {"FrmSmall", nullptr, "Small", nullptr, nullptr}, "Cmb_SmallNumber", nullptr, "Number:", "Fg_Small",
    "Carica_Small", kColumns, kFields,
};

class SmallEditor : public RecordEditor {
public:
    SmallEditor(ScreenContext& context, QWidget* caller) : RecordEditor(context, caller, kSetup)
    {
        for (int n = 0; n < 3; ++n)
            records_[std::size_t(n)] = {std::uint8_t(0x10 * (n + 1)), 0, 1, 0, 0, std::uint8_t(7 + n)};
    }

protected:
    int record_count() const override { return 3; }
    int next_record(int saved) const override { return saved; }
    std::span<std::uint8_t> record_bytes(int n) override { return records_[std::size_t(n - 1)]; }

private:
    std::array<std::array<std::uint8_t, 6>, 3> records_{};
};

class SmallRecordEditor : public EditorFixture {
protected:
    SmallEditor& open_small(int model)
    {
        s.ModelCode = model;
        return open<SmallEditor>();
    }
    // The row and column where a control stands in the field grid.
    std::pair<int, int> place_of(const char* name) const
    {
        QWidget* w = field(name);
        auto* grid = screen()->findChild<QGridLayout*>();
        int row = -1, column = -1, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(w), &row, &column, &rows, &columns);
        return {row, column};
    }
};

TEST_F(SmallRecordEditor, FieldsOfTheirOwnRowStandAloneAndTheOthersInPairs)
{
    open_small(1);
    const std::pair<int, int> expected[] = {{1, 1}, {1, 2}, {2, 1}, {2, 4}, {3, 1}, {4, 1}};
    const char* names[] = {"E_Code", "L_CodeMax", "Cmb_Kind", "E_Price", "E_Extra", "E_Note"};
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(place_of(names[i]), expected[i]) << names[i];
    auto* grid = screen()->findChild<QGridLayout*>();
    int row, column, rows, columns;
    grid->getItemPosition(grid->indexOf(field("L_CodeMax")), &row, &column, &rows, &columns);
    EXPECT_EQ(columns, 4) << "the hint of a field of its own row takes the rest of the row";
}

TEST_F(SmallRecordEditor, EnterOnASavingFieldMovesTheFocusToSave)
{
    open_small(1);
    auto* price = field<QLineEdit>("E_Price");
    focus(price);
    QTest::keyClick(price, Qt::Key_Return);
    EXPECT_TRUE(field<QPushButton>("C_Salva")->hasFocus());
    auto* code = field<QLineEdit>("E_Code");
    focus(code);
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_TRUE(code->hasFocus()) << "a field without the rule keeps the focus";
}

TEST_F(SmallRecordEditor, AColumnTheModelLacksHoldsNoValues)
{
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        SmallEditor& e = open_small(model);
        auto& rows = e.grid()->rows();
        EXPECT_EQ(rows.cell(1, 1), "20");
        EXPECT_EQ(rows.cell(1, 2), model == 1 ? "8" : "");
        EXPECT_EQ(rows.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), model == 1 ? "Extra" : "");
        EXPECT_EQ(e.grid()->isColumnHidden(2), model == 0);
    }
}

}  // namespace
}  // namespace tw::test
