// Builds the default files that ship with the program from their readable
// sources in data/defaults/:
//
//   make_default_files PRG_MODE    <output> <source>...
//   make_default_files PRG_PLU     <output> <source>...
//   make_default_files KEY_DEFAULT <output> <source>...
//
// The sources are read in order (a later line overrides an earlier one) and
// the chosen file is written with the program's own codecs and PLU encoder,
// so the bytes are exactly what the program itself would write. Any mistake
// in a source (unknown directive, value out of range, text too wide) stops
// the build with the file and line.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/run_log.h"
#include "image/char_tables.h"
#include "image/codecs.h"
#include "image/default_files.h"
#include "image/file_access.h"
#include "image/plu_file.h"
#include "image/programming_image.h"
#include "image/win1252.h"

namespace {

using namespace tw;

struct Defaults {
    ProgrammingImage image;
    PluTable plu;
};

// One source line split into words; a double-quoted word may hold spaces.
struct Line {
    std::string where;  // "file:line"
    std::vector<std::string> words;
    std::vector<bool> quoted;
};

[[noreturn]] void fail(const Line& line, const std::string& what)
{
    throw std::runtime_error(line.where + ": " + what);
}

Line split(const std::string& where, const std::string& text)
{
    Line line{where, {}, {}};
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
            ++i;
        } else if (text[i] == '#') {
            break;
        } else if (text[i] == '"') {
            std::string word;
            ++i;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                word += text[i++];
            }
            if (i >= text.size())
                fail(line, "a text has no closing quote");
            ++i;
            line.words.push_back(word);
            line.quoted.push_back(true);
        } else {
            std::size_t end = text.find_first_of(" \t\r#", i);
            if (end == std::string::npos)
                end = text.size();
            line.words.push_back(text.substr(i, end - i));
            line.quoted.push_back(false);
            i = end;
        }
    }
    return line;
}

class Arguments {
public:
    explicit Arguments(const Line& line) : line_(line) {}

    long long number(long long min, long long max)
    {
        const std::string& w = next(false);
        long long value = 0;
        try {
            std::size_t used = 0;
            if (w.rfind("0b", 0) == 0)
                value = std::stoll(w.substr(2), &used, 2), used += 2;
            else if (w.rfind("0x", 0) == 0)
                value = std::stoll(w.substr(2), &used, 16), used += 2;
            else
                value = std::stoll(w, &used, 10);
            if (used != w.size())
                throw std::invalid_argument(w);
        } catch (const std::logic_error&) {
            fail(line_, "\"" + w + "\" is not a number");
        }
        if (value < min || value > max)
            fail(line_, w + " is outside " + std::to_string(min) + " to " + std::to_string(max));
        return value;
    }

    // An unquoted word such as a name.
    std::string word() { return next(false); }

    // A quoted text, as Windows-1252, at most `width` characters.
    std::string text(std::size_t width)
    {
        const std::string& w = next(true);
        const std::string pc = utf8_to_cp1252(w);
        if (cp1252_to_utf8(pc) != w)
            fail(line_, "\"" + w + "\" holds a character that Windows-1252 lacks");
        if (pc.size() > width)
            fail(line_, "\"" + w + "\" is wider than " + std::to_string(width) + " characters");
        return pc;
    }

    void done() const
    {
        if (next_ != line_.words.size())
            fail(line_, "too many values");
    }

private:
    const std::string& next(bool quoted)
    {
        if (next_ >= line_.words.size())
            fail(line_, "a value is missing");
        if (line_.quoted[next_] != quoted)
            fail(line_, quoted ? "a quoted text is expected" : "a number is expected");
        return line_.words[next_++];
    }

    const Line& line_;
    std::size_t next_ = 1;
};

class Builder {
public:
    Builder(Defaults& d, const Codecs& c) : d_(d), c_(c) { define(); }

    void apply(const Line& line)
    {
        auto it = directives_.find(line.words.front());
        if (it == directives_.end())
            fail(line, "unknown directive \"" + line.words.front() + "\"");
        Arguments args(line);
        it->second(args, line);
        args.done();
    }

private:
    using Handler = std::function<void(Arguments&, const Line&)>;

    // A register text: translated into the register's character set, which
    // must hold every character.
    void register_text(const Line& line, std::size_t offset, std::size_t width, const std::string& pc)
    {
        const std::string reg = c_.sostituzione_to_ecr(pc);
        for (std::size_t i = 0; i < pc.size(); ++i)
            if (std::uint8_t(reg[i]) == 127 && std::uint8_t(pc[i]) != 127)
                fail(line, "the register has no character for \"" + cp1252_to_utf8(pc.substr(i, 1)) + "\"");
        d_.image.set_text(c_, offset, width, pc);
    }

    void bcd(std::size_t offset, int bytes, long long value) { d_.image.set_bcd(c_, offset, bytes, value); }
    void byte(std::size_t offset, long long value) { d_.image.set_byte(offset, std::uint8_t(value)); }

    // "name N "TEXT"" for a member made of texts of one width.
    void text_list(const char* name, const prg::Member& member, std::size_t width)
    {
        const long long count = static_cast<long long>(member.size / width);
        directives_[name] = [this, member, width, count](Arguments& a, const Line& line) {
            const long long n = a.number(1, count);
            register_text(line, member.offset + width * std::size_t(n - 1), width, a.text(width));
        };
    }

    void define()
    {
        // A byte of the image by its file offset: the option bytes.
        directives_["byte"] = [this](Arguments& a, const Line&) {
            const long long offset = a.number(0, prg::kImageSize - 1);
            byte(std::size_t(offset), a.number(0, 255));
        };
        // VAT rate 1..4 in thousandths of a percent.
        directives_["vat_rate"] = [this](Arguments& a, const Line&) {
            const long long n = a.number(1, 4);
            bcd(prg::VatRates.offset + 4 * std::size_t(n - 1), 4, a.number(0, 99999));
        };
        // Percentage key 1..2: rate and rate limit in hundredths of a percent.
        directives_["percent_key"] = [this](Arguments& a, const Line&) {
            const prg::Member key = a.number(1, 2) == 1 ? prg::PercentKey1 : prg::PercentKey2;
            bcd(key.offset, 2, a.number(0, 9999));
            bcd(key.offset + 2, 2, a.number(0, 9999));
        };
        // Mode passwords: prg_z, x, manager, training.
        directives_["password"] = [this](Arguments& a, const Line& line) {
            static const std::map<std::string, std::size_t> offsets = {
                {"prg_z", 23}, {"x", 25}, {"manager", 27}, {"training", 29}};
            auto it = offsets.find(a.word());
            if (it == offsets.end())
                fail(line, "the modes are prg_z, x, manager and training");
            bcd(it->second, 2, a.number(0, 9999));
        };
        directives_["plu_page"] = [this](Arguments& a, const Line&) {
            const long long n = a.number(1, 3);
            bcd(prg::PluPages.offset + 8 * std::size_t(n - 1), 8, a.number(0, 9999999999999LL));
        };
        // In-store barcode 1..10: flag, digits in flag, digits in price, FC
        // number, code length (0 long, 1 short), price check digit, newspaper.
        directives_["instore_barcode"] = [this](Arguments& a, const Line&) {
            const std::size_t at = prg::InstoreBarcodes.offset + 8 * std::size_t(a.number(1, 10) - 1);
            bcd(at, 2, a.number(0, 9999));
            byte(at + 2, a.number(0, 3));
            byte(at + 3, a.number(0, 8));
            byte(at + 4, a.number(0, 4));
            byte(at + 5, a.number(0, 1));
            byte(at + 6, a.number(0, 1));
            byte(at + 7, a.number(0, 1));
        };
        // Display wait time (0..3) and scroll speed (0..2).
        directives_["display"] = [this](Arguments& a, const Line&) {
            byte(prg::MessageOptions.offset, a.number(0, 3));
            byte(prg::MessageOptions.offset + 1, a.number(0, 2));
        };
        // Pop-up key list 1..5: its four bit bytes.
        directives_["pop_list"] = [this](Arguments& a, const Line&) {
            const std::size_t at = prg::PopLists.offset + 4 * std::size_t(a.number(1, 5) - 1);
            for (std::size_t i = 0; i < 4; ++i)
                byte(at + i, a.number(0, 255));
        };
        // Report chain 1..5: its two bit bytes.
        directives_["chain"] = [this](Arguments& a, const Line&) {
            const std::size_t at = prg::ChainFunctions.offset + 2 * std::size_t(a.number(1, 5) - 1);
            byte(at, a.number(0, 255));
            byte(at + 1, a.number(0, 255));
        };
        // Department 1..99: name, status flags, price type flags, group, tax
        // class, take-out tax class, price in minor units.
        directives_["department"] = [this](Arguments& a, const Line& line) {
            const std::size_t at = prg::DepartmentTable.offset + prg::kDepartmentSize * std::size_t(a.number(1, 99) - 1);
            register_text(line, at, prg::kDepartmentNameWidth, a.text(prg::kDepartmentNameWidth));
            byte(at + 12, a.number(0, 255));
            byte(at + 13, a.number(0, 255));
            byte(at + 15, a.number(0, 10));
            byte(at + 16, a.number(0, 4));
            byte(at + 17, a.number(0, 4));
            bcd(at + 18, 4, a.number(0, 9999999));
        };
        // Clerk 1..15: name, permission flags, password.
        directives_["clerk"] = [this](Arguments& a, const Line& line) {
            const std::size_t at = prg::ClerkTable.offset + prg::kClerkSize * std::size_t(a.number(1, 15) - 1);
            register_text(line, at, prg::kClerkNameWidth, a.text(prg::kClerkNameWidth));
            byte(at + 24, a.number(0, 255));
            bcd(at + 26, 2, a.number(0, 999));
        };
        // Foreign currency 1..4: name, decimals of the rate, decimal position
        // for rate, rate as a whole number.
        directives_["currency"] = [this](Arguments& a, const Line& line) {
            const std::size_t at =
                prg::ForeignCurrencyTable.offset + prg::kCurrencySize * std::size_t(a.number(1, 4) - 1);
            register_text(line, at, prg::kCurrencyNameWidth, a.text(prg::kCurrencyNameWidth));
            byte(at + 10, a.number(0, 3));
            byte(at + 11, a.number(0, 8));
            bcd(at + 12, 4, a.number(0, 9999999));
        };
        // Tender 0..8: name, HDLO, tender flags.
        directives_["tender"] = [this](Arguments& a, const Line& line) {
            const std::size_t at = prg::TenderTable.offset + prg::kTenderSize * std::size_t(a.number(0, 8));
            register_text(line, at, prg::kTenderNameWidth, a.text(prg::kTenderNameWidth));
            byte(at + 12, a.number(0, 4));
            byte(at + 13, a.number(0, 255));
        };
        // Consecutive receipt number, Z1, Z2 and GT counters.
        directives_["counters"] = [this](Arguments& a, const Line&) {
            bcd(prg::SystemOptions.offset, 2, a.number(0, 9999));
            bcd(prg::SystemOptions.offset + 2, 2, a.number(0, 9999));
            bcd(prg::SystemOptions.offset + 4, 2, a.number(0, 9999));
            bcd(prg::SystemOptions.offset + 6, 8, a.number(0, 999999999999999LL));
        };
        text_list("dept_group", prg::DeptGroupNames, 12);
        text_list("header", prg::HeaderLines, 24);
        text_list("footer", prg::FooterLines, 24);
        text_list("extra_invoice", prg::ExtraInvoiceLines, 24);
        text_list("register_caption", prg::RegisterCaptions, 10);
        text_list("other_line", prg::OtherLines, 24);
        // Scroll message 1..5: stored as the PC's own 8-bit text.
        directives_["scroll"] = [this](Arguments& a, const Line&) {
            const std::size_t at = prg::ScrollMessages.offset + 42 * std::size_t(a.number(1, 5) - 1);
            std::string pc = a.text(42);
            pc.resize(42, ' ');
            std::copy(pc.begin(), pc.end(), d_.image.bytes.begin() + std::ptrdiff_t(at));
        };
        // Key position 0..52 and the key code of its function.
        directives_["key"] = [this](Arguments& a, const Line&) {
            const long long position = a.number(0, 52);
            byte(prg::KeyboardLayout.offset + std::size_t(position), a.number(0, 255));
        };
        // A PLU, in ascending code order: code, name, price type, linked
        // department, tax class, take-out tax class, price 1, price 2.
        directives_["plu"] = [this](Arguments& a, const Line& line) {
            PluTable& t = d_.plu;
            if (t.PluCount >= plu::kMaxRecords)
                fail(line, "more than 2000 PLUs");
            PluRecord r = PluRecord::free_slot();
            const long long code = a.number(1, 9999999999999LL);
            if (t.PluCount > 0 && std::stoll(t.slot(t.PluCount).code(c_)) >= code)
                fail(line, "PLU codes must ascend");
            r.set_code(c_, code);
            r.set_name(c_, a.text(plu::kNameWidth));
            r.set_price_type(int(a.number(0, 2)));
            r.set_department(c_, int(a.number(0, 99)));
            r.set_tax_class(std::uint8_t(a.number(0, 4)));
            r.set_take_out_tax_class(std::uint8_t(a.number(0, 4)));
            r.set_price(c_, 1, a.number(0, 9999999));
            r.set_price(c_, 2, a.number(0, 9999999));
            t.slots[std::size_t(t.PluCount++)] = r;
        };
    }

    Defaults& d_;
    const Codecs& c_;
    std::map<std::string, Handler> directives_;
};

void read_source(const std::string& path, Builder& builder)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path + ": cannot be read");
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        Line line = split(path + ":" + std::to_string(number), text);
        if (!line.words.empty())
            builder.apply(line);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    if (argc < 4) {
        std::cerr << "usage: make_default_files PRG_MODE|PRG_PLU|KEY_DEFAULT <output> <source>...\n";
        return 2;
    }
    const std::string kind = argv[1], output = argv[2];
    const std::string logPath = output + ".log";
    try {
        std::error_code ec;
        fs::create_directories(fs::path(output).parent_path(), ec);
        fs::remove(logPath, ec);
        RunLog log(logPath);  // the codecs report their failures here
        const CharTables tables = build_char_tables();
        const Codecs codecs(log, tables);

        Defaults d;
        auto fill = [&d](const prg::Member& m, std::uint8_t value) {
            std::fill_n(d.image.bytes.begin() + std::ptrdiff_t(m.offset), m.size, value);
        };
        // A text line that no source names is blank; a key position that no
        // source names carries no function.
        for (const prg::Member& m : {prg::DeptGroupNames, prg::HeaderLines, prg::FooterLines, prg::ScrollMessages,
                                     prg::ExtraInvoiceLines, prg::RegisterCaptions, prg::OtherLines})
            fill(m, ' ');
        fill(prg::KeyboardLayout, kNoOperationKey);
        Builder builder(d, codecs);
        for (int i = 3; i < argc; ++i)
            read_source(argv[i], builder);

        if (fs::exists(logPath))
            throw std::runtime_error("a codec failed; see " + logPath);

        Bytes content;
        if (kind == "PRG_MODE") {
            content.assign(d.image.bytes.begin(), d.image.bytes.end());
        } else if (kind == "PRG_PLU") {
            std::string note;
            content = encode_plu_file(d.plu, note);
        } else if (kind == "KEY_DEFAULT") {
            const auto first = d.image.bytes.begin() + std::ptrdiff_t(prg::KeyboardLayout.offset);
            content.assign(first, first + std::ptrdiff_t(prg::KeyboardLayout.size));
        } else {
            throw std::runtime_error("unknown kind " + kind);
        }
        if (!replace_file_atomically(output, content))
            throw std::runtime_error(output + ": cannot be written");
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make_default_files: " << e.what() << "\n";
        return 1;
    }
}
