#include "editors/sales/FrmTenderMenuSetting.h"

#include "editors/common/choice_sets.h"
#include "editors/common/indexed_name.h"
#include "editors/sales/tender_record.h"

namespace tw {

namespace {
constexpr Choice kTenderingAmount[] = {{0, "FRM_TENDER_MENU_SETTING_CMB_TENDERING_AMOUNT_0_MSG", "NOT COMPULSORY"},
                                       {1, "FRM_TENDER_MENU_SETTING_CMB_TENDERING_AMOUNT_1_MSG", "COMPULSORY"}};
constexpr Choice kChangeAllowed[] = {{0, "FRM_TENDER_MENU_SETTING_CMB_CHANGE_ALLOWED_0_MSG", "YES"},
                                     {1, "FRM_TENDER_MENU_SETTING_CMB_CHANGE_ALLOWED_1_MSG", "NO"}};

// Control arrays indexed by tender, with their label arrays.
constexpr auto kName = indexed_names<tender::kCount>("E_Name");
constexpr auto kHalo = indexed_names<tender::kCount>("Cmb_Halo");
constexpr auto kAmount = indexed_names<tender::kCount>("Cmb_TenderingAmount");
constexpr auto kChange = indexed_names<tender::kCount>("Cmb_ChangeAllowed");
constexpr auto kDrawer = indexed_names<tender::kCount>("Cmb_Drawer");
constexpr auto kNameLabel = indexed_names<tender::kCount>("L_Nome");
constexpr auto kHaloLabel = indexed_names<tender::kCount>("L_Hdlo");
constexpr auto kAmountLabel = indexed_names<tender::kCount>("L_TenderingAmount");
constexpr auto kChangeLabel = indexed_names<tender::kCount>("L_ChangeAllowed");
constexpr auto kDrawerLabel = indexed_names<tender::kCount>("L_Drawer");

// The name shows without its leading and trailing spaces (and is saved so);
// an HDLO outside 0 to 4 shows empty and saves 0; the flags keep bits 3 to 7.
constexpr std::array<Field, 5> tender_fields(int t)
{
    const std::size_t at = tender::offset_of(t);
    Field name{kName[t].c_str(), "FRM_TENDER_MENU_SETTING_L_NOME", "Name",
               register_text_at(at + tender::kName, int(prg::kTenderNameWidth)), {}, {}, On4410::Shown,
               kNameLabel[t].c_str()};
    name.trimLeading = true;
    return {name,
            {kHalo[t].c_str(), "FRM_TENDER_MENU_SETTING_L_HDLO", "HDLO", byte_at(at + tender::kHdlo), kHdlo, {},
             On4410::Shown, kHaloLabel[t].c_str()},
            {kAmount[t].c_str(), "FRM_TENDER_MENU_SETTING_L_TENDERING_AMOUNT", "Amount", bit_at(at + tender::kFlags, 0),
             {kTenderingAmount}, {}, On4410::Shown, kAmountLabel[t].c_str()},
            {kChange[t].c_str(), "FRM_TENDER_MENU_SETTING_L_CHANGE_ALLOWED", "Change Allowed",
             bit_at(at + tender::kFlags, 1), {kChangeAllowed}, {}, On4410::Shown, kChangeLabel[t].c_str()},
            {kDrawer[t].c_str(), "FRM_TENDER_MENU_SETTING_L_DRAWER", "Drawer", bit_at(at + tender::kFlags, 2),
             kOpenClosed, {}, On4410::Shown, kDrawerLabel[t].c_str()}};
}

constexpr auto kTenders = [] {
    std::array<std::array<Field, 5>, tender::kCount> all{};
    for (int t = 0; t < tender::kCount; ++t)
        all[std::size_t(t)] = tender_fields(t);
    return all;
}();

// Tenders 3 to 8 are the cards 1 to 6, one on each tab.
constexpr int kCards = 6;
constexpr auto kCardKeys = indexed_names<kCards>("FRM_TENDER_MENU_SETTING_F_PAYMENT", 3);
constexpr auto kCardTitles = indexed_names<kCards>("CARD ", 1);
constexpr auto kCardGroups = [] {
    std::array<std::array<OptionGroup, 1>, kCards> groups{};
    for (std::size_t k = 0; k < kCards; ++k)
        groups[k] = {rows(kTenders[k + 3])};
    return groups;
}();
constexpr auto kCardTabs = [] {
    std::array<OptionTab, kCards> tabs{};
    for (std::size_t k = 0; k < kCards; ++k)
        tabs[k] = {kCardKeys[k].c_str(), kCardTitles[k].c_str(), kCardGroups[k]};
    return tabs;
}();

// The register's reports count cash first and check second, so tender 0 is
// the cash tender (captioned TOTAL) and tender 1 the check tender; each
// keeps its five fields in one frame. A frame is named after its caption key.
constexpr OptionGroup kGroups[] = {
    frame("F_Payment2", "FRM_TENDER_MENU_SETTING_F_PAYMENT2", "CHARGE", kTenders[2]),
    tab_set("Tab_Credit", kCardTabs),
    frame("F_Payment0", "FRM_TENDER_MENU_SETTING_F_PAYMENT0", "CHECK", kTenders[1]),
    frame("F_Payment1", "FRM_TENDER_MENU_SETTING_F_PAYMENT1", "TOTAL", kTenders[0]),
};

const OptionPage kPage{
    {"FrmTenderMenuSetting", "FRM_TENDER_MENU_SETTING_TITLE", "Program Payment Media", nullptr, nullptr},
    kGroups,
};
}  // namespace

FrmTenderMenuSetting::FrmTenderMenuSetting(ScreenContext& context, QWidget* caller)
    : OptionEditor(context, caller, kPage)
{
}

}  // namespace tw
