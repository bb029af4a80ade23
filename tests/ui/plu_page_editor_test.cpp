// The PLU page editor: three 16-digit BCD starts, typed with 13 digits at most.
#include <QGroupBox>
#include <QLabel>

#include "image_checks.h"
#include "editors/sales/FrmPluPageProgram.h"

namespace tw::test {
namespace {

class PluPageEditor : public RoundTripFixture {
protected:
    FrmPluPageProgram& open_editor() { return open<FrmPluPageProgram>(); }
    QString shown(int page) const { return field<QLineEdit>(("E_PluPage" + std::to_string(page)).c_str())->text(); }
    std::vector<std::uint8_t> stored(int page) const
    {
        const auto all = image();
        const auto from = all.begin() + 63 + 8 * (page - 1);
        return {from, from + 8};
    }
};

TEST_F(PluPageEditor, ShowsTheThreeStartsWithTheirLabels)
{
    const std::uint8_t page2[] = {0x90, 0x78, 0x56, 0x34, 0x12, 0x00, 0x00, 0x00};
    std::copy(std::begin(page2), std::end(page2), s.image.bytes.begin() + 71);
    s.image.set_bcd(s.codecs, 79, 8, 9999999999999LL);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Plu Page Program");
    EXPECT_EQ(field<QLabel>("L_Titolo")->text(), "PLU PAGE PROGRAM");
    EXPECT_EQ(shown(1), "0");
    EXPECT_EQ(shown(2), "1234567890");
    EXPECT_EQ(shown(3), "9999999999999");
    const char* titles[] = {"PLU Page 1:", "PLU Page 2:", "PLU Page 3"};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(field<QGroupBox>(("F_PluPage" + std::to_string(i + 1)).c_str())->title(), titles[i]);
        EXPECT_EQ(field<QLabel>(("L_Desc" + n).c_str())->text(), "PLU Start #");
        EXPECT_EQ(field<QLabel>(("L_PageMax" + n).c_str())->text(), "(Max Value 9999999999999)");
    }
}

TEST_F(PluPageEditor, SaveStoresSixteenDigitsLowPairFirst)
{
    open_editor();
    type_into("E_PluPage3", "4000000000001");
    const auto before = image();
    save();
    EXPECT_EQ(stored(3), (std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00}));
    EXPECT_TRUE(changed_only_within(before, image(), 79, 87));
    EXPECT_EQ(saved_file(), image());

    open_editor();
    EXPECT_EQ(shown(3), "4000000000001") << "reopening shows what was saved";
}

TEST_F(PluPageEditor, AFourteenthDigitIsRefusedWithTheMessage)
{
    open_editor();
    type_into("E_PluPage1", "12345678901234");
    EXPECT_EQ(shown(1), "1234567890123");
    ASSERT_EQ(h.effects.boxes.size(), 1u);
    EXPECT_EQ(h.effects.boxes[0].text, "Value insert to high!");
    type_into("E_PluPage2", "12a3");
    EXPECT_EQ(shown(2), "123") << "only digits reach the field";
}

TEST_F(PluPageEditor, AZeroEmptiesOnFocusAndAnEmptyFieldLeavesAsZero)
{
    s.image.set_bcd(s.codecs, 71, 8, 55LL);
    open_editor();
    auto* page1 = field<QLineEdit>("E_PluPage1");
    focus(page1);
    EXPECT_EQ(page1->text(), "");
    focus(field("E_PluPage2"));
    EXPECT_EQ(page1->text(), "0");
    QTest::keyClick(field("E_PluPage2"), Qt::Key_Backspace);
    focus(page1);
    EXPECT_EQ(shown(2), "0");
    save();
    EXPECT_EQ(stored(2), std::vector<std::uint8_t>(8, 0));
}

TEST_F(PluPageEditor, SavingUnchangedKeepsTheImage)
{
    expect_images_kept(
        [&](std::mt19937& random) {
            for (int p = 0; p < 3; ++p)
                s.image.set_bcd(s.codecs, 63 + 8 * std::size_t(p), 8,
                                (long long)(random() % 10000000) * 1000000 + (long long)(random() % 1000000));
        },
        [&] {
            open_editor();
            save();
        });
}

}  // namespace
}  // namespace tw::test
