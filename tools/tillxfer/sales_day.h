#pragma once
#include <cstdint>

#include "image/file_access.h"
#include "tools/tillxfer/register_totals.h"

namespace tw::xfer {

// A day of transactions rung up on the register over its own programming
// (PRG_MODE.BIN and PRG_PLU.BIN as it holds them): items by PLU and by
// department key, quantities, voids, refunds, the % and ± keys on items and
// on the subtotal, payments across the tenders and the foreign currencies,
// received-on-account, paid-out, no-sale and cancelled transactions,
// training-mode sales by training clerks, receipts spread over the hours
// from 8 to 21. The same seed and count give the same day.
struct SalesDay {
    std::uint64_t seed = 1;
    int transactions = 100;
};

// Adds the day to `totals` and its receipts to the journal. Department keys
// ring only departments that no PLU is linked to, so that every department
// with PLUs totals exactly what its PLUs sold.
void ring_up_day(const Bytes& prgMode, const Bytes& prgPlu, int pluCapacity, const SalesDay& day,
                 RegisterTotals& totals);

}  // namespace tw::xfer
