#include <gtest/gtest.h>

#include <filesystem>

#include "image/default_files.h"
#include "image/plu_file.h"
#include "image/programming_image.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// The default files of the bundle, read back through the codecs: the values
// data/defaults/ documents.
class ShippedDefaults : public ::testing::TestWithParam<int> {
protected:
    test::TestSession t;
    const Codecs& c = t.session.codecs;
    const fs::path dati = fs::path(TW_BUNDLE_DIR) / "Dati";

    int model() const { return GetParam(); }
    fs::path file(const std::string& name) const
    {
        const std::string folder = model() == 1 ? "ECR4430" : "ECR4410";
        return dati / folder / model_default_file_name(model(), name);
    }
    ProgrammingImage image() const
    {
        const auto bytes = test::read_bytes(file("PRG_MODE.BIN"));
        ProgrammingImage img;
        std::copy_n(bytes.begin(), std::min(bytes.size(), img.bytes.size()), img.bytes.begin());
        return img;
    }
};

TEST_P(ShippedDefaults, HaveTheRegistersSizes)
{
    EXPECT_EQ(fs::file_size(file("PRG_MODE.BIN")), 7078u);
    const auto plu = test::read_bytes(file("PRG_PLU.BIN"));
    ASSERT_GE(plu.size(), 2u);
    EXPECT_EQ(plu.size(), 2u + 36u * std::size_t(plu[0] | (plu[1] << 8)));
    EXPECT_EQ(fs::file_size(dati / "KEY_DEFAULT.BIN"), 53u);
}

TEST_P(ShippedDefaults, ProgrammingHoldsWhatItsSourceSays)
{
    const ProgrammingImage img = image();
    EXPECT_EQ(img.bcd(c, prg::VatRates.offset, 4), "20000");      // VAT rate 1: 20 %
    EXPECT_EQ(img.bcd(c, prg::VatRates.offset + 8, 4), "5000");   // VAT rate 3: 5 %
    EXPECT_EQ(img.byte(prg::kDecimalPositionOffset), 2);
    EXPECT_EQ(img.bcd(c, prg::PercentKey2.offset, 2), "1000");    // %2: 10.00 %
    EXPECT_EQ(img.text(c, prg::DepartmentTable.offset, 12), "FOOD        ");
    EXPECT_EQ(img.byte(prg::DepartmentTable.offset + 12), 0x08);  // status: bit 3 as after a save
    EXPECT_EQ(img.text(c, prg::DepartmentTable.offset + 98 * prg::kDepartmentSize, 12), "DEPT 99     ");
    EXPECT_EQ(img.text(c, prg::ClerkTable.offset + 14 * prg::kClerkSize, 24).substr(0, 8), "TRAINING");
    EXPECT_EQ(img.byte(prg::ClerkTable.offset + 14 * prg::kClerkSize + 24), 0x80);  // training mode
    EXPECT_EQ(img.text(c, prg::TenderTable.offset, 12), "CASH        ");
    EXPECT_EQ(img.text(c, prg::TenderTable.offset + 2 * prg::kTenderSize, 12), "CHARGE      ");
    EXPECT_EQ(img.text(c, prg::ForeignCurrencyTable.offset, 10), "US DOLLAR ");
    EXPECT_EQ(img.bcd(c, prg::ForeignCurrencyTable.offset + 12, 4), "1270");
    EXPECT_EQ(img.text(c, prg::HeaderLines.offset, 24), "     YOUR SHOP NAME     ");
    EXPECT_EQ(img.text(c, prg::FooterLines.offset + 9 * 24, 24), std::string(24, ' '));  // unnamed lines are blank
    EXPECT_EQ(img.text(c, prg::RegisterCaptions.offset, 10), "TOTAL     ");
    EXPECT_EQ(img.byte(9), 0x01);  // date DD-MM-YY
    // The areas the program never edits are zero.
    for (std::size_t i = prg::Unused189.offset; i < prg::Unused189.end(); ++i)
        ASSERT_EQ(img.byte(i), 0) << i;
    for (std::size_t i = prg::Unused3911.offset; i < prg::Unused3911.end(); ++i)
        ASSERT_EQ(img.byte(i), 0) << i;
}

TEST_P(ShippedDefaults, KeyboardLayoutIsTheDefaultLayoutOfKeyDefault)
{
    const ProgrammingImage img = image();
    const auto keys = test::read_bytes(dati / "KEY_DEFAULT.BIN");
    ASSERT_EQ(keys.size(), 53u);
    EXPECT_TRUE(std::equal(keys.begin(), keys.end(), img.bytes.begin() + prg::KeyboardLayout.offset));
    EXPECT_EQ(keys[10], 23);   // preview key 1: RECEIPT ON/OFF
    EXPECT_EQ(keys[42], 77);   // preview key 33: DEPT 8
    EXPECT_EQ(keys[0], 255);   // a fixed key: NO OPERATION
    // A function other than NO OPERATION is on one key at most.
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == 255)
            continue;
        for (std::size_t k = i + 1; k < keys.size(); ++k)
            ASSERT_NE(keys[i], keys[k]) << "positions " << i << " and " << k;
    }
}

TEST_P(ShippedDefaults, PluTableIsSortedAndPriceTwoFollowsTheModel)
{
    const auto bytes = test::read_bytes(file("PRG_PLU.BIN"));
    PluTable table;
    EXPECT_EQ(decode_plu_file(Bytes(bytes.begin(), bytes.end()), table), "");
    ASSERT_EQ(table.PluCount, 6);
    const PluRecord& espresso = table.slot(1);
    EXPECT_EQ(espresso.code(c), "1");
    EXPECT_EQ(espresso.name(c), "ESPRESSO        ");
    EXPECT_EQ(espresso.price_type(), 2);
    EXPECT_EQ(espresso.department(), 2);
    EXPECT_EQ(espresso.price(c, 1), "120");
    EXPECT_EQ(espresso.price(c, 2), model() == 1 ? "100" : "0");
    EXPECT_EQ((espresso.status() & 0x80) != 0, model() == 1);
    EXPECT_EQ(table.slot(6).code(c), "8001234567890");
    for (int n = 2; n <= table.PluCount; ++n)
        EXPECT_LT(std::stoll(table.slot(n - 1).code(c)), std::stoll(table.slot(n).code(c)));
    EXPECT_TRUE(t.log().empty());
}

INSTANTIATE_TEST_SUITE_P(Models, ShippedDefaults, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) { return info.param == 1 ? "ECR4430" : "ECR4410"; });

}  // namespace
}  // namespace tw
