#include "editors/system/FrmInitialMenu.h"

#include "app/ChoiceField.h"
#include "app/session.h"
#include "editors/common/choice_sets.h"
#include "languages/register_texts.h"

namespace tw {

namespace {
// The ninth label, FRM_INITIAL_MENU_CMB_LINGUA4_0_MSG "8. CUSTOM", is never offered.
constexpr Choice kLanguage[] = {
    {0, "FRM_INITIAL_MENU_CMB_LINGUA0_MSG", "ENGLISH"},    {1, "FRM_INITIAL_MENU_CMB_LINGUA1_MSG", "SPANISH"},
    {2, "FRM_INITIAL_MENU_CMB_LINGUA2_MSG", "FRENCH"},     {3, "FRM_INITIAL_MENU_CMB_LINGUA3_MSG", "GERMAN"},
    {4, "FRM_INITIAL_MENU_CMB_LINGUA4_1_MSG", "DUTCH"},    {5, "FRM_INITIAL_MENU_CMB_LINGUA4_2_MSG", "PORTOGUESE"},
    {6, "FRM_INITIAL_MENU_CMB_LINGUA4_3_MSG", "DANISH"},   {7, "FRM_INITIAL_MENU_CMB_LINGUA4_4_MSG", "SWEDISH"},
};
constexpr Choice kDateFormat[] = {{0, "FRM_INITIAL_MENU_CMB_DATA_FORMAT0_MSG", "MM-DD-YY"},
                                  {1, "FRM_INITIAL_MENU_CMB_DATA_FORMAT1_MSG", "DD-MM-YY"}};
constexpr Choice kTimeFormat[] = {{0, "FRM_INITIAL_MENU_CMB_TIME_FORMAT0_MSG", "24 HOUR"},
                                  {1, "FRM_INITIAL_MENU_CMB_TIME_FORMAT1_MSG", "12 HOUR"}};
constexpr Choice kWindingMotor[] = {{0, "FRM_INITIAL_MENU_CMB_WINDING_MOTOR0_MSG", "ONLY EJ"},
                                    {1, "FRM_INITIAL_MENU_CMB_WINDING_MOTOR1_MSG", "PRG, X.Z MODE"}};
constexpr Choice kRounding[] = {{0, "FRM_ALL_NO", "NO"},
                                {1, "FRM_INITIAL_MENU_CMB_EU_ROUNDING1_MSG", "SWISS"},
                                {2, "FRM_INITIAL_MENU_CMB_EU_ROUNDING2_MSG", "SWEDISH"},
                                {3, "FRM_INITIAL_MENU_CMB_EU_ROUNDING3_MSG", "DANISH"},
                                {4, "FRM_INITIAL_MENU_CMB_EU_ROUNDING4_MSG", "EURO"}};
constexpr Choice kRegisterMode[] = {{0, "FRM_INITIAL_MENU_CMB_REGISTER_MODE0_MSG", "JOURNAL MODE"},
                                    {1, "FRM_INITIAL_MENU_CMB_REGISTER_MODE1_MSG", "RECEIPT MODE"}};

constexpr std::size_t kLanguageOffset = 0;

constexpr Field kFields[] = {
    {"Cmb_Lingua", "FRM_INITIAL_MENU_L_LANGUAGE", "Language", byte_at(kLanguageOffset), {kLanguage}},
    {"Cmb_DateFormat", "FRM_INITIAL_MENU_L_DATE_FORMAT", "Date Format", bit_at(9, 0), {kDateFormat}},
    {"Cmb_TimeFormat", "FRM_INITIAL_MENU_L_TIME_FORMAT", "Time Format", bit_at(9, 1), {kTimeFormat}},
    {"Cmb_KeyTone", "FRM_INITIAL_MENU_L_KEY_TONE", "Key Tone", bit_at(9, 2), kSoundNoSound},
    {"Cmb_WindingMotor", "FRM_INITIAL_MENU_L_WINDING_MOTOR", "Winding Motor", bit_at(10, 0), {kWindingMotor}},
    {"Cmb_EuRoundigSel", "FRM_INITIAL_MENU_L_EUROPEAN_ROUNDING_SEL", "European Rounding Selection", byte_at(4),
     {kRounding}},
    {"Cmb_RegisterMode", "FRM_INITIAL_MENU_L_REGISTER_MODE_MSG", "Register Mode", bit_at(11, 4), {kRegisterMode}},
};
constexpr OptionGroup kGroups[] = {rows(kFields)};

const OptionPage kInitialMenu{
    {"FrmInitialMenu", "FRM_INITIAL_MENU_TITLE", "Initial Setup", "FRM_INITIAL_MENU_L_TITOLO", "INITIAL SETUP MENU"},
    kGroups};
}  // namespace

FrmInitialMenu::FrmInitialMenu(ScreenContext& context, QWidget* caller) : OptionEditor(context, caller, kInitialMenu)
{
}

const OptionPage& FrmInitialMenu::page() { return kInitialMenu; }

void FrmInitialMenu::save_fields()
{
    Session& s = session();
    // No language chosen (a stored byte outside the list) counts as 0.
    const int language = field("Cmb_Lingua").choice()->number();
    const bool changed = language != s.image.byte(kLanguageOffset);
    if (changed)
        s.effects.message_box(s.language.captions.caption("MSG_CHANGE_LANGUAGE_STR",
                                                          "Changing the language resets all ECR parameters"),
                              MsgButtons::Ok, MsgIcon::Information);
    OptionEditor::save_fields();
    if (changed && Setta_ligua(s.image, language, s.codecs, s.dirs.SetupDir, s.log) == RegisterTextsResult::Missing)
        s.effects.message_box(s.language.captions.caption("MSG_FILE_LANG_NOT_PRESET_STR",
                                                          "Warning! The Language file definition is not present"),
                              MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace tw
