#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "image/file_access.h"
#include "reports/report_layouts.h"

namespace tw::xfer {

// The register's running totals, as a register keeps them between Z
// reports: the financial totals (Z1 and Z2 run over the same day here), the
// training totals, each clerk's in both modes, the departments, the PLUs,
// the hours and the electronic journal. Amounts are in the smallest currency
// unit, quantities in ten-thousandths.
struct TotalsValues {
    std::array<std::int64_t, 75> field{};  // in the order of TotalsBlock

    std::int64_t& operator[](const char* name);
    std::int64_t operator[](const char* name) const;
    void add(const TotalsValues& other);
};

struct ItemTotal {
    std::int64_t quantity = 0;
    std::int64_t amount = 0;
};

struct PluTotal {
    std::int64_t code = 0;
    ItemTotal price1, price2;
};

struct HourTotal {
    std::int64_t count = 0;
    std::int64_t amount = 0;
};

inline constexpr int kClerks = 15;
inline constexpr int kDepartments = 99;
inline constexpr std::size_t kJournalLineWidth = 24;
using JournalLine = std::array<std::uint8_t, kJournalLineWidth>;

struct RegisterTotals {
    TotalsValues z1, z2, training;
    std::int64_t grandTotal = 0;
    std::array<TotalsValues, kClerks> clerk{}, trainingClerk{};
    std::array<ItemTotal, kDepartments> department{};
    std::array<std::uint8_t, kDepartments> departmentGroup{};
    std::vector<PluTotal> plu;  // one per record of the register's PRG_PLU.BIN
    std::array<HourTotal, 24> hour{};
    std::int64_t receiptNumber = 0;
    std::vector<JournalLine> journal;

    // The totals file of the register's folder; a missing file is a register
    // without sales (all zero).
    static constexpr const char* kFileName = "TOTALS.BIN";
    static RegisterTotals load(const std::filesystem::path& registerFolder);
    bool save(const std::filesystem::path& registerFolder) const;

    // Report n's file in the register's layout; false for a report the
    // register cannot give from its totals.
    bool report_file(int n, int pluCapacity, Bytes& out) const;
};

// A signed amount or quantity in packed BCD with the register's sign digit:
// the most significant digit is 1 for a negative value.
void put_signed_bcd(std::uint8_t* out, int width, std::int64_t value);
// An unsigned number in packed BCD, low digit pair first.
void put_bcd(std::uint8_t* out, int width, std::uint64_t value);
// Packed BCD to a number; 0 when a nibble is not a digit.
std::int64_t read_bcd(const std::uint8_t* in, int width);

}  // namespace tw::xfer
