// The department group editor: ten names, one at a time, with their spaces.
#include <QLabel>

#include "image_checks.h"
#include "editors/sales/FrmDeptGroupSetting.h"
#include "editors/sales/dept_group_record.h"

namespace tw::test {
namespace {

class DeptGroupEditor : public RoundTripFixture {
protected:
    DeptGroupEditor()
    {
        for (int n = 1; n <= dept_group::kCount; ++n)
            s.image.set_text(s.codecs, dept_group::offset_of(n), 12, "GROUP " + std::to_string(n));
    }
    FrmDeptGroupSetting& open_editor() { return open<FrmDeptGroupSetting>(); }
    QString name() const { return field<QLineEdit>("E_Name")->text(); }
    std::string stored(int n) const { return s.image.text(s.codecs, dept_group::offset_of(n), 12); }
};

TEST_F(DeptGroupEditor, ShowsTheChosenGroupWithItsTrailingSpaces)
{
    s.image.set_text(s.codecs, dept_group::offset_of(7), 12, "");
    open_editor();
    EXPECT_EQ(screen()->windowTitle(), "Program Dept. Groups");
    EXPECT_EQ(field<QLabel>("L_Titolo")->text(), "PROGRAM DEPT. GROUPS");
    EXPECT_EQ(field<QLabel>("L_DeptGroupNumber")->text(), "Dept Group Number");
    EXPECT_EQ(field<QLabel>("L_Name")->text(), "Name");
    auto* number = field<QComboBox>("Cmb_DeptGroupNumber");
    ASSERT_EQ(number->count(), 10);
    EXPECT_EQ(number->itemText(9), "10");
    EXPECT_EQ(number->currentText(), "1");
    EXPECT_EQ(name(), "GROUP 1     ");
    EXPECT_EQ(field<QLineEdit>("E_Name")->maxLength(), 12);

    choose("Cmb_DeptGroupNumber", 7);
    EXPECT_EQ(name(), QString(12, ' ')) << "twelve spaces stay twelve spaces";
    choose("Cmb_DeptGroupNumber", 10);
    EXPECT_EQ(name(), "GROUP 10    ");
}

TEST_F(DeptGroupEditor, SaveStoresOnlyTheShownGroupAndKeepsItChosen)
{
    open_editor();
    choose("Cmb_DeptGroupNumber", 4);
    type_into("E_Name", "BAKERY");
    const auto before = image();
    save();
    EXPECT_EQ(stored(4), "BAKERY      ");
    EXPECT_EQ(dept_group::offset_of(4), 3137u);
    EXPECT_TRUE(changed_only_within(before, image(), 3137, 3149));
    EXPECT_EQ(saved_file(), image());
    EXPECT_EQ(field<QComboBox>("Cmb_DeptGroupNumber")->currentText(), "4") << "the chosen group stays";

    // An edit left by choosing another group is lost.
    type_into("E_Name", "DAIRY");
    choose("Cmb_DeptGroupNumber", 5);
    choose("Cmb_DeptGroupNumber", 4);
    EXPECT_EQ(name(), "BAKERY      ");

    open_editor();
    choose("Cmb_DeptGroupNumber", 4);
    EXPECT_EQ(name(), "BAKERY      ") << "reopening shows what was saved";
}

TEST_F(DeptGroupEditor, ATextPastTwelveCharactersIsRefused)
{
    open_editor();
    type_into("E_Name", "ABCDEFGHIJKLMN");
    EXPECT_EQ(name(), "ABCDEFGHIJKL");
    save();
    EXPECT_EQ(stored(1), "ABCDEFGHIJKL");
}

TEST_F(DeptGroupEditor, SavingEveryGroupUnchangedKeepsTheImage)
{
    expect_images_kept(
        [&](std::mt19937& random) {
            random_name(random, &s.image.bytes[prg::DeptGroupNames.offset], prg::DeptGroupNames.size, false);
        },
        [&] {
            open_editor();
            for (int n = 1; n <= dept_group::kCount; ++n) {
                choose("Cmb_DeptGroupNumber", n);
                save();
            }
        });
}

}  // namespace
}  // namespace tw::test
