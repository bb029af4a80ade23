// The keyboard's tables and rules: key positions and preview keys, the named
// key codes, putting a function on a key, the chain and pop-up list bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "keyboard/keyboard_layout.h"
#include "support/test_session.h"

namespace tw::keyboard {
namespace {

// The register's position of each preview key 1 to 33.
constexpr int kPositionOfKey[kPreviewKeys + 1] = {
    -1, 10, 21, 32, 11, 22, 33, 1,  2,  3,  4,  15, 26, 37, 48, 5, 16,
    27, 38, 49, 6,  17, 28, 39, 50, 7,  18, 29, 40, 51, 30, 41, 31, 42};

TEST(KeyPositions, ThirtyThreePreviewKeysAndTwentyFixedKeys)
{
    for (int k = 1; k <= kPreviewKeys; ++k) {
        EXPECT_EQ(position_of(k), kPositionOfKey[k]) << "key " << k;
        EXPECT_EQ(preview_key_of(kPositionOfKey[k]), k);
    }
    const std::set<int> fixed = {0, 8, 9, 12, 13, 14, 19, 20, 23, 24, 25, 34, 35, 36, 43, 44, 45, 46, 47, 52};
    for (int p = 0; p < kPositions; ++p)
        EXPECT_EQ(preview_key_of(p) == 0, fixed.count(p) == 1) << "position " << p;
    EXPECT_EQ(position_of(0), -1);
    EXPECT_EQ(position_of(34), -1);
    EXPECT_EQ(preview_key_of(53), 0);
}

TEST(KeyCodes, NamedInCodeOrderWithNoOperationLast)
{
    const auto codes = named_key_codes();
    ASSERT_EQ(codes.size(), 60u);  // 20..59, DEPT 1..19, NO OPERATION
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end(),
                               [](const KeyName& a, const KeyName& b) { return a.code < b.code; }));
    EXPECT_EQ(codes.front().code, 20);
    EXPECT_EQ(codes.back().code, 255);
    const std::pair<int, const char*> names[] = {
        {20, "DEPT SHIFT, CODE"}, {34, "%1"}, {36, "+/-1"}, {39, "PO"}, {44, "PLU PRICE"},
        {48, "PAYMENT TRANSFER"}, {54, "CHAIN FUNC 5"}, {55, "POP LIST 1"}, {70, "DEPT 1"},
        {88, "DEPT 19"}, {255, "NO OPERATION"}, {60, ""}, {69, ""}, {89, ""}, {0, ""}, {19, ""}};
    for (const auto& [code, name] : names)
        EXPECT_EQ(key_code_name(std::uint8_t(code)), name) << code;
}

// Putting a function on a key takes it off every other key, NO OPERATION
// excepted.
TEST(PutKey, AFunctionIsOnOneKeyAtMost)
{
    KeyLayout layout;
    layout.fill(kNoOperationKey);
    layout[1] = 24;   // SUBTOTAL
    layout[10] = 34;  // %1
    layout[0] = 34;   // a fixed key holding %1 too

    EXPECT_EQ(put_key(layout, 1, 34), (std::vector<int>{0, 10}));
    EXPECT_EQ(layout[1], 34);
    EXPECT_EQ(layout[10], kNoOperationKey);
    EXPECT_EQ(layout[0], kNoOperationKey);

    EXPECT_EQ(put_key(layout, 1, 34), std::vector<int>{}) << "the same key again clears nothing";
    EXPECT_EQ(put_key(layout, 2, kNoOperationKey), std::vector<int>{}) << "NO OPERATION may be on many keys";
    EXPECT_EQ(std::count(layout.begin(), layout.end(), kNoOperationKey), kPositions - 1);
}

TEST(StoreShownKeys, TheFixedKeysKeepTheirStoredCodes)
{
    test::TestSession t;
    ProgrammingImage& image = t.session.image;
    for (int p = 0; p < kPositions; ++p)
        image.set_byte(prg::KeyboardLayout.offset + std::size_t(p), std::uint8_t(100 + p));
    KeyLayout layout;
    layout.fill(7);
    store_shown_keys(image, layout);
    for (int p = 0; p < kPositions; ++p)
        EXPECT_EQ(image.byte(prg::KeyboardLayout.offset + std::size_t(p)), preview_key_of(p) ? 7 : 100 + p) << p;
    EXPECT_EQ(read_layout(image)[0], 100);
}

TEST(ChainsAndPopLists, LieWhereTheRegisterKeepsThem)
{
    test::TestSession t;
    ProgrammingImage& image = t.session.image;
    EXPECT_EQ(chain_bytes(image, 0).data(), &image.bytes[289]);
    EXPECT_EQ(chain_bytes(image, 3).data(), &image.bytes[295]);
    EXPECT_EQ(chain_bytes(image, 4).size(), 2u);
    EXPECT_EQ(pop_list_bytes(image, 0).data(), &image.bytes[169]);
    EXPECT_EQ(pop_list_bytes(image, 4).data(), &image.bytes[185]);
    EXPECT_EQ(pop_list_bytes(image, 4).size(), 4u);
    ASSERT_EQ(chain_reports().size(), 9u);
    EXPECT_EQ(chain_reports()[8].byte, 1u);
    EXPECT_EQ(chain_reports()[8].bit, 0);
    ASSERT_EQ(pop_list_functions().size(), 27u);
    // Each function has its own bit, in the order of the bits.
    for (std::size_t i = 0; i < pop_list_functions().size(); ++i) {
        EXPECT_EQ(pop_list_functions()[i].byte, i / 8) << i;
        EXPECT_EQ(pop_list_functions()[i].bit, int(i % 8)) << i;
    }
}

TEST(PopLists, DefaultsAndCaptionsOfTheFiveLists)
{
    const std::set<std::string> defaults[kPopLists] = {
        {"CHECK", "CHARGE", "CREDIT1", "CREDIT2", "CREDIT3", "CREDIT4", "CREDIT5", "CREDIT6"},
        {"EC/VOID", "FULL VOID", "REFUND"},
        {"%1", "%2", "+/- 1", "+/- 2"},
        {"RA", "PO"},
        {"FC", "TAKE OUT"},
    };
    for (int list = 0; list < kPopLists; ++list) {
        std::set<std::string> ticked;
        for (const BitFlag& f : pop_list_functions())
            if (ticked_by_default(f, list))
                ticked.insert(f.english);
        EXPECT_EQ(ticked, defaults[list]) << "list " << list + 1;
    }
    const BitFlag& transfer = pop_list_functions()[25];
    EXPECT_STREQ(pop_list_caption(transfer, 0), "PAYMENT TRANSFER");
    for (int list = 1; list < kPopLists; ++list)
        EXPECT_STREQ(pop_list_caption(transfer, list), "PAYMENT TRANFER");
    EXPECT_STREQ(pop_list_caption(pop_list_functions()[0], 3), "RECEIPT ON/OFF");
    EXPECT_EQ(pop_list_functions()[26].key, nullptr) << "TAKE OUT has a fixed caption";
}

}  // namespace
}  // namespace tw::keyboard
