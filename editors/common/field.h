#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "image/codecs.h"

namespace tw {

// One entry of a choice list: the stored number, the caption key of its
// text (null: a fixed text) and the English text.
struct Choice {
    int number;
    const char* key;
    const char* english;
};

// A choice list and how its texts are built: "0. YES", or with `tight` the
// caption right after the point ("1.SCONTO").
struct ChoiceSet {
    std::span<const Choice> choices;
    bool tight = false;
};

// How a value is kept in a run of bytes (the programming image, or one
// record of it or of the PLU file).
enum class Storage {
    Bit,           // one bit: 0 or 1
    Bits,          // `width` bits from `bit` up, as a small number
    Byte,          // the whole byte
    BcdByte,       // one packed BCD byte, 0 to 99
    // One byte read as the decimal number its hexadecimal digits spell (0x12
    // is 12), written as two BCD digits. A byte with a digit above 9 (0x1A)
    // holds no number: it reads -1, which no choice has, without a log line,
    // and its digits read as written ("1A").
    HexDigitsByte,
    Bcd,           // packed BCD over `width` bytes, low digit pair first
    BcdLenient,    // the same, each byte read by its leading decimal digits
    NonZeroByte,   // the whole byte read as 0 or 1 (any value but 0); written as the number
    RegisterText,  // `width` characters of the register's character set
    PlainText,     // `width` characters of the PC's 8-bit text, untranslated
};

struct Place {
    Storage storage;
    std::size_t offset;  // from the start of the bytes
    int bit = 0;         // Bit, Bits: the lowest bit (0 = least significant)
    int width = 1;       // Bits: bits; Bcd: bytes; texts: characters
};

inline constexpr Place bit_at(std::size_t offset, int bit) { return {Storage::Bit, offset, bit, 1}; }
inline constexpr Place bits_at(std::size_t offset, int lowBit, int count) { return {Storage::Bits, offset, lowBit, count}; }
inline constexpr Place byte_at(std::size_t offset) { return {Storage::Byte, offset, 0, 1}; }
inline constexpr Place nonzero_byte_at(std::size_t offset) { return {Storage::NonZeroByte, offset, 0, 1}; }
inline constexpr Place bcd_byte_at(std::size_t offset) { return {Storage::BcdByte, offset, 0, 1}; }
inline constexpr Place hex_digits_byte_at(std::size_t offset) { return {Storage::HexDigitsByte, offset, 0, 1}; }
inline constexpr Place bcd_at(std::size_t offset, int bytes) { return {Storage::Bcd, offset, 0, bytes}; }
inline constexpr Place bcd_lenient_at(std::size_t offset, int bytes) { return {Storage::BcdLenient, offset, 0, bytes}; }
inline constexpr Place register_text_at(std::size_t offset, int width) { return {Storage::RegisterText, offset, 0, width}; }
inline constexpr Place plain_text_at(std::size_t offset, int width) { return {Storage::PlainText, offset, 0, width}; }

bool is_text(Storage storage);

// A number as the user sees and types it: the stored integer over `scale`
// with `decimals` shown decimals and a unit; a maximum the typing may not
// pass; at least `minDigits` digits shown ("000" for 7 is 007).
struct NumberFormat {
    long long maximum = -1;  // none when negative
    int scale = 1;
    int decimals = 0;
    const char* unit = "";
    bool fixedDecimals = false;  // 12.50 rather than 12.5
    bool grouped = false;        // thousands separators in the shown form
    int minDigits = 0;
    bool scaleFromPrices = false;  // the scale and decimals of prices (DecimalPosition)
    bool emptyZero = false;        // a 0 shows empty while the field has the focus
    // The choice field whose number is the count of decimals (an exchange
    // rate over 10 to the power of its decimals choice); the shown form
    // follows that choice.
    const char* decimalsFrom = nullptr;
    int maxChars = 0;              // at most this many characters typed; further keys dropped
    bool emptyFails = false;       // an emptied field stays empty and holds no number: saving it fails
    bool enterToSave = false;      // Enter moves the focus to the Save button
    bool rightAligned = false;     // the digits stand at the field's right edge
};

// What the model 4410 does with a field: shows it, hides it (the value is
// still loaded and saved as it was), or hides it and keeps it: Save leaves
// its place, and its flag, as they are.
enum class On4410 { Shown, Hidden, Kept };

// A label beside a field that names its limit, "(Max 999)".
struct FieldHint {
    const char* name = nullptr;  // its control, "L_PswMax"
    const char* key = nullptr;
    const char* english = nullptr;
};

// A field of an editor, described as data: its control, its label, where its
// value lives and what it takes. A choice field has a choice set; a numeric
// field a number format; a text field takes the width of its place.
struct Field {
    const char* name;      // the control: "Cmb_GTPrint", "E_Name"
    const char* labelKey = nullptr;  // caption key of its label; null for none
    const char* label;     // English label
    Place place;
    ChoiceSet choices{};
    NumberFormat number{};
    On4410 on4410 = On4410::Shown;
    const char* labelName = nullptr;  // the label's control, when not derived from the name
    bool keepSpaces = false;          // a text loads with its trailing spaces
    FieldHint hint{};
    bool trimLeading = false;         // a text loads without its leading spaces too
    // A text shown padded with spaces to its width, and without its trailing
    // spaces while it has the focus (a name typed on from its end).
    bool padded = false;
    // A bit that Save sets when the value is above 0 and clears otherwise
    // (a price's "not zero" flag).
    std::optional<Place> nonZeroFlag{};
    bool ownRow = false;  // stands alone on its row of the form, its hint beside it
};

inline bool is_choice(const Field& f) { return !f.choices.choices.empty(); }

// A value read from its place. A Bcd place of bad digits reads "0" (the
// codec logs it); a number wider than a long long never occurs in the image.
long long read_number(std::span<const std::uint8_t> bytes, const Place& place, const Codecs& codecs);
// Stores the number: bits and bit ranges keep every other bit of the byte;
// a value too large for the place is cut to its width.
void write_number(std::span<std::uint8_t> bytes, const Place& place, long long value, const Codecs& codecs);
// A BCD number as its digits, whatever its length (a 16-digit GT); a
// HexDigitsByte as written ("12", "1A").
std::string read_digits(std::span<const std::uint8_t> bytes, const Place& place, const Codecs& codecs);

// A text place's characters as PC text (translated from the register's
// characters for register text), all `width` of them.
std::string read_text(std::span<const std::uint8_t> bytes, const Place& place, const Codecs& codecs);
// Stores PC text into the place, cut at the width and filled with spaces.
void write_text(std::span<std::uint8_t> bytes, const Place& place, const std::string& pcText,
                const Codecs& codecs);

}  // namespace tw
