#include "reports/report_layouts.h"

#include <algorithm>

namespace tw {

namespace {

constexpr TotalsField A(const char* name) { return {name, FieldKind::Amount, 0}; }
constexpr TotalsField C(const char* name) { return {name, FieldKind::Counter, 0}; }

constexpr std::size_t width_of(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Amount: return 8;
    case FieldKind::Quantity: return 6;
    case FieldKind::Counter: return 2;
    case FieldKind::Code: return 8;
    case FieldKind::Byte: return 1;
    }
    return 0;
}

// The block's fields in their order; the offsets follow from the widths.
constexpr std::array<TotalsField, 75> with_offsets(std::array<TotalsField, 75> fields)
{
    std::size_t offset = 0;
    for (TotalsField& f : fields) {
        f.offset = offset;
        offset += width_of(f.kind);
    }
    return fields;
}

constexpr std::array<TotalsField, 75> kTotals = with_offsets({
    A("AllDepartmentSalesTotal"), A("Tax0TotalSales"),
    A("Tax1Amount"), A("Tax1SalesWithoutTax"), A("Tax1SalesWithTax"),
    A("Tax2Amount"), A("Tax2SalesWithoutTax"), A("Tax2SalesWithTax"),
    A("Tax3Amount"), A("Tax3SalesWithoutTax"), A("Tax3SalesWithTax"),
    A("Tax4Amount"), A("Tax4SalesWithoutTax"), A("Tax4SalesWithTax"),
    A("AllTaxAmount"), A("AllTaxSalesWithoutTax"), A("AllTaxSalesWithTax"),
    A("ItemPM1Total"), A("SubtotalPM1Total"), A("ItemPM2Total"), A("SubtotalPM2Total"),
    A("ItemP1Total"), A("SubtotalP1Total"), A("ItemP2Total"), A("SubtotalP2Total"),
    A("RefoundTotal"), A("VoidTotal"), C("FullVoidCounter"), A("FullVoidTotaler"),
    A("NetSalesTotal"), A("GrossSalesTotal"), A("AdjustTotal"),
    C("CashPaymentCounter"), A("CashTotal"), C("CheckPaymentCounter"), A("CheckTotal"),
    C("ChargePaymentCounter"), A("ChargeTotal"),
    C("Credit1PaymentCounter"), A("Credit1Total"), C("Credit2PaymentCounter"), A("Credit2Total"),
    C("Credit3PaymentCounter"), A("Credit3Total"), C("Credit4PaymentCounter"), A("Credit4Total"),
    C("Credit5PaymentCounter"), A("Credit5Total"), C("Credit6PaymentCounter"), A("Credit6Total"),
    C("RaCounter"), A("RaTotal"), C("PoCounter"), A("PoTotal"), C("NoSaleCounter"),
    A("CashInDrawerTotal"), A("CheckInDrawerTotal"), A("ChargeInDrawerTotal"),
    A("Credit1InDrawerTotal"), A("Credit2InDrawerTotal"), A("Credit3InDrawerTotal"),
    A("Credit4InDrawerTotal"), A("Credit5InDrawerTotal"), A("Credit6InDrawerTotal"),
    A("Fc1InDrawerTotal"), A("Fc2InDrawerTotal"), A("Fc3InDrawerTotal"), A("Fc4InDrawerTotal"),
    C("NewBalanceCounter"), A("NewBalanceTotal"), C("CloseBalanceCounter"), A("CloseBalanceTotal"),
    A("OpenTableTotal"), C("GuestCounter"), C("InvoiceCounter"),
});
static_assert(kTotals.back().offset + 2 == kTotalsBlockSize, "the totals block holds 498 bytes");
static_assert(kTotals[27].offset == 216 && kTotals[32].offset == 250 && kTotals[55].offset == 362);

// The financial report's record: the block, then the grand total.
constexpr std::size_t kGrandTotalOffset = kTotalsBlockSize;

// Left out of the clerk reports: the second plus/minus key, credits 3 to 6.
bool left_out_of_clerk_report(std::string_view name)
{
    static constexpr std::string_view kLeftOut[] = {
        "ItemPM2Total",          "SubtotalPM2Total",     "Credit3PaymentCounter", "Credit3Total",
        "Credit4PaymentCounter", "Credit4Total",         "Credit5PaymentCounter", "Credit5Total",
        "Credit6PaymentCounter", "Credit6Total",         "Credit3InDrawerTotal",  "Credit4InDrawerTotal",
        "Credit5InDrawerTotal",  "Credit6InDrawerTotal",
    };
    return std::find(std::begin(kLeftOut), std::end(kLeftOut), name) != std::end(kLeftOut);
}

// The headers as the register's users know them, spelling included.
constexpr const char* kHeaderCid =
    "CashInDrawerTotal;CheckInDrawerTotal;ChergeInDrawerTotal;Credit1InDrawerTotal;Credit2InDrawerTotal";
constexpr const char* kHeaderFinancial =
    "AllDepartmentSalesTotal;Tax0TotalSales;Tax1Amount;Tax1SalesWithoutTax;Tax1SalesWithTax;Tax2Amount;"
    "Tax2SalesWithoutTax;Tax2SalesWithTax;"
    "Tax3Amount;Tax3SalesWithoutTax;Tax3SalesWithTax;Tax4Amount;Tax4SalesWithoutTax;Tax4SalesWithTax;"
    "AllTaxAmount;AllTaxSalesWithoutTax;"
    "AllTaxSalesWithTax;ItemPM1Total;SubtotalPM1Total;ItemPM2Total;SubtotalPM2Total;ItemP1Total;"
    "SubtotalP1Total;ItemP2Total;SubtotalP2Total;RefoundTotal;VoidTotal;"
    "FullVoidCounter;FullVoidTotaler;NetSalesTotal;GrossSalesTotal;AdjustTotal;CashPaymentCounter;CashTotal;"
    "CheckPaymentCounter;CheckTotal;"
    "ChargePaymentCounter;ChargeTotal;Credit1PaymentCounter;Credit1Total;Credit2PaymentCounter;Credit2Total;"
    "Credit3PaymentCounter;Credit3Total;"
    "Credit4PaymentCounter;Credit4Total;Credit5PaymentCounter;Credit5Total;Credit6PaymentCounter;Credit6Total;"
    "RaCounter;RaTotal;PoCounter;"
    "PoTotal;NoSaleCounter;CashInDrawerTotal;CheckInDrawerTotal;ChargeInDrawerTotal;Credit1InDrawerTotal;"
    "Credit2InDrawerTotal;Credit3InDrawerTotal;"
    "Credit4InDrawerTotal;Credit5InDrawerTotal;Credit6InDrawerTotal;Fc1InDrawerTotal;"
    "Fc2InDrawerTotal;Fc3InDrawerTotal;Fc4InDrawerTotal;NewBalanceCounter;NewBalanceTotal;CloseBalanceCounter;"
    "CloseBalanceTotal"
    ";OpenTableTotal;GuestCounter;InvoiceCounter;GrandTotal";
constexpr const char* kHeaderDept = "DeptGroupNumber;DeptNumber;DeptItemCounter;RegSalesTotal";
constexpr const char* kHeaderPlu = "FreeCode;Price1Cnt;Price1Total;Price2Cnt;Price2Total";
constexpr const char* kHeaderClerk =
    "ClerkNumber;AllDepartmentSalesTotal;Tax0TotalSales;Tax1Amount;Tax1SalesWithoutTax;Tax1SalesWithTax;"
    "Tax2Amount;Tax2SalesWithoutTax;Tax2SalesWithTax;"
    "Tax3Amount;Tax3SalesWithoutTax;Tax3SalesWithTax;Tax4Amount;Tax4SalesWithoutTax;Tax4SalesWithTax;"
    "AllTaxAmount;AllTaxSalesWithoutTax;"
    "AllTaxSalesWithTax;ItemPMTotal;SubtotalPMTotal;ItemP1Total;SubtotalP1Total;ItemP2Total;SubtotalP2Total;"
    "RefoundTotal;VoidTotal;"
    "FullVoidCounter;FullVoidTotaler;NetSalesTotal;GrossSalesTotal;AdjustTotal;CashPaymentCounter;CashTotal;"
    "CheckPaymentCounter;CheckTotal;"
    "ChargePaymentCounter;ChargeTotal;Credit1PaymentCounter;Credit1Total;Credit2PaymentCounter;Credit2Total;"
    "RaCounter;RaTotal;PoCounter;"
    "PoTotal;NoSaleCounter;CashInDrawerTotal;CheckInDrawerTotal;ChargeInDrawerTotal;Credit1InDrawerTotal;"
    "Credit2InDrawerTotal;Fc1InDrawerTotal;"
    "Fc2InDrawerTotal;Fc3InDrawerTotal;Fc4InDrawerTotal;NewBalanceCounter;NewBalanceTotal;CloseBalanceCounter;"
    "CloseBalanceTotal"
    ";OpenTableTotal;GuestCounter;InvoiceCounter";
constexpr const char* kHeaderTime = "SalesCount;SalesTotal";
constexpr const char* kHeaderEj = "LineFromEj";

constexpr const char* kLineEnd = "\r\n";

// Windows-1252 upper case of one letter.
unsigned char upper_1252(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

std::string strip_leading_zeros(const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Writes the rows of one report from its records.
class RowWriter {
public:
    RowWriter(const Codecs& codecs, const ReportNumberFormat& format, std::string& out)
        : codecs_(codecs), format_(format), out_(out)
    {
    }

    void field(const std::uint8_t* record, std::size_t offset, FieldKind kind)
    {
        if (!first_)
            out_ += ';';
        first_ = false;
        const std::uint8_t* p = record + offset;
        switch (kind) {
        case FieldKind::Amount: out_ += report_value_text(codecs_, p, 8, format_); break;
        case FieldKind::Quantity: out_ += report_value_text(codecs_, p, 6, format_); break;
        case FieldKind::Counter: out_ += codecs_.bcds_to_number(p, 2); break;
        case FieldKind::Code: out_ += codecs_.bcds_to_number(p, 8); break;
        case FieldKind::Byte: out_ += std::to_string(*p); break;
        }
    }
    void end_row(bool trailingSeparator = false)
    {
        if (trailingSeparator)
            out_ += ';';
        out_ += kLineEnd;
        first_ = true;
    }

private:
    const Codecs& codecs_;
    const ReportNumberFormat& format_;
    std::string& out_;
    bool first_ = true;
};

void totals_row(RowWriter& w, const std::uint8_t* block, bool clerkReport)
{
    for (const TotalsField& f : kTotals)
        if (!clerkReport || !left_out_of_clerk_report(f.name))
            w.field(block, f.offset, f.kind);
}

void ej_rows(const Bytes& file, std::size_t recordSize, const Codecs& codecs, std::string& out)
{
    constexpr std::size_t kLineWidth = 24;
    for (std::size_t at = 0; at + kLineWidth <= file.size(); at += recordSize) {
        if (file[at] == 0)
            return;
        std::string line(reinterpret_cast<const char*>(&file[at]), kLineWidth);
        out += codecs.sostituzione_from_ecr(replace_char(line, char(255), ' '));
        out += kLineEnd;
    }
}

}  // namespace

const std::array<TotalsField, 75> TotalsBlock = kTotals;

std::size_t field_width(FieldKind kind) { return width_of(kind); }

std::string amount_text(const std::string& digits, int decimals, char separator)
{
    if (decimals <= 0)
        return digits;
    std::string padded = digits;
    if (int(padded.size()) <= decimals)
        padded.insert(0, std::size_t(decimals + 1) - padded.size(), '0');
    const std::size_t split = padded.size() - std::size_t(decimals);
    return strip_leading_zeros(padded.substr(0, split)) + separator + padded.substr(split);
}

std::string report_value_text(const Codecs& codecs, const std::uint8_t* field, int width,
                              const ReportNumberFormat& format)
{
    std::string digits = codecs.bcds_to_number(field, width);
    // Above 10^(2w-1) the text has all 2w digits and the first is the sign
    // digit, whatever its value; exactly 10^(2w-1) is still positive.
    const std::size_t allDigits = std::size_t(2 * width);
    const bool negative = digits.size() == allDigits &&
                          (digits[0] != '1' || digits.find_first_not_of('0', 1) != std::string::npos);
    if (negative)
        digits.erase(0, 1);
    std::string text;
    if (width == 8) {
        text = amount_text(digits, format.decimalPosition, format.decimalSeparator);
    } else {
        // Four implied decimals, as many shown as needed.
        std::string whole = amount_text(digits, 4, format.decimalSeparator);
        while (whole.back() == '0')
            whole.pop_back();
        if (whole.back() == format.decimalSeparator)
            whole.pop_back();
        text = whole;
    }
    return negative ? "-" + text : text;
}

std::string replace_char(std::string text, char find, char replacement)
{
    const unsigned char key = upper_1252(static_cast<unsigned char>(find));
    for (char& c : text)
        if (upper_1252(static_cast<unsigned char>(c)) == key)
            c = replacement;
    return text;
}

bool has_csv_layout(int n)
{
    return report_record_layout(n, 0).size != 0;
}

ReportRecordLayout report_record_layout(int n, int pluCapacity)
{
    switch (n) {
    case 3: return {40, 1};
    case 4:
    case 13:
    case 14: return {kTotalsBlockSize + 8, 1};
    case 5: return {16, 99};
    case 7: return {36, pluCapacity};
    case 9:
    case 10: return {1 + kTotalsBlockSize, 15};
    case 12: return {10, 24};
    case 16: return {26, 0};
    default: return {};
    }
}

std::string report_csv_header(int n)
{
    switch (n) {
    case 3: return kHeaderCid;
    case 4:
    case 13:
    case 14: return kHeaderFinancial;
    case 5: return kHeaderDept;
    case 7: return kHeaderPlu;
    case 9:
    case 10: return kHeaderClerk;
    case 12: return kHeaderTime;
    case 16: return kHeaderEj;
    default: return {};
    }
}

std::string report_csv_text(int n, const Bytes& file, const Codecs& codecs, const ReportNumberFormat& format,
                            int pluCapacity)
{
    const ReportRecordLayout layout = report_record_layout(n, pluCapacity);
    if (layout.size == 0)
        return {};
    std::string out = report_csv_header(n) + kLineEnd;
    if (n == 16) {
        ej_rows(file, layout.size, codecs, out);
        return out;
    }
    out.reserve(out.size() + std::size_t(layout.count) * 64);
    RowWriter w(codecs, format, out);
    Bytes record(layout.size);
    for (int i = 0; i < layout.count; ++i) {
        // A record past the end of a short file reads as zeros.
        const std::size_t at = std::size_t(i) * layout.size;
        std::fill(record.begin(), record.end(), 0);
        if (at < file.size())
            std::copy_n(file.begin() + std::ptrdiff_t(at), std::min(layout.size, file.size() - at), record.begin());
        const std::uint8_t* r = record.data();
        switch (n) {
        case 3:
            for (std::size_t off = 0; off < 40; off += 8)
                w.field(r, off, FieldKind::Amount);
            w.end_row();
            break;
        case 4:
        case 13:
        case 14:
            totals_row(w, r, false);
            w.field(r, kGrandTotalOffset, FieldKind::Amount);
            w.end_row();
            break;
        case 5:
            w.field(r, 0, FieldKind::Byte);
            w.field(r, 1, FieldKind::Byte);
            w.field(r, 2, FieldKind::Quantity);
            w.field(r, 8, FieldKind::Amount);
            w.end_row();
            break;
        case 7:
            w.field(r, 0, FieldKind::Code);
            w.field(r, 8, FieldKind::Quantity);
            w.field(r, 14, FieldKind::Amount);
            w.field(r, 22, FieldKind::Quantity);
            w.field(r, 28, FieldKind::Amount);
            w.end_row(true);
            break;
        case 9:
        case 10:
            w.field(r, 0, FieldKind::Byte);
            totals_row(w, r + 1, true);
            w.end_row();
            break;
        case 12:
            w.field(r, 0, FieldKind::Counter);
            w.field(r, 2, FieldKind::Amount);
            w.end_row();
            break;
        }
    }
    return out;
}

}  // namespace tw
