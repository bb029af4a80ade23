// The clerk editor: 15 clerks in a grid, one in the fields.
#include <QLabel>

#include "editor_fixture.h"
#include "editors/common/OverviewGrid.h"
#include "editors/system/FrmClerkSystemProgram.h"
#include "editors/system/clerk_record.h"

namespace tw::test {
namespace {

class ClerkEditor : public EditorFixture {
protected:
    explicit ClerkEditor(int model = 1) : EditorFixture(model)
    {
        for (int n = 1; n <= clerk::kCount; ++n) {
            const std::size_t at = clerk::offset_of(n);
            s.image.set_text(s.codecs, at + clerk::kName, 24, "CLERK " + std::to_string(n));
            s.image.set_byte(at + clerk::kPermissions, std::uint8_t(n * 37));
            s.image.set_byte(at + clerk::kUnused, std::uint8_t(0xA0 + n));
            s.image.set_bcd(s.codecs, at + clerk::kPassword, 2, (long long)(n * 60));
        }
    }
    FrmClerkSystemProgram& open_editor() { return open<FrmClerkSystemProgram>(); }
    QString cell(int row, int column) const
    {
        return static_cast<FrmClerkSystemProgram*>(screen())->grid()->rows().cell(row - 1, column);
    }
    QColor background(int row, int column) const
    {
        auto& m = static_cast<FrmClerkSystemProgram*>(screen())->grid()->rows();
        return m.data(m.index(row - 1, column), Qt::BackgroundRole).value<QColor>();
    }
    int loaded() const { return static_cast<FrmClerkSystemProgram*>(screen())->loaded_record(); }
    std::uint8_t byte(int n, std::size_t f) const { return s.image.byte(clerk::offset_of(n) + f); }
};

class ClerkEditor4410 : public ClerkEditor {
protected:
    ClerkEditor4410() : ClerkEditor(0) {}
};

TEST_F(ClerkEditor, ShowsTheGridAndTheFirstClerk)
{
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Program Clerk System");
    auto& rows = static_cast<FrmClerkSystemProgram*>(screen())->grid()->rows();
    ASSERT_EQ(rows.rowCount(), 15);
    ASSERT_EQ(rows.columnCount(), 11);
    const QStringList headers = {"Clerk",  "Name",      "Pdw",      "Void",       "Refund", "Discount",
                                 "Coupon", "E.Invoice", "Paid Out", "N. Dep&PLU", "Mode"};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(rows.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);

    // Clerk 3: flags 111 = 0b0110'1111, password 180.
    const QStringList row3 = {"3",       "CLERK 3", "180",     "disable", "disable", "disable",
                              "disable", "disable", "disable", "enable",  "normal"};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(cell(3, c), row3[c]) << c;
    EXPECT_EQ(cell(1, 2), "060") << "three digits at least";

    EXPECT_EQ(field<QLineEdit>("E_Name")->text(), "CLERK 1") << "trailing spaces go";
    EXPECT_EQ(field<QLineEdit>("E_Password")->text(), "060");
    EXPECT_EQ(field<QLineEdit>("E_Name")->maxLength(), 24);
    EXPECT_EQ(field<QLabel>("L_NegativeDeptPlu")->text(), "Negative Dept && PLU");
    EXPECT_EQ(field<QLabel>("L_PswMax")->text(), "(Max 999)");
    EXPECT_EQ(background(1, 1), QColor(0, 255, 255));
    EXPECT_EQ(background(1, 0), QColor(Qt::white)) << "the number column stays white";
    EXPECT_EQ(background(2, 1), QColor(Qt::white));
}

TEST_F(ClerkEditor, SaveStoresTheShownClerkAndMovesToTheNext)
{
    const auto before = image();
    open_editor();
    choose("Cmb_ClerkNumber", 13);
    EXPECT_EQ(loaded(), 13);
    EXPECT_EQ(background(13, 5), QColor(0, 255, 255));
    EXPECT_EQ(background(1, 5), QColor(Qt::white)) << "the row left turns white";

    type_into("E_Name", "ANNA");
    type_into("E_Password", "7");
    for (const char* name : {"Cmb_Void", "Cmb_Refund", "Cmb_Discount", "Cmb_PaidOut", "Cmb_NegativeDeptPlu",
                             "Cmb_Coupon", "Cmb_ExtraInvoice"})
        choose(name, 1);
    choose("Cmb_Mode", 1);
    save();

    EXPECT_EQ(s.image.text(s.codecs, clerk::offset_of(13), 24), "ANNA                    ");
    EXPECT_EQ(byte(13, clerk::kPermissions), 0xFF);
    EXPECT_EQ(byte(13, clerk::kPassword), 0x07);
    EXPECT_EQ(byte(13, clerk::kPassword + 1), 0x00);
    EXPECT_EQ(byte(13, clerk::kUnused), 0xA0 + 13) << "byte 25 is never changed";
    EXPECT_EQ(saved_file(), image());
    expect_unchanged_outside(before, clerk::offset_of(13), clerk::offset_of(14));

    EXPECT_EQ(loaded(), 14) << "Save moves on to the next clerk";
    EXPECT_EQ(cell(13, 1), "ANNA");
    EXPECT_EQ(cell(13, 2), "007");
    EXPECT_EQ(cell(13, 10), "training");
    save();
    EXPECT_EQ(loaded(), 14) << "clerk 14 stays";
    choose("Cmb_ClerkNumber", 15);
    save();
    EXPECT_EQ(loaded(), 15);

    open_editor();
    choose("Cmb_ClerkNumber", 13);
    EXPECT_EQ(field<QLineEdit>("E_Name")->text(), "ANNA") << "reopening shows what was saved";
    EXPECT_EQ(chosen("Cmb_Mode"), 1);
}

TEST_F(ClerkEditor, PasswordKeepsItsMaximumAndEmptiesAZeroOnFocus)
{
    s.image.set_bcd(s.codecs, clerk::offset_of(1) + clerk::kPassword, 2, 0LL);
    s.image.set_bcd(s.codecs, clerk::offset_of(2) + clerk::kPassword, 2, 123LL);
    open_editor();
    auto* password = field<QLineEdit>("E_Password");
    EXPECT_EQ(password->text(), "000");
    focus(password);
    EXPECT_EQ(password->text(), "") << "a 0 empties on focus";

    choose("Cmb_ClerkNumber", 2);
    focus(field("E_Name"));
    focus(password);
    QTest::keyClick(password, Qt::Key_End);
    QTest::keyClicks(password, "4");
    EXPECT_EQ(password->text(), "123") << "a fourth digit is refused";
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Value insert to high!");
}

TEST_F(ClerkEditor, ChoosingAGridRowLoadsThatClerk)
{
    open_editor();
    auto* grid = static_cast<FrmClerkSystemProgram*>(screen())->grid();
    grid->setCurrentIndex(grid->rows().index(4, 3));
    EXPECT_EQ(loaded(), 5);
    EXPECT_EQ(field<QComboBox>("Cmb_ClerkNumber")->currentText(), "5");
    EXPECT_EQ(field<QLineEdit>("E_Name")->text(), "CLERK 5");
}

TEST_F(ClerkEditor4410, HidesExtraInvoiceButKeepsItsBit)
{
    open_editor();
    EXPECT_FALSE(field("Cmb_ExtraInvoice")->isVisible());
    EXPECT_FALSE(field("L_ExtraInvoice")->isVisible());
    EXPECT_TRUE(field("Cmb_Coupon")->isVisible());
    auto* grid = static_cast<FrmClerkSystemProgram*>(screen())->grid();
    EXPECT_TRUE(grid->isColumnHidden(7));
    for (int n = 1; n <= clerk::kCount; ++n) {
        const std::uint8_t bit6 = byte(n, clerk::kPermissions) & 0x40;
        save();
        EXPECT_EQ(byte(n, clerk::kPermissions) & 0x40, bit6) << "clerk " << n;
    }
}

// Opening and saving every clerk changes nothing when the stored values
// have their choices and the passwords are valid.
TEST_F(ClerkEditor, SavingEveryClerkUnchangedKeepsTheImage)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        random_image(seed);
        std::mt19937 random(seed);
        for (int n = 1; n <= clerk::kCount; ++n) {
            const std::size_t at = clerk::offset_of(n);
            // Names of printable ASCII, passwords 0 to 999.
            for (std::size_t i = 0; i < 24; ++i)
                s.image.bytes[at + i] = std::uint8_t('A' + random() % 26);
            s.image.set_bcd(s.codecs, at + clerk::kPassword, 2, (long long)(random() % 1000));
        }
        const auto before = image();
        open_editor();
        for (int n = 1; n <= clerk::kCount; ++n) {
            choose("Cmb_ClerkNumber", n);
            save();
        }
        ASSERT_EQ(image(), before) << "seed " << seed;
    }
}

}  // namespace
}  // namespace tw::test

namespace tw::test {
namespace {

// A handler that fails writes its screen's prefix and the reason; the
// screen stays open and the image keeps its bytes.
TEST_F(ClerkEditor, AFailedSaveIsLoggedWithTheScreensPrefix)
{
    open_editor();
    const auto before = image();
    field<QComboBox>("Cmb_ClerkNumber")->setCurrentIndex(-1);
    save();
    EXPECT_EQ(image(), before);
    const auto lines = h.log();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "FrmClerkSystemProgram Salva: no record number 0");
    EXPECT_TRUE(screen()->isVisible());
}

}  // namespace
}  // namespace tw::test
