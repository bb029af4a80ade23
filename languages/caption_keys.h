#pragma once
#include <cstddef>
#include <span>
#include <string_view>

namespace tw {

// The caption keys, grouped by the screen that owns them. A caption file
// sets the text of these keys and of no other: the 528 keys of the register
// maker's caption files, then ours.
inline constexpr std::size_t kMakerCaptionKeyCount = 528;
inline constexpr std::size_t kOurCaptionKeyCount = 37;
inline constexpr std::size_t kCaptionKeyCount = kMakerCaptionKeyCount + kOurCaptionKeyCount;

struct CaptionKeyGroup {
    std::string_view prefix;  // FRM_ADVANCED_SETTING_ also holds FRM_ADVANCED_SETTINF_ keys
    std::string_view screen;
    std::span<const std::string_view> keys;
};

// Every key once, in the order of its group: the register maker's 528, then
// ours in groups of their own (a screen may have a group in each part).
std::span<const CaptionKeyGroup> caption_key_groups();

}  // namespace tw
