#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/default_files.h"
#include "image/programming_image.h"

namespace tw::keyboard {

// The register's keyboard: 53 key positions in rows of 11 from the top left
// (the last row has 9). Each position holds the key code of its function.
inline constexpr int kPositions = 53;
inline constexpr int kColumns = 11;
inline constexpr int kRows = 5;
// 33 positions are freely assignable and shown as preview keys 1 to 33;
// the others are the register's fixed keys and keep their codes.
inline constexpr int kPreviewKeys = 33;
inline constexpr int kChains = 5;
inline constexpr int kPopLists = 5;
static_assert(kPositions == std::size_t(prg::KeyboardLayout.size));
static_assert(kPositions == int(kKeyDefaultSize));

using KeyLayout = std::array<std::uint8_t, kPositions>;

// A function that can be put on a key: its code and fixed English name.
struct KeyName {
    std::uint8_t code;
    const char* name;
};
// Every named code, in code order, NO OPERATION (255) last.
std::span<const KeyName> named_key_codes();
// The name of a code; empty for a code without a name.
std::string key_code_name(std::uint8_t code);

// The preview key (1 to 33) of a position, 0 for a fixed key.
int preview_key_of(int position);
// The first position that preview key k (1 to 33) shows; -1 for none.
int position_of(int previewKey);

KeyLayout read_layout(const ProgrammingImage& image);
// Copies the positions with a preview key into the image; the fixed keys
// keep the codes stored there.
void store_shown_keys(ProgrammingImage& image, const KeyLayout& layout);

// Puts a code on a position. A function other than NO OPERATION is on one
// key at most: every other position holding it becomes NO OPERATION. Returns
// those positions.
std::vector<int> put_key(KeyLayout& layout, int position, std::uint8_t code);

// A check box over one bit of a report chain (2 bytes) or a pop-up key list
// (4 bytes).
struct BitFlag {
    const char* name;     // the control
    const char* key;      // caption key; null for a fixed caption
    const char* english;
    std::size_t byte;  // from the start of the chain or list
    int bit;           // 0 = least significant
    std::uint8_t defaultLists = 0;  // pop-up lists (bit 0 = list 1) ticking it by default
    const char* englishOnCopies = nullptr;  // the caption on lists 2 to 5, when it differs
};

inline constexpr std::size_t kChainSize = 2;
inline constexpr std::size_t kPopListSize = 4;
static_assert(prg::ChainFunctions.size == kChains * kChainSize);
static_assert(prg::PopLists.size == kPopLists * kPopListSize);

// Chain n and pop-up list n (0 to 4) in the image.
std::span<std::uint8_t> chain_bytes(ProgrammingImage& image, int n);
std::span<std::uint8_t> pop_list_bytes(ProgrammingImage& image, int n);

// The nine reports of a chain and the 27 functions of a pop-up list; the
// bits not named here are kept as stored.
std::span<const BitFlag> chain_reports();
std::span<const BitFlag> pop_list_functions();

// The English caption of a pop-up function's box on list n (0 to 4).
inline const char* pop_list_caption(const BitFlag& flag, int list)
{
    return list > 0 && flag.englishOnCopies ? flag.englishOnCopies : flag.english;
}

inline bool ticked_by_default(const BitFlag& flag, int list) { return (flag.defaultLists >> list) & 1; }

}  // namespace tw::keyboard
