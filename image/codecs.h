#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/run_log.h"
#include "image/char_tables.h"

namespace tw {

// The field codecs of the programming files: packed BCD (least significant
// byte first, high nibble = tens digit), bits, choice texts and the register
// character set. Each operation logs its own failure with its prefix and
// returns a defined value; none throws. Texts are Windows-1252.
class Codecs {
public:
    Codecs(const RunLog& log, const CharTables& tables) : log_(log), tables_(tables) {}

    // Sum of the bytes as decimal digit pairs; "0" and a log line on a nibble
    // of 10..15 or a byte count of 0.
    std::string bcds_to_number(const std::uint8_t* bytes, int n) const;
    // The same sum, each byte read as the leading decimal digits of its hex
    // writing (0x4A counts 4, 0xA5 counts 0). Never fails.
    std::string bcds_to_number_str(const std::uint8_t* bytes, int n) const;
    // One byte by the bcds_to_number_str rule: 0x4A gives 4.
    static int bcd_to_number(std::uint8_t byte);

    // Packs a value of at least two digits; a three-digit value keeps only
    // its first two digits.
    void number_to_bcd(std::uint8_t& out, long long value) const;

    // Writes the value with at least n digits into n bytes, low digit pair
    // first. Digits that do not fit are dropped with one log line.
    void number_to_bcds(std::uint8_t* out, int n, long long value) const;
    // A fractional value is rounded halves away from zero first, so a price
    // of 1.15 scaled by 100 stores 115 even when the product is 114.9999...
    void number_to_bcds(std::uint8_t* out, int n, double value) const;

    // The leading number of text up to the first separator (case-blind);
    // 0 when absent; 0 and a log line above 255.
    std::uint8_t ottieni_numero(std::string_view text, std::string_view separator) const;
    static std::string text_after_space(const std::string& text);

    void byte_bit_change(std::uint8_t& byte, int k, int flag) const;
    bool byte_bit_tst(std::uint8_t byte, int k) const;

    // The key filter of numeric fields: digits and Backspace pass, every
    // other key code becomes 0 (dropped).
    static int solo_numeri(int keyCode);

    std::string sostituzione_to_ecr(const std::string& pcText) const;
    std::string sostituzione_from_ecr(const std::string& registerText) const;

    const CharTables& tables() const { return tables_; }
    const RunLog& log() const { return log_; }

private:
    void number_text_to_bcds(std::uint8_t* out, int n, const std::string& digits) const;

    const RunLog& log_;
    const CharTables& tables_;
};

}  // namespace tw
