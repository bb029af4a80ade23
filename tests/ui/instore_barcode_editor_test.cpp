// The in-store barcode editor: ten formats in a grid, one in the fields.
#include "image_checks.h"
#include "editors/common/OverviewGrid.h"
#include "editors/sales/FrmInstoreBarcodeSetting.h"
#include "editors/sales/instore_barcode_record.h"

namespace tw::test {
namespace {

class BarcodeEditor : public RoundTripFixture {
protected:
    BarcodeEditor()
    {
        for (int n = 1; n <= barcode::kCount; ++n) {
            const std::size_t at = barcode::offset_of(n);
            s.image.set_bcd(s.codecs, at, 2, (long long)(n * 11));
            s.image.set_byte(at + barcode::kDigitsOfFlag, std::uint8_t(n % 4));
            s.image.set_byte(at + barcode::kDigitsOfPrice, std::uint8_t(n % 9));
            s.image.set_byte(at + barcode::kNumberOfFc, std::uint8_t(n % 5));
            s.image.set_byte(at + barcode::kCodeLength, std::uint8_t(n % 2));
            s.image.set_byte(at + barcode::kPriceCheckDigit, std::uint8_t((n / 2) % 2));
            s.image.set_byte(at + barcode::kNewsPaper, std::uint8_t((n / 4) % 2));
        }
    }
    FrmInstoreBarcodeSetting& editor() const { return *static_cast<FrmInstoreBarcodeSetting*>(screen()); }
    QString cell(int row, int column) const { return editor().grid()->rows().cell(row - 1, column); }
    QColor background(int row, int column) const
    {
        auto& m = editor().grid()->rows();
        return m.data(m.index(row - 1, column), Qt::BackgroundRole).value<QColor>();
    }
    std::uint8_t byte(int n, std::size_t f) const { return s.image.byte(barcode::offset_of(n) + f); }
};

TEST_F(BarcodeEditor, ShowsTheGridWithWholeSwitchLabelsAndTheFirstFormat)
{
    open<FrmInstoreBarcodeSetting>();
    EXPECT_EQ(screen()->windowTitle(), "Program Instore Barcodes");
    auto& rows = editor().grid()->rows();
    ASSERT_EQ(rows.rowCount(), 10);
    ASSERT_EQ(rows.columnCount(), 8);
    const QStringList headers = {QString::fromUtf8("Inst.Bar N°"), "Flag Code", "Digits in Flag", "Digits in Price",
                                 "FC Number", "Code length", "Price check", "Newspaper"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(rows.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);
    // Format 7: flag 77, digits 3 and 7, FC 2, short, check yes, newspaper yes.
    const QStringList row7 = {"7", "77", "3", "7", "2", "1. SHORT", "1. YES", "1. YES"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(cell(7, c), row7[c]) << c;
    EXPECT_EQ(cell(2, 5), "0. LONG");

    EXPECT_EQ(field<QComboBox>("Cmb_InstoreBarcodeSettingNumber")->currentText(), "1");
    EXPECT_EQ(field<QLineEdit>("E_FlagCode")->text(), "11");
    EXPECT_EQ(field<QComboBox>("Cmb_DigitsOfFlag")->currentText(), "1");
    EXPECT_EQ(field<QComboBox>("Cmb_DigitsOfPrice")->count(), 9);
    EXPECT_EQ(field<QComboBox>("Cmb_NumberOfFc")->itemText(4), "4");
    EXPECT_EQ(field<QComboBox>("Cmb_CodeLenght")->currentText(), "1. SHORT");
    EXPECT_EQ(field<QComboBox>("Cmb_PriceCheckDigit")->currentText(), "0. NO");
    EXPECT_EQ(background(1, 1), QColor(0, 255, 255));
    EXPECT_EQ(background(1, 7), QColor(0, 255, 255));
    EXPECT_EQ(background(1, 0), QColor(Qt::white));
    EXPECT_EQ(background(2, 3), QColor(Qt::white));
}

TEST_F(BarcodeEditor, ANonZeroSwitchByteShowsTheSecondChoiceAndSavesOne)
{
    s.image.set_byte(barcode::offset_of(2) + barcode::kCodeLength, 2);
    s.image.set_byte(barcode::offset_of(2) + barcode::kNewsPaper, 0x80);
    open<FrmInstoreBarcodeSetting>();
    EXPECT_EQ(cell(2, 5), "1. SHORT");
    EXPECT_EQ(cell(2, 7), "1. YES");
    choose("Cmb_InstoreBarcodeSettingNumber", 2);
    EXPECT_EQ(field<QComboBox>("Cmb_CodeLenght")->currentText(), "1. SHORT");
    EXPECT_EQ(field<QComboBox>("Cmb_NewsPaper")->currentText(), "1. YES");
    save();
    EXPECT_EQ(byte(2, barcode::kCodeLength), 1);
    EXPECT_EQ(byte(2, barcode::kNewsPaper), 1);
}

// The digit columns show the stored byte itself, even one the lists lack.
TEST_F(BarcodeEditor, TheDigitColumnsShowTheStoredByteOutsideTheirLists)
{
    s.image.set_byte(barcode::offset_of(3) + barcode::kDigitsOfFlag, 7);
    s.image.set_byte(barcode::offset_of(3) + barcode::kDigitsOfPrice, 12);
    s.image.set_byte(barcode::offset_of(3) + barcode::kNumberOfFc, 5);
    open<FrmInstoreBarcodeSetting>();
    EXPECT_EQ(cell(3, 2), "7");
    EXPECT_EQ(cell(3, 3), "12");
    EXPECT_EQ(cell(3, 4), "5");
    EXPECT_EQ(cell(4, 2), "0") << "format 4 keeps its own digits";
}

TEST_F(BarcodeEditor, SaveStoresOnlyTheShownFormatAndMovesOnUpToNine)
{
    open<FrmInstoreBarcodeSetting>();
    choose("Cmb_InstoreBarcodeSettingNumber", 8);
    EXPECT_EQ(background(8, 4), QColor(0, 255, 255));
    EXPECT_EQ(background(1, 4), QColor(Qt::white)) << "the row left turns white";
    type_into("E_FlagCode", "21");
    choose("Cmb_DigitsOfFlag", 2);
    choose("Cmb_DigitsOfPrice", 5);
    choose("Cmb_NumberOfFc", 4);
    choose("Cmb_CodeLenght", 0);
    choose("Cmb_PriceCheckDigit", 1);
    choose("Cmb_NewsPaper", 0);
    const auto before = image();
    save();
    const std::vector<std::uint8_t> expected = {0x21, 0x00, 2, 5, 4, 0, 1, 0};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(byte(8, i), expected[i]) << "byte " << i;
    EXPECT_TRUE(changed_only_within(before, image(), barcode::offset_of(8), barcode::offset_of(9)));
    EXPECT_EQ(saved_file(), image());
    EXPECT_EQ(cell(8, 1), "21");
    EXPECT_EQ(editor().loaded_record(), 9) << "format 8 moves on to 9";
    save();
    EXPECT_EQ(editor().loaded_record(), 9) << "format 9 stays";
    choose("Cmb_InstoreBarcodeSettingNumber", 10);
    save();
    EXPECT_EQ(editor().loaded_record(), 10);

    open<FrmInstoreBarcodeSetting>();
    choose("Cmb_InstoreBarcodeSettingNumber", 8);
    EXPECT_EQ(field<QLineEdit>("E_FlagCode")->text(), "21") << "reopening shows what was saved";
    EXPECT_EQ(chosen("Cmb_NumberOfFc"), 4);
}

TEST_F(BarcodeEditor, AFifthFlagDigitIsRefusedWithTheMessage)
{
    open<FrmInstoreBarcodeSetting>();
    type_into("E_FlagCode", "98765");
    EXPECT_EQ(field<QLineEdit>("E_FlagCode")->text(), "9876");
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Value insert to high!");
}

TEST_F(BarcodeEditor, ChoosingAGridRowLoadsThatFormat)
{
    open<FrmInstoreBarcodeSetting>();
    editor().grid()->setCurrentIndex(editor().grid()->rows().index(4, 2));
    EXPECT_EQ(editor().loaded_record(), 5);
    EXPECT_EQ(field<QComboBox>("Cmb_InstoreBarcodeSettingNumber")->currentText(), "5");
    EXPECT_EQ(field<QLineEdit>("E_FlagCode")->text(), "55");
}

TEST_F(BarcodeEditor, SavingEveryFormatUnchangedKeepsTheImage)
{
    expect_images_kept(
        [&](std::mt19937& random) {
            for (int n = 1; n <= barcode::kCount; ++n) {
                const std::size_t at = barcode::offset_of(n);
                s.image.set_bcd(s.codecs, at, 2, (long long)(random() % 10000));
                s.image.set_byte(at + barcode::kDigitsOfFlag, std::uint8_t(random() % 4));
                s.image.set_byte(at + barcode::kDigitsOfPrice, std::uint8_t(random() % 9));
                s.image.set_byte(at + barcode::kNumberOfFc, std::uint8_t(random() % 5));
                for (std::size_t f : {barcode::kCodeLength, barcode::kPriceCheckDigit, barcode::kNewsPaper})
                    s.image.set_byte(at + f, std::uint8_t(random() % 2));
            }
        },
        [&] {
            open<FrmInstoreBarcodeSetting>();
            for (int n = 1; n <= barcode::kCount; ++n) {
                choose("Cmb_InstoreBarcodeSettingNumber", n);
                save();
            }
        });
}

}  // namespace
}  // namespace tw::test
