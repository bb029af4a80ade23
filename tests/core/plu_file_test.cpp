#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "image/plu_file.h"
#include "support/test_session.h"

namespace tw {
namespace {

// A PRG_PLU.BIN image: the count, then `records` records whose every byte
// tells its record number, so a record read into the wrong slot shows.
Bytes plu_bytes(int count, int records)
{
    Bytes b{std::uint8_t(count & 0xFF), std::uint8_t((count >> 8) & 0xFF)};
    for (int i = 1; i <= records; ++i)
        for (std::size_t k = 0; k < plu::kRecordSize; ++k)
            b.push_back(std::uint8_t((i * 7 + int(k)) & 0xFF));
    return b;
}

bool is_free_slot(const PluRecord& r) { return r.bytes == PluRecord::free_slot().bytes; }

class PluFileTest : public ::testing::Test {
protected:
    test::TestSession t;
    Session& s = t.session;
    std::filesystem::path file = std::filesystem::path(s.dirs.DataDir) / "PRG_PLU.BIN";

    void read() { Read_PluFile(s.plu, s.dirs.DataDir, s.files, s.log); }
    void write() { Write_PluFile(s.plu, s.dirs.DataDir, s.files, s.log); }
};

TEST_F(PluFileTest, CountZeroIsATwoByteFileAndEverySlotFree)
{
    s.plu.slot(1).set_code(s.codecs, 42);
    s.plu.PluCount = 0;
    write();
    EXPECT_EQ(test::read_bytes(file), (std::vector<std::uint8_t>{0x00, 0x00}));

    s.plu.PluCount = 9;
    read();
    EXPECT_EQ(s.plu.PluCount, 0);
    for (int n = 1; n <= plu::kMaxRecords; ++n)
        ASSERT_TRUE(is_free_slot(s.plu.slot(n))) << "slot " << n;
    EXPECT_TRUE(t.log().empty());
}

TEST_F(PluFileTest, FieldsDecodeAsTheRegisterStoresThem)
{
    PluRecord r = PluRecord::free_slot();
    const std::uint8_t code[8] = {0x21, 0x43, 0x65, 0x87, 0x09, 0x00, 0x00, 0x00};
    std::copy(code, code + 8, r.bytes.begin());
    EXPECT_EQ(r.code(s.codecs), "987654321");
    EXPECT_FALSE(r.is_free());

    struct Case {
        std::uint8_t byte;
        int department;
    };
    for (const Case& c : {Case{0x07, 7}, Case{0x99, 99}, Case{0x12, 12}, Case{0x00, 0}}) {
        r.bytes[plu::kDepartmentOffset] = c.byte;
        EXPECT_EQ(r.department(), c.department) << int(c.byte);
    }
    r.set_department(s.codecs, 45);
    EXPECT_EQ(r.bytes[plu::kDepartmentOffset], 0x45);
}

TEST_F(PluFileTest, PricesKeepTheirStatusBitsAndTheOtherBitsTravel)
{
    PluRecord r = PluRecord::free_slot();
    r.set_status(0x3C);  // bits 2 to 5, which the program never edits
    r.set_price(s.codecs, 1, 1250);
    r.set_price(s.codecs, 2, 0);
    EXPECT_EQ(r.status(), 0x3C | 0x40);
    EXPECT_EQ(r.price(s.codecs, 1), "1250");
    EXPECT_EQ(r.bytes[plu::kPrice1Offset], 0x50);
    EXPECT_EQ(r.bytes[plu::kPrice1Offset + 1], 0x12);

    r.set_price(s.codecs, 2, 7);
    r.set_price(s.codecs, 1, 0);
    EXPECT_EQ(r.status(), 0x3C | 0x80);

    struct Case {
        int type;
        std::uint8_t flags;
    };
    for (const Case& c : {Case{1, 0xBD}, Case{2, 0xBE}, Case{0, 0xBC}, Case{3, 0xBC}}) {
        r.set_price_type(c.type);
        EXPECT_EQ(r.status(), c.flags) << "type " << c.type;
    }
}

TEST_F(PluFileTest, NamesArePaddedOrCutToSixteenRegisterCharacters)
{
    PluRecord r = PluRecord::free_slot();
    r.set_name(s.codecs, "CAF\xC9");  // É is register code 218
    EXPECT_EQ(r.name(s.codecs), std::string("CAF\xC9") + std::string(12, ' '));
    EXPECT_EQ(r.bytes[plu::kNameOffset + 3], 218);
    r.set_name(s.codecs, "A NAME THAT IS FAR TOO LONG");
    EXPECT_EQ(r.name(s.codecs), "A NAME THAT IS F");
}

TEST_F(PluFileTest, ACountAboveTwoThousandReadsTwoThousandRecordsAndIsKept)
{
    test::write_bytes(file, plu_bytes(2500, 2500));
    s.plu.slot(plu::kSlots).set_code(s.codecs, 777);  // slot 2001 is never touched
    read();
    EXPECT_EQ(s.plu.PluCount, 2500);
    const Bytes expected = plu_bytes(2000, 2000);
    for (int n : {1, 2, 1999, 2000}) {
        const auto first = expected.begin() + std::ptrdiff_t(2 + 36 * (n - 1));
        EXPECT_TRUE(std::equal(first, first + 36, s.plu.slot(n).bytes.begin())) << "slot " << n;
    }
    EXPECT_EQ(s.plu.slot(plu::kSlots).code(s.codecs), "777");
    EXPECT_TRUE(t.log().empty());
}

TEST_F(PluFileTest, WriteThenReadGivesTheSameBytes)
{
    for (int count : {1, 17, 2000}) {
        const Bytes original = plu_bytes(count, count);
        test::write_bytes(file, original);
        read();
        write();
        EXPECT_EQ(test::read_bytes(file), original) << count << " records";
    }
}

TEST_F(PluFileTest, AShortFileReadsItsMissingRecordsAsFreeSlotsWithOneLogLine)
{
    Bytes b = plu_bytes(5, 3);
    b.resize(b.size() + 20, 0x11);  // most of a fourth record
    test::write_bytes(file, b);
    read();
    EXPECT_EQ(s.plu.PluCount, 5);
    EXPECT_FALSE(is_free_slot(s.plu.slot(3)));
    EXPECT_TRUE(is_free_slot(s.plu.slot(4)));
    EXPECT_TRUE(is_free_slot(s.plu.slot(5)));
    EXPECT_EQ(t.log(), (std::vector<std::string>{
                           "Read_PluFile: PRG_PLU.BIN holds 3 of 5 records; the others read as free slots"}));
}

TEST_F(PluFileTest, ANegativeCountReadsNoRecordAndIsLogged)
{
    test::write_bytes(file, plu_bytes(-2, 4));  // 0xFE 0xFF
    s.plu.slot(1).set_code(s.codecs, 5);
    read();
    EXPECT_EQ(s.plu.PluCount, -2);
    EXPECT_TRUE(is_free_slot(s.plu.slot(1)));
    EXPECT_EQ(t.log(), (std::vector<std::string>{"Read_PluFile: PRG_PLU.BIN has the record count -2; no record read"}));
}

TEST_F(PluFileTest, AMissingFileReadsAsAnEmptyTableWithOneLogLine)
{
    s.plu.slot(1).set_code(s.codecs, 5);
    s.plu.PluCount = 1;
    read();
    EXPECT_EQ(s.plu.PluCount, 0);
    EXPECT_TRUE(is_free_slot(s.plu.slot(1)));
    EXPECT_EQ(t.log().size(), 1u);
    EXPECT_EQ(t.effects.beeps, 0);
}

TEST_F(PluFileTest, AReadThatFailsThreeTimesLeavesTheTableAsItWas)
{
    std::filesystem::create_directories(file / "x");  // opens, but cannot be read
    s.plu.slot(1).set_code(s.codecs, 5);
    s.plu.PluCount = 1;
    read();
    EXPECT_EQ(s.plu.PluCount, 1);
    EXPECT_EQ(s.plu.slot(1).code(s.codecs), "5");
    EXPECT_EQ(t.effects.beeps, 3);
    EXPECT_EQ(t.log(), (std::vector<std::string>{"Superati 3 tentativi di lettura PRG_PLU_FILE"}));
}

TEST_F(PluFileTest, AWriteThatFailsThreeTimesLogsTheSameLine)
{
    std::filesystem::create_directories(file / "x");  // cannot be replaced
    s.plu.PluCount = 0;
    write();
    EXPECT_EQ(t.effects.beeps, 3);
    EXPECT_EQ(t.log(), (std::vector<std::string>{"Superati 3 tentativi di lettura PRG_PLU_FILE"}));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(PluFileTest, AWrittenFileAlwaysSaysWhatItHolds)
{
    struct Case {
        int count;
        int written;
        const char* note;
    };
    const Case cases[] = {
        {2500, 2000, "Write_PluFile: record count 2500 is outside 0 to 2000; 2000 records written"},
        {-3, 0, "Write_PluFile: record count -3 is outside 0 to 2000; 0 records written"},
    };
    for (const Case& c : cases) {
        PluTable table;
        table.PluCount = c.count;
        std::string note;
        const Bytes b = encode_plu_file(table, note);
        EXPECT_EQ(b.size(), 2u + 36u * std::size_t(c.written)) << c.count;
        EXPECT_EQ(b[0] | (b[1] << 8), c.written);
        EXPECT_EQ(note, c.note);
    }
}

// The reader against truncated, oversized and random files: whatever the
// bytes, it reads exactly the records the file holds, clears the rest, keeps
// the count and never touches slot 2001. Fixed seed, bounded number of files.
TEST(PluFileFuzz, AnyFileReadsIntoAConsistentTable)
{
    std::mt19937 rng(20251208);
    const Bytes valid = plu_bytes(40, 40);
    std::vector<Bytes> files;
    for (std::size_t cut = 0; cut <= valid.size(); cut += 5)
        files.emplace_back(valid.begin(), valid.begin() + std::ptrdiff_t(cut));
    files.push_back(plu_bytes(32767, 2100));
    files.push_back(plu_bytes(-32768, 3));
    for (int i = 0; i < 400; ++i) {
        Bytes b(std::size_t(rng() % 4000));
        for (auto& byte : b)
            byte = std::uint8_t(rng());
        if (b.size() >= 2 && i % 2 == 0)
            b[1] = std::uint8_t(rng() % 3);  // plausible counts as well as wild ones
        files.push_back(std::move(b));
    }

    PluTable table;
    PluRecord sentinel;
    sentinel.bytes.fill(0xA5);
    for (const Bytes& f : files) {
        table.slots.fill(sentinel);
        decode_plu_file(f, table);
        const int count = f.size() < 2 ? 0 : int(std::int16_t(std::uint16_t(f[0] | (f[1] << 8))));
        ASSERT_EQ(table.PluCount, count);
        const int held = f.size() < 2 ? 0 : int((f.size() - 2) / 36);
        const int read = std::min({std::max(count, 0), 2000, held});
        for (int n = 1; n <= 2000; ++n) {
            const PluRecord& r = table.slot(n);
            if (n <= read)
                ASSERT_TRUE(std::equal(r.bytes.begin(), r.bytes.end(), f.begin() + std::ptrdiff_t(2 + 36 * (n - 1))));
            else
                ASSERT_TRUE(is_free_slot(r)) << "slot " << n << " of a " << f.size() << "-byte file";
        }
        ASSERT_EQ(table.slot(2001).bytes, sentinel.bytes);
    }
}

}  // namespace
}  // namespace tw
