#include <filesystem>
#include <system_error>
#include "editors/sales/plu_csv.h"

#include <algorithm>
#include <optional>

#include "editors/sales/plu_fields.h"
#include "image/file_access.h"

namespace tw {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr long long kMaxPrice = 99999999;  // 8 digits in 4 bytes
constexpr std::size_t kMaxCodeDigits = 16;  // 8 bytes

// Columns of a data line, by the model's column set.
struct Columns {
    bool withPrice2;
    int count() const { return withPrice2 ? 9 : 8; }
    int name() const { return 1; }
    int code() const { return 2; }
    int department() const { return 3; }
    int price1() const { return 4; }
    int price2() const { return 5; }  // model 4430 only
    int priceType() const { return withPrice2 ? 6 : 5; }
    int tax() const { return priceType() + 1; }
    int takeOutTax() const { return priceType() + 2; }
};

std::string quoted_if_needed(const std::string& field)
{
    if (field.find_first_of(";\"\r\n") == std::string::npos)
        return field;
    std::string out = "\"";
    for (char ch : field) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    return out + '"';
}

// One line of the file as fields, and the file's line it starts on.
struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

struct Parsed {
    std::vector<Record> records;
    int badLine = 0;
    std::string reason;
};

// Splits the text at ";" and at line ends (CR LF, LF or CR). A field that
// starts with a double quote runs to the closing quote, may hold ";" and
// line ends, and reads a doubled quote as one.
Parsed parse_records(const std::string& text)
{
    Parsed out;
    std::size_t pos = 0;
    int line = 1;
    auto at_line_end = [&](std::size_t p) { return p < text.size() && (text[p] == '\r' || text[p] == '\n'); };
    auto skip_line_end = [&] {
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
            ++pos;
        ++pos;
        ++line;
    };
    while (pos < text.size()) {
        Record record;
        record.line = line;
        for (;;) {
            std::string field;
            if (pos < text.size() && text[pos] == '"') {
                const int openedOn = line;
                ++pos;
                for (;;) {
                    if (pos >= text.size()) {
                        out.badLine = openedOn;
                        out.reason = "a field opened with a double quote has no closing quote";
                        return out;
                    }
                    if (text[pos] == '"') {
                        if (pos + 1 < text.size() && text[pos + 1] == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (text[pos] == '\n' || (text[pos] == '\r' && !(pos + 1 < text.size() && text[pos + 1] == '\n')))
                        ++line;
                    field += text[pos++];
                }
                if (pos < text.size() && text[pos] != ';' && !at_line_end(pos)) {
                    out.badLine = line;
                    out.reason = "a quoted field is followed by text other than \";\"";
                    return out;
                }
            } else {
                while (pos < text.size() && text[pos] != ';' && !at_line_end(pos))
                    field += text[pos++];
            }
            record.fields.push_back(std::move(field));
            if (pos < text.size() && text[pos] == ';') {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < text.size())
            skip_line_end();
        out.records.push_back(std::move(record));
    }
    // Empty lines at the end of the file are no PLUs.
    while (!out.records.empty() && out.records.back().fields.size() == 1 && out.records.back().fields[0].empty())
        out.records.pop_back();
    return out;
}

std::string trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A number of 0 or more in the user's writing (digits, optionally the
// decimal separator and more digits), rounded to a whole number with halves
// away from zero; nothing when the text is no such number or too long.
std::optional<long long> whole_number(const std::string& field, const std::string& separator)
{
    const std::string t = trimmed(field);
    std::size_t i = 0;
    long long value = 0;
    int digits = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits) {
        if (value > 99999999999999999LL)
            return std::nullopt;
        value = value * 10 + (t[i] - '0');
    }
    bool roundUp = false;
    if (i < t.size() && !separator.empty() && t.compare(i, separator.size(), separator) == 0) {
        i += separator.size();
        const std::size_t fraction = i;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
            ++digits;
        roundUp = i > fraction && t[fraction] >= '5';
    }
    if (digits == 0 || i != t.size())
        return std::nullopt;
    return value + (roundUp ? 1 : 0);
}

std::string quote(const std::string& field) { return "\"" + field + "\""; }

// The checks and conversions of one data line into a copy of its slot.
class LineReader {
public:
    LineReader(const Codecs& c, Columns cols, const std::string& separator)
        : c_(c), cols_(cols), separator_(separator)
    {
    }

    // Fills `record` from the fields; the reason when a field is bad.
    std::string read(const std::vector<std::string>& fields, PluRecord& record) const
    {
        if (int(fields.size()) > cols_.count())
            return "the line has " + std::to_string(fields.size()) + " fields; a file of this model has " +
                   std::to_string(cols_.count());
        // A field counts only when ";" follows it, or when it is the last
        // column, which runs to the end of the line.
        const int used = int(fields.size()) == cols_.count() ? cols_.count() : int(fields.size()) - 1;
        auto has = [&](int col) { return col < used; };

        if (has(cols_.name()))
            record.set_name(c_, fields[std::size_t(cols_.name())]);
        if (has(cols_.code())) {
            const std::string code = trimmed(fields[std::size_t(cols_.code())]);
            if (code.empty() || code.size() > kMaxCodeDigits ||
                code.find_first_not_of("0123456789") != std::string::npos)
                return "the PLU code " + quote(code) + " is not a whole number of at most 16 digits";
            record.set_code(c_, std::stoll(code));
        }
        if (has(cols_.department())) {
            const std::string& text = fields[std::size_t(cols_.department())];
            const auto byte = department_byte(text);
            if (!byte)
                return "the department " + quote(text) + " is not a hexadecimal number of one byte (0 to FF)";
            record.bytes[plu::kDepartmentOffset] = *byte;
        }
        for (int which = 1; which <= (cols_.withPrice2 ? 2 : 1); ++which) {
            const int col = which == 1 ? cols_.price1() : cols_.price2();
            if (!has(col))
                continue;
            const std::string& text = fields[std::size_t(col)];
            const auto price = whole_number(text, separator_);
            const std::string name = "price " + std::to_string(which) + " ";
            if (!price)
                return name + quote(text) + " is not a number";
            if (*price > kMaxPrice)
                return name + quote(text) + " is above 99999999";
            record.set_price(c_, which, *price);
        }
        if (has(cols_.priceType())) {
            const std::string& text = fields[std::size_t(cols_.priceType())];
            const auto type = whole_number(text, separator_);
            if (!type)
                return "the price type " + quote(text) + " is not a number";
            if (*type <= 2)
                record.set_price_type(int(*type));
        }
        if (has(cols_.tax())) {
            std::string why = read_byte(fields[std::size_t(cols_.tax())], "the tax class ", record, plu::kTaxOffset);
            if (!why.empty())
                return why;
        }
        if (has(cols_.takeOutTax())) {
            std::string why = read_byte(fields[std::size_t(cols_.takeOutTax())], "the take-out tax class ", record,
                                        plu::kTakeOutTaxOffset);
            if (!why.empty())
                return why;
        }
        return {};
    }

private:
    std::string read_byte(const std::string& text, const std::string& name, PluRecord& record,
                          std::size_t offset) const
    {
        const auto value = whole_number(text, separator_);
        if (!value)
            return name + quote(text) + " is not a number";
        if (*value > 255)
            return name + quote(text) + " does not fit in one byte (0 to 255)";
        record.bytes[offset] = std::uint8_t(*value);
        return {};
    }

    const Codecs& c_;
    Columns cols_;
    const std::string& separator_;
};

}  // namespace

std::vector<PluCsvColumn> plu_csv_columns(bool withPrice2)
{
    std::vector<PluCsvColumn> cols = {
        {"FRM_PRG_PLU_L_PLU_NUMBER", ""},      {"FRM_PRG_PLU_L_NAME", ""},
        {"FRM_PRG_PLU_L_FREECODE", ""},        {"FRM_PRG_PLU_COL_LINK_DEPT_MSG", "Dept"},
        {"FRM_PRG_PLU_L_PRICE1", ""},          {"FRM_PRG_PLU_L_PRICE2", ""},
        {"FRM_PRG_PLU_L_STATUS", ""},          {"FRM_PRG_PLU_L_TAX", ""},
        {"FRM_PRG_PLU_L_TAKE_OUT_TAX", ""},
    };
    if (!withPrice2)
        cols.erase(cols.begin() + 5);
    return cols;
}

std::string plu_csv_text(const PluTable& table, const Codecs& c, bool withPrice2, const CaptionLookup& caption)
{
    std::string out;
    bool first = true;
    for (const PluCsvColumn& col : plu_csv_columns(withPrice2)) {
        std::string text = caption ? caption(col.key) : std::string();
        out += (first ? "" : ";") + quoted_if_needed(text.empty() ? col.english : text);
        first = false;
    }
    out += kLineEnd;
    const int count = std::min(table.PluCount, plu::kMaxRecords);
    for (int n = 1; n <= count; ++n) {
        const PluRecord& r = table.slot(n);
        out += std::to_string(n - 1);
        out += ';' + quoted_if_needed(r.name(c));
        out += ';' + r.code(c);
        out += ';' + read_digits(r.bytes, plu::kDepartmentPlace, c);
        out += ';' + r.price(c, 1);
        if (withPrice2)
            out += ';' + r.price(c, 2);
        out += ';' + std::to_string(r.price_type());
        out += ';' + std::to_string(r.tax_class());
        out += ';' + std::to_string(r.take_out_tax_class());
        out += kLineEnd;
    }
    return out;
}

bool Export_PluCsv(const std::string& path, const PluTable& table, const Codecs& c, bool withPrice2,
                   const CaptionLookup& caption, const RunLog& log)
{
    const std::string text = plu_csv_text(table, c, withPrice2, caption);
    if (replace_file_atomically(path, Bytes(text.begin(), text.end())))
        return true;
    log.write_log("FrmPrgPlu Errore: the file " + path + " could not be written");
    return false;
}

std::string PluCsvOutcome::description() const
{
    return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason;
}

PluCsvOutcome read_plu_csv(const std::string& text, PluTable& table, const Codecs& c, bool withPrice2,
                           int capacity, const std::string& decimalSeparator)
{
    PluCsvOutcome outcome;
    const Parsed parsed = parse_records(text);
    if (!parsed.reason.empty()) {
        outcome.line = parsed.badLine;
        outcome.reason = parsed.reason;
        return outcome;
    }
    const int lines = parsed.records.empty() ? 0 : int(parsed.records.size()) - 1;
    // A model 4410 file's lines would pass for short lines here, each column
    // after price 1 landing one place too early: its header gives it away.
    if (withPrice2 && lines > 0 && int(parsed.records[0].fields.size()) == Columns{false}.count()) {
        outcome.line = parsed.records[0].line;
        outcome.reason = "the header has 8 columns, as a file of model 4410; a file of this model has 9";
        return outcome;
    }
    if (lines > capacity) {
        outcome.line = parsed.records[std::size_t(capacity) + 1].line;
        outcome.reason = "the file holds " + std::to_string(lines) + " PLUs; this model takes at most " +
                         std::to_string(capacity);
        return outcome;
    }
    // Every line into a copy first: a bad line leaves the table untouched.
    const LineReader reader(c, Columns{withPrice2}, decimalSeparator);
    std::vector<PluRecord> staged;
    staged.reserve(std::size_t(lines));
    for (int j = 1; j <= lines; ++j) {
        const Record& record = parsed.records[std::size_t(j)];
        PluRecord slot = table.slot(j);
        std::string why = reader.read(record.fields, slot);
        if (!why.empty()) {
            outcome.line = record.line;
            outcome.reason = why;
            return outcome;
        }
        staged.push_back(slot);
    }
    if (lines > 0) {
        std::copy(staged.begin(), staged.end(), table.slots.begin());
        table.PluCount = lines;
    }
    outcome.ok = true;
    outcome.count = lines;
    return outcome;
}

std::size_t plu_csv_size_limit(int capacity) { return std::size_t(capacity + 1) * kPluCsvLineLimit; }

PluCsvOutcome Import_PluCsv(const std::string& path, PluTable& table, const Codecs& c, bool withPrice2,
                            int capacity, const std::string& decimalSeparator, const RunLog& log)
{
    Bytes content;
    bool missing = false;
    PluCsvOutcome outcome;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > plu_csv_size_limit(capacity)) {
        outcome.reason = "the file is " + std::to_string(size) + " bytes long; a file of " +
                         std::to_string(capacity) + " PLUs is never longer than " +
                         std::to_string(plu_csv_size_limit(capacity)) + " bytes";
    } else if (!read_whole_file(path, content, missing) || missing) {
        outcome.reason = "the file " + path + " cannot be read";
    } else {
        outcome = read_plu_csv(std::string(content.begin(), content.end()), table, c, withPrice2, capacity,
                               decimalSeparator);
    }
    if (!outcome.ok)
        log.write_log("Frm_PrgPlu_Import " + outcome.description());
    return outcome;
}

}  // namespace tw
