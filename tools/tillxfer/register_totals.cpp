#include "tools/tillxfer/register_totals.h"

#include <cstring>
#include <stdexcept>
#include <string_view>

namespace tw::xfer {

namespace {

std::size_t field_index(const char* name)
{
    for (std::size_t i = 0; i < TotalsBlock.size(); ++i)
        if (std::string_view(TotalsBlock[i].name) == name)
            return i;
    throw std::invalid_argument(std::string("no totals field ") + name);
}

// The totals file: a plain sequence of little-endian 64-bit numbers.
class Writer {
public:
    void number(std::int64_t v)
    {
        for (int i = 0; i < 8; ++i)
            bytes.push_back(std::uint8_t(std::uint64_t(v) >> (8 * i)));
    }
    void block(const TotalsValues& t)
    {
        for (std::int64_t v : t.field)
            number(v);
    }
    Bytes bytes;
};

class Reader {
public:
    explicit Reader(const Bytes& b) : b_(b) {}
    std::int64_t number()
    {
        if (at_ + 8 > b_.size())
            throw std::runtime_error("totals file too short");
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v |= std::uint64_t(b_[at_ + std::size_t(i)]) << (8 * i);
        at_ += 8;
        return std::int64_t(v);
    }
    // A count of entries of `bytesEach` bytes that the rest of the file holds;
    // a damaged count throws before anything is allocated for it.
    std::size_t count(std::size_t bytesEach)
    {
        const std::int64_t n = number();
        if (n < 0 || std::uint64_t(n) > (b_.size() - at_) / bytesEach)
            throw std::runtime_error("totals file too short");
        return std::size_t(n);
    }
    void block(TotalsValues& t)
    {
        for (std::int64_t& v : t.field)
            v = number();
    }

private:
    const Bytes& b_;
    std::size_t at_ = 0;
};

constexpr std::int64_t kMagic = 0x534C41544F54ULL;  // "TOTALS"

void put_block(std::uint8_t* out, const TotalsValues& t)
{
    for (std::size_t i = 0; i < TotalsBlock.size(); ++i) {
        const TotalsField& f = TotalsBlock[i];
        if (f.kind == FieldKind::Amount)
            put_signed_bcd(out + f.offset, 8, t.field[i]);
        else
            put_bcd(out + f.offset, 2, std::uint64_t(t.field[i] % 10000));
    }
}

}  // namespace

std::int64_t& TotalsValues::operator[](const char* name) { return field[field_index(name)]; }
std::int64_t TotalsValues::operator[](const char* name) const { return field[field_index(name)]; }

void TotalsValues::add(const TotalsValues& other)
{
    for (std::size_t i = 0; i < field.size(); ++i)
        field[i] += other.field[i];
}

void put_bcd(std::uint8_t* out, int width, std::uint64_t value)
{
    for (int i = 0; i < width; ++i) {
        const unsigned pair = unsigned(value % 100);
        value /= 100;
        out[i] = std::uint8_t(((pair / 10) << 4) | (pair % 10));
    }
}

void put_signed_bcd(std::uint8_t* out, int width, std::int64_t value)
{
    std::uint64_t magnitude = value < 0 ? std::uint64_t(-value) : std::uint64_t(value);
    std::uint64_t limit = 1;
    for (int i = 0; i < 2 * width - 1; ++i)
        limit *= 10;
    magnitude %= limit;
    put_bcd(out, width, value < 0 ? magnitude + limit : magnitude);
}

std::int64_t read_bcd(const std::uint8_t* in, int width)
{
    std::int64_t v = 0;
    for (int i = width - 1; i >= 0; --i) {
        const int hi = in[i] >> 4, lo = in[i] & 0x0F;
        if (hi > 9 || lo > 9)
            return 0;
        v = v * 100 + hi * 10 + lo;
    }
    return v;
}

RegisterTotals RegisterTotals::load(const std::filesystem::path& folder)
{
    RegisterTotals t;
    Bytes b;
    bool missing = false;
    if (!read_whole_file((folder / kFileName).string(), b, missing) || missing)
        return t;
    Reader r(b);
    if (r.number() != kMagic)
        throw std::runtime_error("not a totals file");
    r.block(t.z1);
    r.block(t.z2);
    r.block(t.training);
    t.grandTotal = r.number();
    for (auto& c : t.clerk)
        r.block(c);
    for (auto& c : t.trainingClerk)
        r.block(c);
    for (int d = 0; d < kDepartments; ++d) {
        t.department[std::size_t(d)] = {r.number(), r.number()};
        t.departmentGroup[std::size_t(d)] = std::uint8_t(r.number());
    }
    t.plu.resize(r.count(5 * 8));
    for (PluTotal& p : t.plu) {
        p.code = r.number();
        p.price1 = {r.number(), r.number()};
        p.price2 = {r.number(), r.number()};
    }
    for (HourTotal& h : t.hour)
        h = {r.number(), r.number()};
    t.receiptNumber = r.number();
    t.journal.resize(r.count((JournalLine().size() + 7) / 8 * 8));
    for (JournalLine& line : t.journal)
        for (std::size_t i = 0; i < line.size(); i += 8) {
            const std::int64_t v = r.number();
            for (std::size_t k = 0; k < 8; ++k)
                line[i + k] = std::uint8_t(std::uint64_t(v) >> (8 * k));
        }
    return t;
}

bool RegisterTotals::save(const std::filesystem::path& folder) const
{
    Writer w;
    w.number(kMagic);
    w.block(z1);
    w.block(z2);
    w.block(training);
    w.number(grandTotal);
    for (const auto& c : clerk)
        w.block(c);
    for (const auto& c : trainingClerk)
        w.block(c);
    for (int d = 0; d < kDepartments; ++d) {
        w.number(department[std::size_t(d)].quantity);
        w.number(department[std::size_t(d)].amount);
        w.number(departmentGroup[std::size_t(d)]);
    }
    w.number(std::int64_t(plu.size()));
    for (const PluTotal& p : plu) {
        w.number(p.code);
        w.number(p.price1.quantity);
        w.number(p.price1.amount);
        w.number(p.price2.quantity);
        w.number(p.price2.amount);
    }
    for (const HourTotal& h : hour) {
        w.number(h.count);
        w.number(h.amount);
    }
    w.number(receiptNumber);
    w.number(std::int64_t(journal.size()));
    for (const JournalLine& line : journal)
        for (std::size_t i = 0; i < line.size(); i += 8) {
            std::uint64_t v = 0;
            for (std::size_t k = 0; k < 8; ++k)
                v |= std::uint64_t(line[i + k]) << (8 * k);
            w.number(std::int64_t(v));
        }
    return replace_file_atomically((folder / kFileName).string(), w.bytes);
}

bool RegisterTotals::report_file(int n, int pluCapacity, Bytes& out) const
{
    const ReportRecordLayout layout = report_record_layout(n, pluCapacity);
    if (layout.size == 0)
        return false;
    if (n == 16) {
        out.assign(journal.size() * layout.size, 0);
        for (std::size_t i = 0; i < journal.size(); ++i)
            std::memcpy(&out[i * layout.size], journal[i].data(), kJournalLineWidth);
        return true;
    }
    out.assign(std::size_t(layout.count) * layout.size, 0);
    std::uint8_t* r = out.data();
    switch (n) {
    case 3: {
        const char* drawers[] = {"CashInDrawerTotal", "CheckInDrawerTotal", "ChargeInDrawerTotal",
                                 "Credit1InDrawerTotal", "Credit2InDrawerTotal"};
        for (int i = 0; i < 5; ++i)
            put_signed_bcd(r + 8 * i, 8, z1[drawers[i]]);
        break;
    }
    case 4:
    case 13:
    case 14: {
        const TotalsValues& t = n == 4 ? z1 : n == 14 ? z2 : training;
        put_block(r, t);
        put_signed_bcd(r + kTotalsBlockSize, 8, n == 13 ? 0 : grandTotal);
        break;
    }
    case 5:
        for (int d = 0; d < kDepartments; ++d) {
            std::uint8_t* rec = r + std::size_t(d) * layout.size;
            rec[0] = departmentGroup[std::size_t(d)];
            rec[1] = std::uint8_t(d + 1);
            put_signed_bcd(rec + 2, 6, department[std::size_t(d)].quantity);
            put_signed_bcd(rec + 8, 8, department[std::size_t(d)].amount);
        }
        break;
    case 7:
        for (std::size_t i = 0; i < plu.size() && i < std::size_t(layout.count); ++i) {
            std::uint8_t* rec = r + i * layout.size;
            put_bcd(rec, 8, std::uint64_t(plu[i].code));
            put_signed_bcd(rec + 8, 6, plu[i].price1.quantity);
            put_signed_bcd(rec + 14, 8, plu[i].price1.amount);
            put_signed_bcd(rec + 22, 6, plu[i].price2.quantity);
            put_signed_bcd(rec + 28, 8, plu[i].price2.amount);
        }
        break;
    case 9:
    case 10:
        for (int c = 0; c < kClerks; ++c) {
            std::uint8_t* rec = r + std::size_t(c) * layout.size;
            rec[0] = std::uint8_t(c + 1);
            put_block(rec + 1, n == 9 ? clerk[std::size_t(c)] : trainingClerk[std::size_t(c)]);
        }
        break;
    case 12:
        for (int h = 0; h < 24; ++h) {
            std::uint8_t* rec = r + std::size_t(h) * layout.size;
            put_bcd(rec, 2, std::uint64_t(hour[std::size_t(h)].count % 10000));
            put_signed_bcd(rec + 2, 8, hour[std::size_t(h)].amount);
        }
        break;
    }
    return true;
}

}  // namespace tw::xfer
