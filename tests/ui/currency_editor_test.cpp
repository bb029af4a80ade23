// The foreign currency editor: four currencies, each rate shown with the
// decimals chosen for it.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "image_checks.h"
#include "editors/sales/FrmFCRatingSetting.h"
#include "editors/sales/currency_record.h"

namespace tw::test {
namespace {

std::string indexed(const char* base, int i) { return base + std::to_string(i); }

class CurrencyEditor : public RoundTripFixture {
protected:
    CurrencyEditor()
    {
        const char* names[] = {"EURO", "DOLLAR", "POUND", "FRANC"};
        for (int i = 0; i < currency::kCount; ++i) {
            s.image.set_text(s.codecs, currency::offset_of(i), 10, names[i]);
            set_rate(i, 12345, 2);
        }
    }
    void set_rate(int i, long long rate, int decimals)
    {
        s.image.set_bcd(s.codecs, currency::offset_of(i) + currency::kRate, 4, rate);
        s.image.set_byte(currency::offset_of(i) + currency::kRateDecimals, std::uint8_t(decimals));
    }
    FrmFCRatingSetting& open_editor() { return open<FrmFCRatingSetting>(); }
    QLineEdit* rate(int i) const { return field<QLineEdit>(indexed("E_ExchangeRate", i).c_str()); }
    std::string exchanged(int i) const { return indexed("Cmb_DecimalPositionForExchangedRate", i); }
    std::uint8_t byte(int i, std::size_t f) const { return s.image.byte(currency::offset_of(i) + f); }
};

TEST_F(CurrencyEditor, ShowsTheFourCurrenciesInTheirFrames)
{
    s.image.set_text(s.codecs, currency::offset_of(2), 10, "  YEN");
    s.image.set_byte(currency::offset_of(1) + currency::kDecimalsForRate, 6);
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Program Foreign Currencies");
    for (int i = 0; i < 4; ++i) {
        const QString title = "Foreign Currency " + QString::number(i + 1) + " Setting";
        auto* frame = field<QGroupBox>(indexed("F_FC", i + 1).c_str());
        EXPECT_EQ(frame->title(), title);
        EXPECT_TRUE(frame->isAncestorOf(rate(i))) << i;
        EXPECT_EQ(field<QLabel>(indexed("L_Nome", i).c_str())->text(), "Name");
        EXPECT_EQ(field<QLabel>(indexed("L_ExchangeRate", i).c_str())->text(), "Exchange Rate");
        EXPECT_EQ(field<QLabel>(indexed("L_DecimalPositionForExchangedRate", i).c_str())->text(),
                  "Decimal Position for Exchanged Rate");
    }
    EXPECT_EQ(field<QLineEdit>("E_Name0")->text(), "EURO");
    EXPECT_EQ(field<QLineEdit>("E_Name2")->text(), "YEN") << "leading spaces go";
    EXPECT_EQ(field<QLineEdit>("E_Name0")->maxLength(), 10);
    EXPECT_EQ(field<QComboBox>("Cmb_DecimalPositionForRate1")->currentText(), "6");
    EXPECT_EQ(field<QComboBox>("Cmb_DecimalPositionForRate1")->count(), 9);
    EXPECT_EQ(field<QComboBox>(exchanged(1).c_str())->count(), 4);
    EXPECT_EQ(rate(1)->text(), "123.45") << "the rate for rate decimals plays no part";
}

TEST_F(CurrencyEditor, TheDecimalPointMovesWithTheChoiceAndTheDigitsStay)
{
    open_editor();
    EXPECT_EQ(rate(0)->text(), "123.45");
    focus(rate(0));
    EXPECT_EQ(rate(0)->text(), "12345") << "typed as a whole number";
    focus(field("E_Name0"));
    EXPECT_EQ(rate(0)->text(), "123.45");
    choose(exchanged(0).c_str(), 3);
    EXPECT_EQ(rate(0)->text(), "12.345");
    choose(exchanged(0).c_str(), 0);
    EXPECT_EQ(rate(0)->text(), "12345");
    choose(exchanged(0).c_str(), 3);
    const auto before = image();
    save();
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(byte(0, currency::kRate + k), std::vector<std::uint8_t>({0x45, 0x23, 0x01, 0x00})[k]) << k;
    EXPECT_EQ(byte(0, currency::kRateDecimals), 3);
    EXPECT_TRUE(changed_only_within(before, image(), currency::offset_of(0), currency::offset_of(1)));
    EXPECT_EQ(saved_file(), image());

    open_editor();
    EXPECT_EQ(rate(0)->text(), "12.345") << "reopening shows what was saved";
}

TEST_F(CurrencyEditor, WithoutDecimalsTheRateIsTheWholeNumberTyped)
{
    set_rate(1, 0, 0);
    open_editor();
    type_into("E_ExchangeRate1", "1500");
    focus(field("E_Name1"));
    EXPECT_EQ(rate(1)->text(), "1500");
    choose("Cmb_DecimalPositionForRate1", 5);
    save();
    EXPECT_EQ(s.image.bcd(s.codecs, currency::offset_of(1) + currency::kRate, 4), "1500");
    EXPECT_EQ(byte(1, currency::kRateDecimals), 0);
    EXPECT_EQ(byte(1, currency::kDecimalsForRate), 5) << "stored exactly as chosen";
}

TEST_F(CurrencyEditor, TheTypingLimitFollowsTheDecimalsStoredAtOpening)
{
    set_rate(1, 0, 0);
    open_editor();
    choose(exchanged(1).c_str(), 2);
    type_into("E_ExchangeRate1", "12345678");
    EXPECT_EQ(rate(1)->text(), "123456") << "six digits while byte 10 was 0 at opening";
    type_into("E_ExchangeRate0", "12345678");
    EXPECT_EQ(rate(0)->text(), "1234567") << "seven with stored decimals";
    EXPECT_TRUE(h.effects.boxes.empty()) << "the limit says nothing";
    save();
    EXPECT_EQ(s.image.bcd(s.codecs, currency::offset_of(1) + currency::kRate, 4), "123456");
    EXPECT_EQ(byte(1, currency::kRateDecimals), 2);
}

TEST_F(CurrencyEditor, EnterInARateMovesToSave)
{
    open_editor();
    focus(rate(2));
    QTest::keyClick(rate(2), Qt::Key_Return);
    EXPECT_TRUE(field<QPushButton>("C_Salva")->hasFocus());
    EXPECT_EQ(rate(2)->text(), "123.45");
}

TEST_F(CurrencyEditor, SavingUnchangedKeepsTheImage)
{
    expect_images_kept(
        [&](std::mt19937& random) {
            for (int i = 0; i < currency::kCount; ++i) {
                const std::size_t at = currency::offset_of(i);
                random_name(random, &s.image.bytes[at], 10, true);
                s.image.set_byte(at + currency::kDecimalsForRate, std::uint8_t(random() % 9));
                set_rate(i, (long long)(random() % 100000000), int(random() % 4));
            }
        },
        [&] {
            open_editor();
            save();
        });
}

}  // namespace
}  // namespace tw::test
