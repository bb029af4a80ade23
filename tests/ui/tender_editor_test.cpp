// The tender editor: nine tenders at once in frames and a tab set.
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "image_checks.h"
#include "editors/sales/FrmTenderMenuSetting.h"
#include "editors/sales/tender_record.h"

namespace tw::test {
namespace {

std::string indexed(const char* base, int t) { return base + std::to_string(t); }

class TenderEditor : public RoundTripFixture {
protected:
    TenderEditor()
    {
        const char* names[] = {"CASH", "CHEQUE", "ACCOUNT", "VISA", "MASTER", "AMEX", "DINERS", "JCB", "MAESTRO"};
        for (int t = 0; t < tender::kCount; ++t) {
            s.image.set_text(s.codecs, tender::offset_of(t), 12, names[t]);
            s.image.set_byte(tender::offset_of(t) + tender::kHdlo, std::uint8_t(t % 5));
            s.image.set_byte(tender::offset_of(t) + tender::kFlags, std::uint8_t(t));
        }
    }
    FrmTenderMenuSetting& open_editor() { return open<FrmTenderMenuSetting>(); }
    QString name(int t) const { return field<QLineEdit>(indexed("E_Name", t).c_str())->text(); }
    std::string stored_name(int t) const { return s.image.text(s.codecs, tender::offset_of(t), 12); }
    std::uint8_t byte(int t, std::size_t f) const { return s.image.byte(tender::offset_of(t) + f); }
    // The frame or tab page a tender's fields stand in.
    QString holder_of(int t) const
    {
        for (QWidget* w = field(indexed("Cmb_Drawer", t).c_str())->parentWidget(); w; w = w->parentWidget())
            if (auto* box = qobject_cast<QGroupBox*>(w))
                return box->title();
        return {};
    }
};

TEST_F(TenderEditor, ShowsTheNineTendersInTheirFramesAndTabs)
{
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Program Payment Media");
    EXPECT_EQ(name(0), "CASH");
    EXPECT_EQ(name(8), "MAESTRO");
    EXPECT_EQ(field<QComboBox>("Cmb_Halo3")->currentText(), "3. (0 - 99.99)");
    EXPECT_EQ(field<QComboBox>("Cmb_TenderingAmount5")->currentText(), "1. COMPULSORY");
    EXPECT_EQ(field<QComboBox>("Cmb_ChangeAllowed6")->currentText(), "1. NO");
    EXPECT_EQ(field<QComboBox>("Cmb_Drawer4")->currentText(), "1. CLOSED");
    EXPECT_EQ(field<QComboBox>("Cmb_Drawer3")->currentText(), "0. OPEN");
    EXPECT_EQ(field<QLabel>("L_Nome4")->text(), "Name");
    EXPECT_EQ(field<QLabel>("L_Hdlo4")->text(), "HDLO");
    EXPECT_EQ(field<QLabel>("L_TenderingAmount0")->text(), "Amount");
    EXPECT_EQ(field<QLabel>("L_ChangeAllowed8")->text(), "Change Allowed");
    EXPECT_EQ(field<QLabel>("L_Drawer2")->text(), "Drawer");

    // Cash (tender 0) is TOTAL and check (tender 1) is CHECK, each whole in one frame.
    EXPECT_EQ(holder_of(0), "TOTAL");
    EXPECT_EQ(field(indexed("E_Name", 0).c_str())->parentWidget(), field("Cmb_Halo0")->parentWidget());
    EXPECT_EQ(holder_of(1), "CHECK");
    EXPECT_EQ(holder_of(2), "CHARGE");
    EXPECT_EQ(field<QGroupBox>("F_Payment1")->title(), "TOTAL");
    auto* cards = field<QTabWidget>("Tab_Credit");
    ASSERT_EQ(cards->count(), 6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(cards->tabText(k), "CARD " + QString::number(k + 1));
        EXPECT_TRUE(cards->widget(k)->isAncestorOf(field(indexed("E_Name", k + 3).c_str()))) << k;
    }
    EXPECT_EQ(cards->currentIndex(), 0) << "CARD 1 shows first";
}

TEST_F(TenderEditor, NamesLoseTheirSpacesAndASaveStoresThemPadded)
{
    s.image.set_text(s.codecs, tender::offset_of(3), 12, "  VISA");
    open_editor();
    EXPECT_EQ(name(3), "VISA");
    type_into("E_Name5", "ABCDEFGHIJKLM");
    EXPECT_EQ(name(5), "ABCDEFGHIJKL") << "a 13th character goes at once";
    save();
    EXPECT_EQ(stored_name(3), "VISA        ") << "leading spaces do not survive";
    EXPECT_EQ(stored_name(5), "ABCDEFGHIJKL");
    EXPECT_EQ(saved_file(), image());

    open_editor();
    EXPECT_EQ(name(5), "ABCDEFGHIJKL") << "reopening shows what was saved";
}

TEST_F(TenderEditor, AnHdloOutsideItsChoicesShowsEmptyAndSavesZero)
{
    s.image.set_byte(tender::offset_of(6) + tender::kHdlo, 7);
    open_editor();
    EXPECT_EQ(field<QComboBox>("Cmb_Halo6")->currentIndex(), -1);
    save();
    EXPECT_EQ(byte(6, tender::kHdlo), 0);
}

TEST_F(TenderEditor, TheSwitchesWriteBitsZeroToTwoAndKeepTheRest)
{
    s.image.set_byte(tender::offset_of(1) + tender::kFlags, 0xF8);
    s.image.set_byte(tender::offset_of(2) + tender::kFlags, 0x00);
    open_editor();
    const auto before = image();
    save();
    EXPECT_EQ(image(), before) << "saving unchanged keeps 0xF8 and every other byte";
    choose("Cmb_TenderingAmount2", 1);
    choose("Cmb_Drawer2", 1);
    choose("Cmb_Halo2", 4);
    save();
    EXPECT_EQ(byte(2, tender::kFlags), 0x05);
    EXPECT_EQ(byte(2, tender::kHdlo), 4);
    EXPECT_TRUE(changed_only_within(before, image(), tender::offset_of(2), tender::offset_of(3)));
    choose("Cmb_ChangeAllowed1", 1);
    save();
    EXPECT_EQ(byte(1, tender::kFlags), 0xFA);
}

TEST_F(TenderEditor, SavingUnchangedKeepsTheImage)
{
    expect_images_kept(
        [&](std::mt19937& random) {
            for (int t = 0; t < tender::kCount; ++t) {
                const std::size_t at = tender::offset_of(t);
                random_name(random, &s.image.bytes[at], 12, true);
                s.image.set_byte(at + tender::kHdlo, std::uint8_t(random() % 5));
            }
        },
        [&] {
            open_editor();
            save();
        });
}

}  // namespace
}  // namespace tw::test
