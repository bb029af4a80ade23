// The PLU editor: its grid, Save with the sort, Erase, the model 4410
// price 2 and the CSV exchange through the screen.
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/ChoiceField.h"
#include "editors/sales/FrmPrgPlu.h"
#include "editors/common/OverviewGrid.h"
#include "editors/sales/plu_csv.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

// A PLU whose other fields tell which code it was made with.
PluRecord tagged(const Codecs& c, long long code)
{
    PluRecord r = PluRecord::free_slot();
    r.set_code(c, code);
    r.set_name(c, "ITEM " + std::to_string(code));
    r.set_status(0x24);  // bits 2 and 5 travel with the record
    r.set_price_type(2);
    r.bytes[plu::kDepartmentOffset] = 0x12;
    r.set_tax_class(3);
    r.set_take_out_tax_class(4);
    r.set_price(c, 1, code * 10);
    r.set_price(c, 2, code * 10 + 1);
    return r;
}

class PluEditor : public testing::Test {
protected:
    TempDir root;
    UiHarness h{root.str()};
    Session& s = h.session;
    std::unique_ptr<FrmPrgPlu> screen;

    ~PluEditor() override
    {
        screen.reset();
        UiHarness::flush_deletions();
    }

    void use_model(int modelCode)
    {
        s.ModelCode = modelCode;
        s.PluCapacity = modelCode == 1 ? 1500 : 2000;
        s.DecimalPosition = 2;
    }
    void fill(const std::vector<long long>& codes)
    {
        s.plu.clear();
        for (std::size_t i = 0; i < codes.size(); ++i)
            s.plu.slot(int(i) + 1) = tagged(s.codecs, codes[i]);
        s.plu.PluCount = int(codes.size());
    }
    void open()
    {
        screen = std::make_unique<FrmPrgPlu>(h.context, nullptr);
        screen->load();
        screen->show();
    }
    template <class T = QWidget>
    T* field(const char* name) { return control<T>(screen.get(), name); }
    QString cell(int row, int column) { return screen->grid()->rows().cell(row - 1, column); }
    void choose_number(int n)
    {
        auto* number = field<ChoiceField>("Cmb_PluNumber");
        number->setCurrentIndex(n - 1);
        Q_EMIT number->activated(n - 1);
    }
    void type_into(const char* name, const QString& keys)
    {
        auto* f = field<QLineEdit>(name);
        focus(f);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, keys);
        focus(field("Cmb_PluNumber"));  // the focus leaves the field
    }
    void press(const char* button) { QTest::mouseClick(field(button), Qt::LeftButton); }
    std::vector<std::string> codes(int slots)
    {
        std::vector<std::string> out;
        for (int n = 1; n <= slots; ++n)
            out.push_back(s.plu.slot(n).code(s.codecs));
        return out;
    }
    Bytes saved_file() const { return read_bytes(fs::path(h.dirs.DataDir) / "PRG_PLU.BIN"); }
    Bytes expected_file() const
    {
        std::string note;
        return encode_plu_file(s.plu, note);
    }
};

TEST_F(PluEditor, OpensWithAGridOfEverySlotAndTheModelsPriceColumns)
{
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        use_model(model);
        fill({10, 20});
        open();
        auto& rows = screen->grid()->rows();
        ASSERT_EQ(rows.rowCount(), s.PluCapacity);
        EXPECT_EQ(field<ChoiceField>("Cmb_PluNumber")->count(), s.PluCapacity);
        const QStringList row2 = {"2", "20", "ITEM 20         ", "preset", "12", "3. tax3 taxable", "4. tax4 taxable",
                                  "2.00", model == 1 ? "2.01" : ""};
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(cell(2, c), row2[c]) << c;
        EXPECT_EQ(cell(3, 1), "0");
        EXPECT_EQ(cell(3, 3), "open") << "the grid shows the table as it was when built";
        EXPECT_EQ(screen->grid()->isColumnHidden(8), model == 0);
        EXPECT_EQ(rows.headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(), model == 1 ? "Price 2" : "");
        EXPECT_EQ(field("E_Price2")->isVisible(), model == 1);
        EXPECT_EQ(field("L_Price2")->isVisible(), model == 1);
        EXPECT_EQ(field<QLineEdit>("E_FreeCode")->text(), "10");
        EXPECT_EQ(field<QLineEdit>("E_Name")->text(), "ITEM 10         ");
        EXPECT_EQ(field<QLineEdit>("E_Price1")->text(), "1.00");
        EXPECT_EQ(field<ChoiceField>("Cmb_Status")->currentText(), "2. PRESET");
        EXPECT_EQ(field<ChoiceField>("Cmb_LinkDept")->currentText(), "12");
        EXPECT_EQ(field<ChoiceField>("Cmb_Tax")->currentText(), "3. TAX3 TAXABLE");
        screen.reset();
    }
}

TEST_F(PluEditor, AFreeSlotShowsCodeZeroAsANormalPlu)
{
    use_model(1);
    fill({10, 20});
    open();
    choose_number(3);
    EXPECT_EQ(field<QLineEdit>("E_FreeCode")->text(), "0");
    EXPECT_EQ(field<ChoiceField>("Cmb_Status")->currentText(), "1. NORMAL");
    EXPECT_EQ(field<ChoiceField>("Cmb_LinkDept")->currentText(), "0");
    EXPECT_EQ(s.plu.slot(3).price_type(), 1) << "marked normal in memory";
    EXPECT_EQ(screen->grid()->top_number(), 3);
}

// After an import of fewer lines than the table held, the later slots keep
// their PLUs beyond the count: showing one must not turn it into a normal PLU.
TEST_F(PluEditor, APluBeyondTheCountKeepsItsPriceTypeWhenShown)
{
    use_model(1);
    fill({10, 20, 30, 40});
    s.plu.PluCount = 2;
    open();
    choose_number(3);
    EXPECT_EQ(field<QLineEdit>("E_FreeCode")->text(), "30");
    EXPECT_EQ(field<ChoiceField>("Cmb_Status")->currentText(), "2. PRESET");
    EXPECT_EQ(s.plu.slot(3).bytes, tagged(s.codecs, 30).bytes);
    choose_number(5);
    EXPECT_EQ(s.plu.slot(5).price_type(), 1) << "a free slot still starts as normal";
}

struct SaveCase {
    const char* what;
    std::vector<long long> before;
    int number;
    const char* code;
    std::vector<std::string> after;
    int count;
    int shown;
    const char* shownCode;
};

class PluSave : public PluEditor, public testing::WithParamInterface<SaveCase> {};

TEST_P(PluSave, SortsWritesAndShowsTheDecidedNumber)
{
    const SaveCase& k = GetParam();
    use_model(1);
    fill(k.before);
    open();
    choose_number(k.number);
    type_into("E_FreeCode", k.code);
    press("C_Salva");

    EXPECT_EQ(codes(int(k.after.size())), k.after);
    EXPECT_EQ(s.plu.PluCount, k.count);
    EXPECT_EQ(saved_file(), expected_file());
    EXPECT_EQ(saved_file().size(), 2u + 36u * std::size_t(k.count));
    EXPECT_EQ(screen->loaded_record(), k.shown);
    EXPECT_EQ(field<ChoiceField>("Cmb_PluNumber")->currentText().toInt(), k.shown);
    EXPECT_EQ(field<QLineEdit>("E_FreeCode")->text(), k.shownCode);
    for (int n = 1; n <= s.plu.PluCount; ++n) {
        EXPECT_EQ(cell(n, 1).toStdString(), k.after[std::size_t(n - 1)]) << "the grid is rebuilt";
        const long long code = std::stoll(s.plu.slot(n).code(s.codecs));
        if (code != std::atoll(k.code)) {
            EXPECT_EQ(s.plu.slot(n).bytes, tagged(s.codecs, code).bytes) << "record " << n << " moved whole";
        }
    }
    EXPECT_TRUE(h.effects.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PluSave,
    testing::Values(
        SaveCase{"smaller code of the last PLU", {10, 20, 30}, 3, "15", {"10", "15", "20", "0"}, 3, 4, "0"},
        SaveCase{"greater code of the first PLU", {10, 20, 30}, 1, "25", {"20", "25", "30", "0"}, 3, 1, "20"},
        SaveCase{"new PLU between two", {100, 900}, 3, "500", {"100", "500", "900", "0"}, 3, 4, "0"},
        SaveCase{"erase in the middle", {10, 20, 30, 40}, 2, "0", {"10", "30", "40", "0"}, 3, 3, "40"},
        SaveCase{"codes compare as numbers", {9, 50}, 1, "10", {"10", "50"}, 2, 1, "10"},
        SaveCase{"empty code is code 0", {10, 20}, 1, "", {"20", "0"}, 1, 2, "0"}),
    case_name<SaveCase>);

TEST_F(PluEditor, SaveStoresEveryFieldAndThePriceBits)
{
    use_model(1);
    fill({10, 20});
    open();
    choose_number(2);
    auto* name = field<QLineEdit>("E_Name");
    focus(name);
    EXPECT_EQ(name->text(), "ITEM 20") << "trailing spaces go while editing";
    EXPECT_EQ(name->cursorPosition(), 7);
    name->insert(QString::fromUtf8("\xC3\xA9"));  // é
    field<ChoiceField>("Cmb_Status")->setCurrentIndex(0);
    field<ChoiceField>("Cmb_LinkDept")->setCurrentIndex(45);
    field<ChoiceField>("Cmb_Tax")->setCurrentIndex(1);
    field<ChoiceField>("Cmb_TakeOutTax")->setCurrentIndex(0);
    type_into("E_Price1", "0");
    EXPECT_EQ(name->text(), QString::fromUtf8("ITEM 20é        ")) << "padded again when the focus leaves";
    type_into("E_Price2", "1234");
    press("C_Salva");

    const PluRecord& r = s.plu.slot(2);
    EXPECT_EQ(r.name(s.codecs), "ITEM 20\xE9        ");
    EXPECT_EQ(r.bytes[plu::kNameOffset + 7], 240);
    EXPECT_EQ(r.price_type(), 0);
    EXPECT_EQ(r.bytes[plu::kDepartmentOffset], 0x45);
    EXPECT_EQ(r.tax_class(), 1);
    EXPECT_EQ(r.take_out_tax_class(), 0);
    EXPECT_EQ(r.price(s.codecs, 1), "0");
    EXPECT_EQ(r.price(s.codecs, 2), "1234");
    EXPECT_EQ(r.status(), 0x24 | 0x80) << "price 1 of 0 clears bit 6; bits 2 to 5 stay";
    EXPECT_EQ(cell(2, 7), "0.00");
    EXPECT_EQ(cell(2, 8), "12.34");
}

TEST_F(PluEditor, Model4410KeepsPriceTwoAndItsBit)
{
    use_model(0);
    fill({10, 20, 30});
    s.plu.slot(1).set_status(std::uint8_t(s.plu.slot(1).status() & ~0x80));  // bit 7 off with a price 2
    open();
    type_into("E_Price1", "777");
    press("C_Salva");
    EXPECT_EQ(s.plu.slot(1).price(s.codecs, 1), "777");
    EXPECT_EQ(s.plu.slot(1).price(s.codecs, 2), "101");
    EXPECT_FALSE(s.plu.slot(1).status() & 0x80);
    EXPECT_TRUE(s.plu.slot(1).status() & 0x40);
}

TEST_F(PluEditor, EraseClearsTheFieldsAndSaveRemovesThePlu)
{
    use_model(1);
    fill({10, 20, 30});
    open();
    choose_number(2);
    press("C_Erase");
    EXPECT_EQ(field<QLineEdit>("E_FreeCode")->text(), "0");
    EXPECT_EQ(field<QLineEdit>("E_Name")->text(), "");
    EXPECT_EQ(field<QLineEdit>("E_Price1")->text(), "0.00");
    EXPECT_EQ(field<ChoiceField>("Cmb_LinkDept")->currentText(), "0");
    EXPECT_EQ(field<ChoiceField>("Cmb_Status")->currentText(), "1. NORMAL");
    EXPECT_EQ(field<ChoiceField>("Cmb_Tax")->currentText(), "0. NON TAXABLE");
    EXPECT_EQ(s.plu.slot(2).code(s.codecs), "20") << "nothing changes before Save";
    press("C_Salva");
    EXPECT_EQ(codes(3), (std::vector<std::string>{"10", "30", "0"}));
    EXPECT_EQ(s.plu.PluCount, 2);
    EXPECT_EQ(saved_file(), expected_file());
}

// Erase sets the hidden price 2 to 0 as well: the erased record, now a free
// slot, hands no price 2 on to the next PLU made in it.
TEST_F(PluEditor, Model4410EraseClearsPriceTwoOfTheErasedRecord)
{
    use_model(0);
    fill({10, 20, 30});
    open();
    choose_number(2);
    press("C_Erase");
    press("C_Salva");
    ASSERT_EQ(codes(3), (std::vector<std::string>{"10", "30", "0"}));
    EXPECT_EQ(s.plu.slot(3).price(s.codecs, 2), "0");
    EXPECT_FALSE(s.plu.slot(3).status() & 0x80);

    choose_number(3);
    type_into("E_FreeCode", "50");
    press("C_Salva");
    EXPECT_EQ(s.plu.slot(3).code(s.codecs), "50");
    EXPECT_EQ(s.plu.slot(3).price(s.codecs, 2), "0");
    EXPECT_FALSE(s.plu.slot(3).status() & 0x80);

    choose_number(1);
    press("C_Salva");
    EXPECT_EQ(s.plu.slot(1).price(s.codecs, 2), "101") << "a PLU saved without Erase keeps its price 2";
    EXPECT_TRUE(s.plu.slot(1).status() & 0x80);
}

TEST_F(PluEditor, SavingTheLastSlotKeepsItSelected)
{
    use_model(1);
    fill({});
    open();
    choose_number(1500);
    type_into("E_FreeCode", "77");
    press("C_Salva");
    EXPECT_EQ(s.plu.slot(1).code(s.codecs), "77");
    EXPECT_EQ(screen->loaded_record(), 1500);
}

TEST_F(PluEditor, CancelledDialogsDoNothing)
{
    use_model(1);
    fill({10, 20});
    open();
    const PluTable before = s.plu;
    h.ui.fileAnswers = {QString::fromStdString(root.str() + "plu.csv"), QString()};
    press("C_Export");
    ASSERT_TRUE(fs::exists(root.str() + "plu.csv"));
    fs::remove(root.str() + "plu.csv");
    press("C_Export");  // cancelled: the last file is not written again
    EXPECT_FALSE(fs::exists(root.str() + "plu.csv"));
    press("C_Import");  // cancelled
    EXPECT_EQ(s.plu.PluCount, before.PluCount);
    EXPECT_TRUE(h.effects.boxes.empty());
    EXPECT_TRUE(h.log().empty());
}

TEST_F(PluEditor, ExportThenImportOnTheScreen)
{
    use_model(1);
    fill({10, 20, 30});
    s.plu.slot(2).set_name(s.codecs, "TEA; GREEN");
    open();
    const std::string file = root.str() + "plu.csv";
    h.ui.fileAnswers = {QString::fromStdString(file)};
    press("C_Export");
    EXPECT_EQ(read_text(file), plu_csv_text(s.plu, s.codecs, true, nullptr));

    const PluTable exported = s.plu;
    fill({1, 2, 3, 4, 5});
    screen->Carica_Griglia();
    h.ui.fileAnswers = {QString::fromStdString(file)};
    press("C_Import");
    EXPECT_EQ(s.plu.PluCount, 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(s.plu.slot(n).bytes, exported.slot(n).bytes) << n;
    EXPECT_EQ(s.plu.slot(4).code(s.codecs), "4") << "later slots stay";
    EXPECT_EQ(cell(2, 2), "TEA; GREEN      ") << "the grid is rebuilt";
    EXPECT_EQ(screen->loaded_record(), 1);
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "3 PLUs read from the file.");
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Information);
}

TEST_F(PluEditor, ABadImportChangesNothingAndNamesTheLine)
{
    use_model(0);
    fill({10, 20, 30});
    open();
    const PluTable before = s.plu;
    std::string text = ";;;Dept;;;;\r\n";
    for (int i = 0; i < 5; ++i)
        text += "0;OK;" + std::to_string(i + 1) + ";1;100;1;1;1\r\n";
    text += "5;BAD;6;1;1,5;1;1;1\r\n";
    const std::string file = root.str() + "bad.csv";
    write_bytes(file, Bytes(text.begin(), text.end()));
    h.ui.fileAnswers = {QString::fromStdString(file)};
    press("C_Import");

    for (int n = 1; n <= plu::kSlots; ++n)
        ASSERT_EQ(s.plu.slot(n).bytes, before.slot(n).bytes) << n;
    EXPECT_EQ(s.plu.PluCount, 3);
    EXPECT_EQ(cell(1, 1), "10");
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].icon, MsgIcon::Error);
    EXPECT_EQ(h.effects.boxes[0].text,
              "The import stopped at line 7 of the file: price 1 \"1,5\" is not a number.\n"
              "The PLU table has not been changed.");
    EXPECT_EQ(h.log().back(), "Frm_PrgPlu_Import line 7: price 1 \"1,5\" is not a number");
}

// The import's messages come through the caption rule; the reason stays the
// reader's own.
TEST_F(PluEditor, TheImportSpeaksTheSessionsLanguage)
{
    use_model(0);
    fill({10});
    open();
    CaptionTexts& c = s.language.captions;
    ASSERT_TRUE(c.set("FRM_PRG_PLU_IMPORT_LINE_KO_MSG", "Der Import brach in Zeile %1 der Datei ab: %2."));
    ASSERT_TRUE(c.set("FRM_PRG_PLU_IMPORT_UNCHANGED_MSG", "Die PLU-Tabelle wurde nicht ge\xE4ndert."));
    ASSERT_TRUE(c.set("FRM_PRG_PLU_IMPORT_ONE_MSG", "1 PLU aus der Datei gelesen."));
    const std::string bad = root.str() + "bad.csv", good = root.str() + "good.csv";
    const std::string badText = ";;;Dept;;;;\r\n5;BAD;6;1;1,5;1;1;1\r\n", goodText = ";;;Dept;;;;\r\n0;OK;1;1;100;1;1;1\r\n";
    write_bytes(bad, Bytes(badText.begin(), badText.end()));
    write_bytes(good, Bytes(goodText.begin(), goodText.end()));
    h.ui.fileAnswers = {QString::fromStdString(bad), QString::fromStdString(good)};
    press("C_Import");
    press("C_Import");
    ASSERT_EQ(h.effects.boxes.size(), 2u);
    EXPECT_EQ(h.effects.boxes[0].text,
              "Der Import brach in Zeile 2 der Datei ab: price 1 \"1,5\" is not a number.\n"
              "Die PLU-Tabelle wurde nicht ge\xE4ndert.");
    EXPECT_EQ(h.effects.boxes[1].text, "1 PLU aus der Datei gelesen.");
}

// Edit a PLU, Save, Send: the virtual register holds the file as saved.
TEST(PluEditorEndToEnd, TheRegisterReceivesTheSavedFile)
{
    TillXferRig rig;
    UiHarness h(rig.app_dir());
    h.start();
    click("C_4430");
    click("C_NuovaProgrammazione");
    click("C_ProgramMode");
    click("C_PluProgram");
    QWidget* plu = visible_window();
    ASSERT_EQ(plu->objectName(), "FrmPrgPlu");

    auto* code = control<QLineEdit>(plu, "E_FreeCode");
    focus(code);
    code->selectAll();
    QTest::keyClicks(code, "8001234567890");
    auto* name = control<QLineEdit>(plu, "E_Name");
    focus(name);
    name->selectAll();
    QTest::keyClicks(name, "COFFEE");
    click("C_Salva");
    const Bytes saved = read_bytes(rig.data("PRG_PLU.BIN"));
    ASSERT_GE(saved.size(), 2u + 36u);
    EXPECT_EQ(h.session.plu.slot(h.session.plu.PluCount).name(h.session.codecs), "COFFEE          ")
        << "the greatest code sorts last";

    h.effects.boxes.clear();
    click("C_Invia_Ecr");
    EXPECT_TRUE(h.effects.boxes.empty()) << "MsgSendFailed";
    EXPECT_EQ(read_bytes(rig.memory("PRG_PLU.BIN")), saved);

    click("C_Annulla");
    EXPECT_EQ(visible_window()->objectName(), "FrmProgramMode");
}

// A PRG_PLU.BIN of undecodable BCD logs its fault once per grid load, not
// once per field.
TEST_F(PluEditor, AFileOfUndecodableBcdIsLoggedOncePerGridLoad)
{
    use_model(0);
    s.plu.clear();
    for (int n = 1; n <= 2000; ++n)
        s.plu.slot(n).bytes.fill(0xFF);
    s.plu.PluCount = 2000;
    open();
    const auto bad = [&] {
        int n = 0;
        for (const std::string& line : h.log())
            n += line == "bcds_to_number Type mismatch";
        return n;
    };
    const int afterOpening = bad();
    EXPECT_GE(afterOpening, 1);
    EXPECT_LE(afterOpening, 4) << "the grid's line and the loaded PLU's fields";
    screen->Carica_Griglia();
    screen->grid()->rows().cell(0, 1);  // the rows are read as the grid draws them
    EXPECT_EQ(bad(), afterOpening + 1);
}

}  // namespace
}  // namespace tw::test
