// The whole way a user takes, with the real start-up, the real bridge library
// and tillxfer with its virtual register.
#include <filesystem>

#include <gtest/gtest.h>

#include "app/NumericField.h"
#include "app/startup.h"
#include "tools/tillxfer_rig.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

TEST(EndToEnd, NewProgrammingForModel4430WithVatRate1At22500ReachesTheRegister)
{
    TillXferRig rig;
    RigSettings settings;
    settings.model = "4430";
    rig.write_settings(settings);
    // The program's own Setup, help and model defaults, as shipped.
    for (const char* folder : {"Setup", "help", "Dati"})
        fs::copy(fs::path(TW_BUNDLE_DIR) / folder, rig.path(folder),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const Bytes defaults = read_bytes(rig.path("Dati/ECR4430/ECR4430_PRG_MODE.BIN"));
    UiHarness h(rig.app_dir());
    run_startup(h.session);
    h.start();

    click("C_4430");
    click("C_NuovaProgrammazione");  // answered Yes
    click("C_ProgramMode");
    click("C_SetVatRate");
    auto* rate1 = control<NumericField>(visible_window(), "E_VatRate1");
    focus(rate1);
    rate1->clear();
    QTest::keyClicks(rate1, "22500");
    QTest::keyClick(rate1, Qt::Key_Return);
    click("C_Salva");
    click("C_Invia_Ecr");

    const Bytes inRegister = read_bytes(rig.memory("PRG_MODE.BIN"));
    ASSERT_EQ(inRegister.size(), 7078u);
    EXPECT_EQ(Bytes(inRegister.begin() + 31, inRegister.begin() + 35), (Bytes{0x00, 0x25, 0x02, 0x00}));
    Bytes expected = defaults;
    std::copy_n(inRegister.begin() + 31, 4, expected.begin() + 31);
    EXPECT_EQ(inRegister, expected) << "the rest is the model's default programming";

    click("C_Annulla");
    click("C_Exit");
    click("C_Exit");
    click("C_Back");
    click("C_Exit");
    EXPECT_TRUE(h.effects.boxes.size() == 1 && h.effects.boxes[0].text == "Overwrite current setting with default?")
        << "no message but the new-programming question";
    const auto log = h.log();
    ASSERT_EQ(log.size(), 2u) << "no error line, but: " << testing::PrintToString(log);
    EXPECT_EQ(log[0].rfind("Start Programm V. 3.1.8 So: ", 0), 0u);
    EXPECT_EQ(log[1], "End Programm");
}

}  // namespace
}  // namespace tw::test
