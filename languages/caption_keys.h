#pragma once
#include <cstddef>
#include <span>
#include <string_view>

namespace tw {

// The caption keys, grouped by the screen that owns them. A caption file
// sets the text of these keys and of no other.
inline constexpr std::size_t kCaptionKeyCount = 528;

struct CaptionKeyGroup {
    std::string_view prefix;  // FRM_ADVANCED_SETTING_ also holds FRM_ADVANCED_SETTINF_ keys
    std::string_view screen;
    std::span<const std::string_view> keys;
};

// Every key once, in the order of its group; 528 in all.
std::span<const CaptionKeyGroup> caption_key_groups();

}  // namespace tw
