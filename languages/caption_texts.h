#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// One text slot per caption key of the current language (Windows-1252).
// Every slot starts empty and changes only when a caption file sets it; a
// key that a later file lacks keeps the text an earlier file gave it.
class CaptionTexts {
public:
    CaptionTexts();

    // The slot of a known key, or -1. Keys are compared exactly, letter case
    // and spaces included.
    static int index_of(std::string_view key);

    // The slot's text; "" for an empty slot or an unknown key.
    const std::string& text(std::string_view key) const;
    // Stores the text of a known key; false (nothing stored) for any other.
    bool set(std::string_view key, std::string value);
    std::size_t size() const { return slots_.size(); }

    // The caption rule every screen follows: the slot's text when it is not
    // empty, else the screen's built-in English text.
    std::string caption(std::string_view key, std::string_view english) const;

    // A choice text: the stored number, ". " and the caption ("2. TAX2 TAXABLE").
    std::string choice_label(int number, std::string_view key, std::string_view english) const;
    // The sign choices of the percentage and plus/minus keys put the caption
    // right after the point ("1.SCONTO"); without a caption they read as
    // choice_label does ("1. DISCOUNT").
    std::string tight_choice_label(int number, std::string_view key, std::string_view english) const;

private:
    std::vector<std::string> slots_;
};

}  // namespace tw
