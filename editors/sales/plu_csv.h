#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "base/run_log.h"
#include "base/shared_messages.h"
#include "image/codecs.h"
#include "image/plu_file.h"

namespace tw {

// The PLU exchange file: Windows-1252 text, lines ended by CR LF, fields
// separated by ";". A header line, then one line per PLU with the columns
// number (from 0), name, code, department (hexadecimal writing), price 1,
// price 2 (model 4430 only), price type, tax class, take-out tax class.
// Prices are whole minor units.
//
// A name holding ";", a double quote or a line break is written in double
// quotes with inner quotes doubled, as spreadsheets do; every other field
// is plain, so a file whose names hold none of these is the plain format.

// The header's caption keys in column order; only the department column has
// an English text of its own.
struct PluCsvColumn {
    const char* key;
    const char* english;  // "" when the header place stays empty without a caption
};
std::vector<PluCsvColumn> plu_csv_columns(bool withPrice2);

// The whole file for slots 1 to PluCount.
std::string plu_csv_text(const PluTable& table, const Codecs& c, bool withPrice2, const CaptionLookup& caption);

// Writes the file in one piece; a failure is logged "FrmPrgPlu Errore: "
// + description and returns false.
bool Export_PluCsv(const std::string& path, const PluTable& table, const Codecs& c, bool withPrice2,
                   const CaptionLookup& caption, const RunLog& log);

struct PluCsvOutcome {
    bool ok = false;
    int count = 0;        // data lines read, when ok
    int line = 0;         // the file's line (1 = header) that was refused, else 0
    std::string reason;   // what is wrong, when not ok
    // "line 7: ..." or the reason alone when it concerns the whole file.
    std::string description() const;
};

// Reads the file's text into the table, all or nothing: every line is
// checked first, and the table changes only when all are good. Data line j
// fills slot j; a line cut short keeps the slot's values for the missing
// fields. Numbers are read with the user's decimal separator and rounded to
// whole numbers, halves away from zero. On success PluCount becomes the
// number of data lines (a file with no data line changes nothing); the
// table is not sorted and later slots are left as they are.
PluCsvOutcome read_plu_csv(const std::string& text, PluTable& table, const Codecs& c, bool withPrice2,
                           int capacity, const std::string& decimalSeparator);

// No line of a PLU file the program or a spreadsheet writes comes near this
// many bytes: a file longer than its capacity's lines of this length is no
// PLU file and is refused before it is read.
inline constexpr std::size_t kPluCsvLineLimit = 1024;
std::size_t plu_csv_size_limit(int capacity);

// The file at path through read_plu_csv; a refusal is logged
// "Frm_PrgPlu_Import " + description. A file larger than any valid PLU file
// of the capacity is refused without being read.
PluCsvOutcome Import_PluCsv(const std::string& path, PluTable& table, const Codecs& c, bool withPrice2,
                            int capacity, const std::string& decimalSeparator, const RunLog& log);

}  // namespace tw
