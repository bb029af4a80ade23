#include "image/plu_file.h"

#include <algorithm>
#include <stdexcept>

#include "base/guard.h"

namespace tw {

namespace {
std::size_t price_offset(int which)
{
    if (which != 1 && which != 2)
        throw std::out_of_range("a PLU has price 1 and price 2 only");
    return which == 1 ? plu::kPrice1Offset : plu::kPrice2Offset;
}
}  // namespace

PluRecord PluRecord::free_slot()
{
    PluRecord r;
    std::fill_n(r.bytes.begin() + plu::kNameOffset, plu::kNameWidth, std::uint8_t(' '));
    return r;
}

bool PluRecord::is_free() const
{
    return std::all_of(bytes.begin(), bytes.begin() + plu::kCodeSize, [](std::uint8_t b) { return b == 0; });
}

std::string PluRecord::code(const Codecs& c) const
{
    return c.bcds_to_number(bytes.data() + plu::kCodeOffset, int(plu::kCodeSize));
}

void PluRecord::set_code(const Codecs& c, long long code)
{
    c.number_to_bcds(bytes.data() + plu::kCodeOffset, int(plu::kCodeSize), code);
}

std::string PluRecord::name(const Codecs& c) const
{
    const auto first = bytes.begin() + plu::kNameOffset;
    return c.sostituzione_from_ecr(std::string(first, first + plu::kNameWidth));
}

void PluRecord::set_name(const Codecs& c, const std::string& pcText)
{
    std::string reg = c.sostituzione_to_ecr(pcText.substr(0, plu::kNameWidth));
    reg.resize(plu::kNameWidth, ' ');
    std::copy(reg.begin(), reg.end(), bytes.begin() + plu::kNameOffset);
}

void PluRecord::set_price_type(int type)
{
    std::uint8_t& flags = bytes[plu::kStatusOffset];
    switch (type) {
    case 0: flags = std::uint8_t(flags & ~plu::kPriceTypeMask); break;
    case 1: flags = std::uint8_t((flags & ~plu::kPriceTypeMask) | 0x01); break;
    case 2: flags = std::uint8_t((flags & ~plu::kPriceTypeMask) | 0x02); break;
    default: break;
    }
}

int PluRecord::department() const { return Codecs::bcd_to_number(bytes[plu::kDepartmentOffset]); }

void PluRecord::set_department(const Codecs& c, int department)
{
    c.number_to_bcd(bytes[plu::kDepartmentOffset], department);
}

std::string PluRecord::price(const Codecs& c, int which) const
{
    return c.bcds_to_number(bytes.data() + price_offset(which), int(plu::kPriceSize));
}

void PluRecord::set_price(const Codecs& c, int which, long long minorUnits)
{
    c.number_to_bcds(bytes.data() + price_offset(which), int(plu::kPriceSize), minorUnits);
    c.byte_bit_change(bytes[plu::kStatusOffset], which == 1 ? plu::kPrice1Bit : plu::kPrice2Bit, minorUnits > 0);
}

void PluTable::clear()
{
    slots.fill(PluRecord::free_slot());
    PluCount = 0;
}

std::string decode_plu_file(const Bytes& file, PluTable& table)
{
    const PluRecord freeSlot = PluRecord::free_slot();
    if (file.size() < plu::kCountSize) {
        std::fill_n(table.slots.begin(), plu::kMaxRecords, freeSlot);
        table.PluCount = 0;
        return "Read_PluFile: PRG_PLU.BIN holds " + std::to_string(file.size()) +
               " bytes and no record count; every slot reads as free";
    }

    const int count = std::int16_t(std::uint16_t(file[0] | (file[1] << 8)));
    const int wanted = std::clamp(count, 0, plu::kMaxRecords);
    const int present = int(std::min<std::size_t>(std::size_t(wanted),
                                                   (file.size() - plu::kCountSize) / plu::kRecordSize));
    for (int i = 0; i < plu::kMaxRecords; ++i) {
        PluRecord& slot = table.slots[std::size_t(i)];
        if (i < present)
            std::copy_n(file.begin() + std::ptrdiff_t(plu::kCountSize + plu::kRecordSize * std::size_t(i)),
                        plu::kRecordSize, slot.bytes.begin());
        else
            slot = freeSlot;
    }
    table.PluCount = count;

    if (count < 0)
        return "Read_PluFile: PRG_PLU.BIN has the record count " + std::to_string(count) + "; no record read";
    if (present < wanted)
        return "Read_PluFile: PRG_PLU.BIN holds " + std::to_string(present) + " of " + std::to_string(wanted) +
               " records; the others read as free slots";
    return {};
}

Bytes encode_plu_file(const PluTable& table, std::string& note)
{
    const int count = std::clamp(table.PluCount, 0, plu::kMaxRecords);
    note = count == table.PluCount ? std::string()
                                   : "Write_PluFile: record count " + std::to_string(table.PluCount) +
                                         " is outside 0 to 2000; " + std::to_string(count) + " records written";
    Bytes file;
    file.reserve(plu::kCountSize + plu::kRecordSize * std::size_t(count));
    file.push_back(std::uint8_t(count & 0xFF));
    file.push_back(std::uint8_t((count >> 8) & 0xFF));
    for (int i = 0; i < count; ++i)
        file.insert(file.end(), table.slots[std::size_t(i)].bytes.begin(), table.slots[std::size_t(i)].bytes.end());
    return file;
}

void Read_PluFile(PluTable& table, const std::string& dataDir, const ThreeAttemptFile& access, const RunLog& log)
{
    guarded(log, "Read_PluFile: ", [&] {
        Bytes content;
        if (!access.read(dataDir + plu::kFileName, content, plu::kFailureLine))
            return;
        const std::string note = decode_plu_file(content, table);
        if (!note.empty())
            log.write_log(note);
    });
}

void Write_PluFile(const PluTable& table, const std::string& dataDir, const ThreeAttemptFile& access,
                   const RunLog& log)
{
    guarded(log, "Write_PluFile: ", [&] {
        std::string note;
        const Bytes content = encode_plu_file(table, note);
        if (!note.empty())
            log.write_log(note);
        access.write(dataDir + plu::kFileName, content, plu::kFailureLine, WriteMode::Replace);
    });
}

}  // namespace tw
