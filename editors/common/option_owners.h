#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "editors/common/field.h"

namespace tw {

// The option bytes of the image that several screens share bit by bit
// (offsets 0 to 20, 55 to 62, 167 and 168), and which screen owns which of
// their bits. A bit that no screen owns travels through every save unchanged.
struct OptionBits {
    const char* screen;
    std::size_t offset;
    std::uint8_t mask;
};

std::span<const OptionBits> option_owners();

bool is_shared_option_byte(std::size_t offset);

// The bits of the byte at `offset` that `screen` owns; 0 for none.
std::uint8_t owned_bits(std::string_view screen, std::size_t offset);

// The bytes a place covers, each with the bits of it that the place uses.
struct ByteBits {
    std::size_t offset;
    std::uint8_t mask;
};
std::vector<ByteBits> place_bits(const Place& place);

}  // namespace tw
