// The virtual register at work: a day of transactions over its programming,
// added up as the register adds them.
#include "tools/tillxfer/sales_day.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>

#include "image/plu_file.h"
#include "image/programming_image.h"

namespace tw::xfer {

namespace {

constexpr int kTaxClasses = 5;  // 0 non-taxable, 1 to 4 the VAT rates
constexpr int kTenders = 9;     // cash, check, charge, credits 1 to 6
constexpr int kCurrencies = 4;

struct Department {
    std::string name;  // register characters
    std::uint8_t group = 0;
    int tax = 0;
    std::int64_t price = 0;
};

struct Plu {
    std::size_t record = 0;
    std::string name;
    int department = 0;  // 1 to 99
    int tax = 0;
    std::int64_t price[2] = {0, 0};
};

struct Currency {
    std::string name;
    std::int64_t rate = 0;
    int decimals = 0;
};

// What the register needs of its programming to sell.
struct Programming {
    std::int64_t vatRate[kTaxClasses] = {};  // thousandths of a percent
    bool addOnTax = false;
    bool fcMultiply = false;
    int decimals = 2;
    std::int64_t percentRate[2] = {};  // hundredths of a percent
    bool percentDiscount[2] = {}, plusMinusDiscount[2] = {};
    Department departments[kDepartments];
    std::vector<int> departmentKeys;  // departments no PLU is linked to
    std::vector<Plu> plus;            // PLUs with a price
    std::string clerkName[kClerks];
    bool trainingClerk[kClerks] = {};
    std::string tenderName[kTenders];
    Currency currencies[kCurrencies];
    std::vector<std::string> header, footer;
};

std::string text_at(const Bytes& b, std::size_t offset, std::size_t width)
{
    std::string s(reinterpret_cast<const char*>(&b[offset]), width);
    std::replace(s.begin(), s.end(), '\0', ' ');
    return s;
}

std::string trimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

bool bit(std::uint8_t byte, int k) { return (byte >> k) & 1; }

Programming read_programming(const Bytes& m, const Bytes& pluFile, int pluCapacity)
{
    if (m.size() < prg::kImageSize)
        throw std::runtime_error("the register holds no programming");
    Programming p;
    for (int k = 1; k < kTaxClasses; ++k)
        p.vatRate[k] = read_bcd(&m[prg::VatRates.offset + 4 * std::size_t(k - 1)], 4);
    p.addOnTax = m[3] == 1;
    p.fcMultiply = bit(m[11], 0);
    p.decimals = std::min<int>(m[prg::kDecimalPositionOffset], 3);
    p.percentRate[0] = read_bcd(&m[prg::PercentKey1.offset], 2);
    p.percentRate[1] = read_bcd(&m[prg::PercentKey2.offset], 2);
    for (int k = 0; k < 2; ++k) {
        p.percentDiscount[k] = bit(m[59], k);
        p.plusMinusDiscount[k] = bit(m[59], 2 + k);
    }
    for (int d = 0; d < kDepartments; ++d) {
        const std::size_t at = prg::DepartmentTable.offset + prg::kDepartmentSize * std::size_t(d);
        Department& dep = p.departments[d];
        dep.name = text_at(m, at, prg::kDepartmentNameWidth);
        dep.group = m[at + 15];
        dep.tax = m[at + 16] < kTaxClasses ? m[at + 16] : 0;
        dep.price = read_bcd(&m[at + 18], 4);
    }
    for (int c = 0; c < kClerks; ++c) {
        const std::size_t at = prg::ClerkTable.offset + prg::kClerkSize * std::size_t(c);
        p.clerkName[c] = text_at(m, at, prg::kClerkNameWidth);
        p.trainingClerk[c] = bit(m[at + 24], 7);
    }
    for (int t = 0; t < kTenders; ++t)
        p.tenderName[t] = trimmed(text_at(m, prg::TenderTable.offset + prg::kTenderSize * std::size_t(t),
                                          prg::kTenderNameWidth));
    for (int i = 0; i < kCurrencies; ++i) {
        const std::size_t at = prg::ForeignCurrencyTable.offset + prg::kCurrencySize * std::size_t(i);
        p.currencies[i] = {trimmed(text_at(m, at, prg::kCurrencyNameWidth)), read_bcd(&m[at + 12], 4),
                           std::min<int>(m[at + 10], 3)};
    }
    for (int i = 0; i < 10; ++i) {
        const std::string h = text_at(m, prg::HeaderLines.offset + 24 * std::size_t(i), 24);
        const std::string f = text_at(m, prg::FooterLines.offset + 24 * std::size_t(i), 24);
        if (!trimmed(h).empty())
            p.header.push_back(h);
        if (!trimmed(f).empty())
            p.footer.push_back(f);
    }

    bool linked[kDepartments] = {};
    if (pluFile.size() >= plu::kCountSize) {
        const int count = std::min<int>(std::int16_t(pluFile[0] | (pluFile[1] << 8)), pluCapacity);
        for (int i = 0; i < count; ++i) {
            const std::size_t at = plu::kCountSize + plu::kRecordSize * std::size_t(i);
            if (at + plu::kRecordSize > pluFile.size())
                break;
            Plu u;
            u.record = std::size_t(i);
            u.name = text_at(pluFile, at + plu::kNameOffset, plu::kNameWidth);
            u.department = int(read_bcd(&pluFile[at + plu::kDepartmentOffset], 1));
            u.tax = pluFile[at + plu::kTaxOffset] < kTaxClasses ? pluFile[at + plu::kTaxOffset] : 0;
            u.price[0] = read_bcd(&pluFile[at + plu::kPrice1Offset], 4);
            u.price[1] = read_bcd(&pluFile[at + plu::kPrice2Offset], 4);
            if (read_bcd(&pluFile[at], 8) == 0 || u.department < 1 || u.department > kDepartments)
                continue;
            linked[u.department - 1] = true;
            if (u.price[0] > 0 || u.price[1] > 0)
                p.plus.push_back(u);
        }
    }
    for (int d = 0; d < kDepartments; ++d)
        if (!linked[d])
            p.departmentKeys.push_back(d + 1);
    return p;
}

// value × numerator / denominator, rounded half away from zero.
std::int64_t scaled(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t product = value * numerator;
    const std::int64_t half = denominator / 2;
    return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

class Day {
public:
    Day(const Programming& p, RegisterTotals& totals, const SalesDay& day)
        : p_(p), totals_(totals), rng_(day.seed), count_(day.transactions)
    {
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        char date[40];
        std::snprintf(date, sizeof date, "%02d-%02d-%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
        date_ = date;
        for (int d = 0; d < kDepartments; ++d)
            totals_.departmentGroup[std::size_t(d)] = p_.departments[d].group;
    }

    void run()
    {
        for (int t = 0; t < count_; ++t)
            transaction(8 + t * 14 / std::max(count_, 1));
    }

private:
    int roll(int n) { return int(rng_() % std::uint64_t(n)); }

    std::string amount_text(std::int64_t v) const
    {
        const std::int64_t m = v < 0 ? -v : v;
        std::string s = std::to_string(m);
        if (p_.decimals > 0) {
            if (int(s.size()) <= p_.decimals)
                s.insert(0, std::size_t(p_.decimals + 1) - s.size(), '0');
            s.insert(s.size() - std::size_t(p_.decimals), ".");
        }
        return v < 0 ? "-" + s : s;
    }
    void line(const std::string& text)
    {
        JournalLine l;
        l.fill(' ');
        std::copy_n(text.begin(), std::min(text.size(), l.size()), l.begin());
        totals_.journal.push_back(l);
    }
    void line(const std::string& left, std::int64_t amount)
    {
        const std::string right = amount_text(amount);
        std::string text = left.substr(0, kJournalLineWidth - 1 - right.size());
        text.resize(kJournalLineWidth - right.size(), ' ');
        line(text + right);
    }

    // Everything one transaction adds to its clerk's and the day's totals.
    struct Tx {
        TotalsValues delta;
        std::int64_t base[kTaxClasses] = {};
        std::int64_t deptNet = 0, gross = 0, adjust = 0;
        std::vector<std::pair<int, ItemTotal>> departments;
        std::vector<std::pair<std::size_t, std::pair<int, ItemTotal>>> plus;
    };

    void ring_item(Tx& tx, bool cancelled)
    {
        const bool byPlu = !p_.plus.empty() && (p_.departmentKeys.empty() || roll(100) < 65);
        std::string name;
        int tax = 0, dept = 0, priceLevel = 0;
        std::int64_t price = 0;
        const Plu* plu = nullptr;
        if (byPlu) {
            plu = &p_.plus[std::size_t(roll(int(p_.plus.size())))];
            priceLevel = plu->price[1] > 0 && (plu->price[0] == 0 || roll(4) == 0) ? 1 : 0;
            price = plu->price[priceLevel];
            name = plu->name;
            tax = plu->tax;
            dept = plu->department;
        } else {
            dept = p_.departmentKeys[std::size_t(roll(int(std::min<std::size_t>(p_.departmentKeys.size(), 20))))];
            const Department& d = p_.departments[dept - 1];
            price = d.price > 0 ? d.price : 50 + roll(2950);
            name = d.name;
            tax = d.tax;
        }
        const std::int64_t quantity = roll(10) < 8 ? 10000 : roll(2) ? 20000 : 15000;
        const std::int64_t amount = scaled(price, quantity, 10000);
        const bool refund = roll(100) < 3;
        const bool voided = !refund && roll(100) < 5;
        if (quantity != 10000)
            line("  " + std::to_string(quantity / 10000) + (quantity % 10000 ? ".5" : "") + " X " + amount_text(price));
        line((refund ? "RF " : "") + trimmed(name), refund ? -amount : amount);
        // A cancelled transaction only counts what it would have come to.
        if (cancelled) {
            tx.gross += refund ? -amount : amount;
            return;
        }
        if (!refund)
            tx.gross += amount;
        if (voided) {
            line("VOID " + trimmed(name), -amount);
            tx.delta["VoidTotal"] -= amount;
            return;
        }
        const std::int64_t sign = refund ? -1 : 1;
        if (refund)
            tx.delta["RefoundTotal"] -= amount;
        tx.deptNet += sign * amount;
        tx.base[tax] += sign * amount;
        tx.departments.push_back({dept, {sign * quantity, sign * amount}});
        if (plu)
            tx.plus.push_back({plu->record, {priceLevel, {sign * quantity, sign * amount}}});
        if (refund)
            return;
        if (roll(100) < 5) {
            const int k = roll(2);
            const std::int64_t adj = scaled(amount, p_.percentRate[k], 10000) * (p_.percentDiscount[k] ? -1 : 1);
            line("%" + std::to_string(k + 1), adj);
            tx.delta[k == 0 ? "ItemP1Total" : "ItemP2Total"] += adj;
            tx.base[tax] += adj;
            tx.adjust += adj;
        } else if (roll(100) < 3) {
            const int k = roll(2);
            const std::int64_t adj = (10 + roll(90)) * (p_.plusMinusDiscount[k] ? -1 : 1);
            line("+/-" + std::to_string(k + 1), adj);
            tx.delta[k == 0 ? "ItemPM1Total" : "ItemPM2Total"] += adj;
            tx.base[tax] += adj;
            tx.adjust += adj;
        }
    }

    // A subtotal adjustment spread over the tax classes by their share; the
    // rounding rest goes to the largest.
    void spread(Tx& tx, std::int64_t adj, std::int64_t subtotal)
    {
        int largest = 0;
        std::int64_t given = 0;
        for (int k = 0; k < kTaxClasses; ++k) {
            if (tx.base[k] > tx.base[largest])
                largest = k;
        }
        std::int64_t parts[kTaxClasses] = {};
        for (int k = 0; k < kTaxClasses; ++k) {
            parts[k] = adj * tx.base[k] / subtotal;
            given += parts[k];
        }
        parts[largest] += adj - given;
        for (int k = 0; k < kTaxClasses; ++k)
            tx.base[k] += parts[k];
        tx.adjust += adj;
    }

    void subtotal_keys(Tx& tx)
    {
        std::int64_t subtotal = 0;
        bool negative = false;
        for (std::int64_t b : tx.base) {
            subtotal += b;
            negative = negative || b < 0;
        }
        if (subtotal <= 0 || negative)
            return;
        if (roll(100) < 5) {
            const int k = roll(2);
            const std::int64_t adj = scaled(subtotal, p_.percentRate[k], 10000) * (p_.percentDiscount[k] ? -1 : 1);
            line("SUBTOTAL", subtotal);
            line("%" + std::to_string(k + 1), adj);
            tx.delta[k == 0 ? "SubtotalP1Total" : "SubtotalP2Total"] += adj;
            spread(tx, adj, subtotal);
        } else if (roll(100) < 3) {
            const int k = roll(2);
            const std::int64_t adj = (10 + roll(90)) * (p_.plusMinusDiscount[k] ? -1 : 1);
            line("SUBTOTAL", subtotal);
            line("+/-" + std::to_string(k + 1), adj);
            tx.delta[k == 0 ? "SubtotalPM1Total" : "SubtotalPM2Total"] += adj;
            spread(tx, adj, subtotal);
        }
    }

    // VAT of each class; returns what the customer pays.
    std::int64_t taxes(Tx& tx)
    {
        static const char* kAmount[] = {"", "Tax1Amount", "Tax2Amount", "Tax3Amount", "Tax4Amount"};
        static const char* kWithout[] = {"", "Tax1SalesWithoutTax", "Tax2SalesWithoutTax", "Tax3SalesWithoutTax",
                                         "Tax4SalesWithoutTax"};
        static const char* kWith[] = {"", "Tax1SalesWithTax", "Tax2SalesWithTax", "Tax3SalesWithTax",
                                      "Tax4SalesWithTax"};
        std::int64_t total = tx.base[0];
        tx.delta["Tax0TotalSales"] += tx.base[0];
        for (int k = 1; k < kTaxClasses; ++k) {
            const std::int64_t b = tx.base[k], r = p_.vatRate[k];
            if (b == 0)
                continue;
            const std::int64_t tax = p_.addOnTax ? scaled(b, r, 100000) : scaled(b, r, 100000 + r);
            const std::int64_t without = p_.addOnTax ? b : b - tax, with = without + tax;
            tx.delta[kAmount[k]] += tax;
            tx.delta[kWithout[k]] += without;
            tx.delta[kWith[k]] += with;
            tx.delta["AllTaxAmount"] += tax;
            tx.delta["AllTaxSalesWithoutTax"] += without;
            tx.delta["AllTaxSalesWithTax"] += with;
            total += with;
        }
        return total;
    }

    void pay(Tx& tx, std::int64_t total)
    {
        static const char* kCounter[] = {"CashPaymentCounter",    "CheckPaymentCounter",   "ChargePaymentCounter",
                                         "Credit1PaymentCounter", "Credit2PaymentCounter", "Credit3PaymentCounter",
                                         "Credit4PaymentCounter", "Credit5PaymentCounter", "Credit6PaymentCounter"};
        static const char* kTotal[] = {"CashTotal",    "CheckTotal",   "ChargeTotal",  "Credit1Total", "Credit2Total",
                                       "Credit3Total", "Credit4Total", "Credit5Total", "Credit6Total"};
        static const char* kDrawer[] = {"CashInDrawerTotal",    "CheckInDrawerTotal",   "ChargeInDrawerTotal",
                                        "Credit1InDrawerTotal", "Credit2InDrawerTotal", "Credit3InDrawerTotal",
                                        "Credit4InDrawerTotal", "Credit5InDrawerTotal", "Credit6InDrawerTotal"};
        const int r = roll(100);
        const int card = 3 + roll(6);
        std::vector<std::pair<int, std::int64_t>> parts;
        if (total <= 0 || r < 55)
            parts = {{0, total}};
        else if (r < 65)
            parts = {{1, total}};
        else if (r < 75)
            parts = {{2, total}};
        else if (r < 90)
            parts = {{card, total}};
        else
            parts = {{card, total / 2}, {0, total - total / 2}};
        for (const auto& [tender, amount] : parts) {
            tx.delta[kCounter[tender]] += 1;
            tx.delta[kTotal[tender]] += amount;
            const int fc = roll(kCurrencies);
            const Currency& c = p_.currencies[fc];
            if (tender == 0 && amount > 0 && c.rate > 0 && roll(10) == 0) {
                std::int64_t scale = 1;
                for (int i = 0; i < c.decimals; ++i)
                    scale *= 10;
                const std::int64_t foreign = p_.fcMultiply ? scaled(amount, c.rate, scale) : scaled(amount, scale, c.rate);
                line(c.name, foreign);
                tx.delta[("Fc" + std::to_string(fc + 1) + "InDrawerTotal").c_str()] += foreign;
            } else {
                line(p_.tenderName[tender], amount);
                tx.delta[kDrawer[tender]] += amount;
            }
        }
    }

    void transaction(int hour)
    {
        const int clerk = roll(kClerks);
        const bool training = p_.trainingClerk[clerk];
        ++totals_.receiptNumber;
        for (const std::string& h : p_.header)
            line(h);
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "%s %02d:%02d  #%04lld", date_.c_str(), hour, roll(60),
                      static_cast<long long>(totals_.receiptNumber % 10000));
        line(stamp);
        line(p_.clerkName[clerk]);
        if (training)
            line("*** TRAINING ***");

        Tx tx;
        const int kind = roll(100);
        if (kind < 2) {
            line("NO SALE");
            tx.delta["NoSaleCounter"] += 1;
        } else if (kind < 6) {
            const std::int64_t amount = 500 + roll(4500);
            const bool received = kind < 4;
            line(received ? "RECEIVED ON ACCOUNT" : "PAID OUT", amount);
            tx.delta[received ? "RaCounter" : "PoCounter"] += 1;
            tx.delta[received ? "RaTotal" : "PoTotal"] += amount;
            tx.delta["CashInDrawerTotal"] += received ? amount : -amount;
        } else if (kind < 8) {
            Tx cancelled;
            const int items = 1 + roll(4);
            for (int i = 0; i < items; ++i)
                ring_item(cancelled, true);
            line("TRANSACTION VOID", -cancelled.gross);
            tx.delta["FullVoidCounter"] += 1;
            tx.delta["FullVoidTotaler"] += cancelled.gross;
        } else {
            const int items = 1 + roll(5);
            for (int i = 0; i < items; ++i)
                ring_item(tx, false);
            subtotal_keys(tx);
            const std::int64_t total = taxes(tx);
            line("TOTAL", total);
            pay(tx, total);
            tx.delta["AllDepartmentSalesTotal"] += tx.deptNet;
            tx.delta["GrossSalesTotal"] += tx.gross;
            tx.delta["NetSalesTotal"] += total;
            tx.delta["AdjustTotal"] += tx.adjust;
            tx.delta["GuestCounter"] += 1;
            if (!training) {
                totals_.grandTotal += total;
                totals_.hour[std::size_t(hour)].count += 1;
                totals_.hour[std::size_t(hour)].amount += total;
                for (const auto& [dept, item] : tx.departments) {
                    totals_.department[std::size_t(dept - 1)].quantity += item.quantity;
                    totals_.department[std::size_t(dept - 1)].amount += item.amount;
                }
                for (const auto& [record, level] : tx.plus) {
                    ItemTotal& t = level.first == 0 ? totals_.plu[record].price1 : totals_.plu[record].price2;
                    t.quantity += level.second.quantity;
                    t.amount += level.second.amount;
                }
            }
        }
        for (const std::string& f : p_.footer)
            line(f);
        if (training) {
            totals_.training.add(tx.delta);
            totals_.trainingClerk[std::size_t(clerk)].add(tx.delta);
        } else {
            totals_.z1.add(tx.delta);
            totals_.z2.add(tx.delta);
            totals_.clerk[std::size_t(clerk)].add(tx.delta);
        }
    }

    const Programming& p_;
    RegisterTotals& totals_;
    std::mt19937_64 rng_;
    int count_;
    std::string date_;
};

}  // namespace

void ring_up_day(const Bytes& prgMode, const Bytes& prgPlu, int pluCapacity, const SalesDay& day,
                 RegisterTotals& totals)
{
    const Programming p = read_programming(prgMode, prgPlu, pluCapacity);
    // The PLU totals follow the records of the register's PLU file.
    const std::size_t records =
        prgPlu.size() >= plu::kCountSize
            ? std::size_t(std::clamp<int>(std::int16_t(prgPlu[0] | (prgPlu[1] << 8)), 0, pluCapacity))
            : 0;
    totals.plu.resize(std::max(totals.plu.size(), records));
    for (std::size_t i = 0; i < records && plu::kCountSize + plu::kRecordSize * (i + 1) <= prgPlu.size(); ++i)
        totals.plu[i].code = read_bcd(&prgPlu[plu::kCountSize + plu::kRecordSize * i], 8);
    Day(p, totals, day).run();
}

}  // namespace tw::xfer
