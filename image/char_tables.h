#pragma once
#include <array>
#include <cstdint>

namespace tw {

// The two fixed byte maps between Windows-1252 (the PC side) and the
// register's own character set. They are not inverses of each other.
struct CharTables {
    std::array<std::uint8_t, 256> ToRegisterTable{};
    std::array<std::uint8_t, 256> FromRegisterTable{};
};

// Builds both tables: identity below 127, 127 (to the register) or 215
// (from the register) from 127 up, then the listed exceptions.
CharTables build_char_tables();

}  // namespace tw
