#pragma once
#include <array>
#include <string>
#include <vector>

#include "editors/common/field.h"
#include "languages/caption_texts.h"

namespace tw {

// The choice lists that many editors share, each defined once. The names say
// the list order: YES/NO stores 0 for YES, NO/YES stores 0 for NO.
namespace choices {
inline constexpr Choice kYesNo[] = {{0, "FRM_ALL_YES", "YES"}, {1, "FRM_ALL_NO", "NO"}};
inline constexpr Choice kNoYes[] = {{0, "FRM_ALL_NO", "NO"}, {1, "FRM_ALL_YES", "YES"}};
inline constexpr Choice kEnableDisable[] = {{0, "FRM_ALL_ENABLE", "ENABLE"}, {1, "FRM_ALL_DISABLE", "DISABLE"}};
inline constexpr Choice kDisableEnable[] = {{0, "FRM_ALL_DISABLE", "DISABLE"}, {1, "FRM_ALL_ENABLE", "ENABLE"}};
inline constexpr Choice kPrintNotPrint[] = {{0, "FRM_ALL_PRINT", "PRINT"}, {1, "FRM_ALL_NOTPRINT", "NOT PRINT"}};
inline constexpr Choice kNotPrintPrint[] = {{0, "FRM_ALL_NOTPRINT", "NOT PRINT"}, {1, "FRM_ALL_PRINT", "PRINT"}};
inline constexpr Choice kInputNoInput[] = {{0, "FRM_ALL_INPUT", "INPUT"}, {1, "FRM_ALL_NOINPUT", "NO INPUT"}};
inline constexpr Choice kSoundNoSound[] = {{0, "FRM_ALL_SOUND", "SOUND"}, {1, "FRM_ALL_NOSOUND", "NO SOUND"}};
inline constexpr Choice kOpenClosed[] = {{0, "FRM_ALL_OPEN", "OPEN"}, {1, "FRM_ALL_CLOSED", "CLOSED"}};
inline constexpr Choice kActiveInactive[] = {{0, "FRM_ALL_ACTIVE", "ACTIVE"}, {1, "FRM_ALL_INACTIVE", "INACTIVE"}};
inline constexpr Choice kInactiveActive[] = {{0, "FRM_ALL_INACTIVE", "INACTIVE"}, {1, "FRM_ALL_ACTIVE", "ACTIVE"}};
inline constexpr Choice kPositiveNegative[] = {{0, "FRM_ALL_POSITIVE", "POSITIVE"}, {1, "FRM_ALL_NEGATIVE", "NEGATIVE"}};
inline constexpr Choice kNormalSingle[] = {{0, "FRM_ALL_NORMAL", "NORMAL"}, {1, "FRM_ALL_SINGLE", "SINGLE"}};
inline constexpr Choice kOpenNormalPreset[] = {
    {0, "FRM_ALL_OPEN", "OPEN"}, {1, "FRM_ALL_NORMAL", "NORMAL"}, {2, "FRM_ALL_PRESET", "PRESET"}};
// The high digit lock-out: how many digits an amount may have.
inline constexpr Choice kHdlo[] = {
    {0, "FRM_ALL_NO_LIMIT", "NO LIMIT"}, {1, "FRM_ALL_1DIGITS", "(0 - 0.99)"}, {2, "FRM_ALL_2DIGITS", "(0 - 9.99)"},
    {3, "FRM_ALL_3DIGITS", "(0 - 99.99)"}, {4, "FRM_ALL_4DIGITS", "(0 - 999.99)"}};
// The tax classes of departments and PLUs.
inline constexpr Choice kTax[] = {
    {0, "FRM_ALL_TAX_0_MSG", "NON TAXABLE"}, {1, "FRM_ALL_TAX_1_MSG", "TAX1 TAXABLE"},
    {2, "FRM_ALL_TAX_2_MSG", "TAX2 TAXABLE"}, {3, "FRM_ALL_TAX_3_MSG", "TAX3 TAXABLE"},
    {4, "FRM_ALL_TAX_4_MSG", "TAX4 TAXABLE"}};
// The sign of a percentage or plus/minus key; its caption texts begin with
// their own space, so the label keeps the point tight ("0. ADD ON").
inline constexpr Choice kAddOnDiscount[] = {{0, "FRM_ALL_ADDON", "ADD ON"}, {1, "FRM_ALL_DISCOUNT", "DISCOUNT"}};
// Bare numbers: the choice text is the number alone ("42").
inline constexpr auto kNumbers = [] {
    std::array<Choice, 100> all{};
    for (int n = 0; n < 100; ++n)
        all[std::size_t(n)] = {n, nullptr, nullptr};
    return all;
}();
}  // namespace choices

inline constexpr ChoiceSet kYesNo{choices::kYesNo};
inline constexpr ChoiceSet kNoYes{choices::kNoYes};
inline constexpr ChoiceSet kEnableDisable{choices::kEnableDisable};
inline constexpr ChoiceSet kDisableEnable{choices::kDisableEnable};
inline constexpr ChoiceSet kPrintNotPrint{choices::kPrintNotPrint};
inline constexpr ChoiceSet kNotPrintPrint{choices::kNotPrintPrint};
inline constexpr ChoiceSet kInputNoInput{choices::kInputNoInput};
inline constexpr ChoiceSet kSoundNoSound{choices::kSoundNoSound};
inline constexpr ChoiceSet kOpenClosed{choices::kOpenClosed};
inline constexpr ChoiceSet kActiveInactive{choices::kActiveInactive};
inline constexpr ChoiceSet kInactiveActive{choices::kInactiveActive};
inline constexpr ChoiceSet kPositiveNegative{choices::kPositiveNegative};
inline constexpr ChoiceSet kNormalSingle{choices::kNormalSingle};
inline constexpr ChoiceSet kOpenNormalPreset{choices::kOpenNormalPreset};
inline constexpr ChoiceSet kHdlo{choices::kHdlo};
inline constexpr ChoiceSet kTax{choices::kTax};
inline constexpr ChoiceSet kAddOnDiscount{choices::kAddOnDiscount, true};
// The bare numbers 0 to `last` (at most 99).
inline constexpr ChoiceSet numbers_up_to(std::size_t last) { return {std::span(choices::kNumbers).first(last + 1)}; }
// A list of bare numbers, whose texts are the stored numbers themselves.
bool is_bare_numbers(const ChoiceSet& set);

// The texts of a choice list in its order: the number, ". " and the caption
// of the key, or the English text; a fixed text (null key) always; the bare
// number when the choice has no text at all.
std::vector<std::string> choice_labels(const CaptionTexts& captions, const ChoiceSet& set);

// What a grid cell shows for a stored value: the part of its choice text
// after the first space; empty when no choice has the value.
std::string label_after_space(const std::vector<std::string>& labels, const ChoiceSet& set, long long value);
// The whole choice text; empty when no choice has the value.
std::string whole_label(const std::vector<std::string>& labels, const ChoiceSet& set, long long value);

}  // namespace tw
