// The option bytes that several screens share bit by bit: one map of their
// owners, checked against the screens' own field tables and against what a
// save really changes.
#include <QFile>
#include <map>

#include "editors/common/option_owners.h"
#include "option_screens.h"

namespace tw::test {
namespace {

std::vector<std::size_t> shared_bytes()
{
    std::vector<std::size_t> all;
    for (std::size_t i = 0; i < 200; ++i)
        if (is_shared_option_byte(i))
            all.push_back(i);
    return all;
}

// The bits of each byte that the screen's fields use.
std::map<std::size_t, std::uint8_t> used_bits(const OptionScreen& screen)
{
    std::map<std::size_t, std::uint8_t> used;
    for (const Field* f : fields_of(screen))
        for (const ByteBits& b : place_bits(f->place)) {
            EXPECT_EQ(used[b.offset] & b.mask, 0) << screen.name << " uses bits of byte " << b.offset << " twice";
            used[b.offset] |= b.mask;
        }
    return used;
}

TEST(OptionOwners, TheSharedBytesAreTheOptionBytesAndTheMessageOptions)
{
    EXPECT_EQ(shared_bytes().size(), 21u + 8u + 2u);
    for (std::size_t i : {0, 20, 55, 62, 167, 168})
        EXPECT_TRUE(is_shared_option_byte(i)) << i;
    for (std::size_t i : {21, 54, 63, 166, 169})
        EXPECT_FALSE(is_shared_option_byte(i)) << i;
    for (const OptionBits& o : option_owners())
        EXPECT_TRUE(is_shared_option_byte(o.offset)) << o.screen << " " << o.offset;
}

TEST(OptionOwners, NoBitHasTwoOwners)
{
    std::map<std::size_t, std::pair<std::uint8_t, std::string>> taken;
    for (const OptionBits& o : option_owners()) {
        auto& [bits, owner] = taken[o.offset];
        EXPECT_EQ(bits & o.mask, 0) << "byte " << o.offset << ": " << o.screen << " and " << owner;
        bits |= o.mask;
        owner = o.screen;
    }
    // The bits that no screen owns, as the screens' own descriptions leave them.
    const std::map<std::size_t, std::uint8_t> unowned = {{9, 0x08},  {12, 0xF0}, {13, 0xC0}, {14, 0xFF}, {15, 0xE0},
                                                         {16, 0xF0}, {20, 0x80}, {58, 0xFF}, {59, 0xC0}, {62, 0xC0}};
    for (std::size_t i : shared_bytes()) {
        const auto u = unowned.find(i);
        EXPECT_EQ(std::uint8_t(~taken[i].first), u == unowned.end() ? 0 : u->second) << "byte " << i;
    }
}

class EveryOptionScreen : public OptionFixture, public testing::WithParamInterface<OptionScreen> {};

// Each screen's fields use exactly the shared bits the map gives it.
TEST_P(EveryOptionScreen, UsesTheSharedBitsTheMapGivesIt)
{
    const OptionScreen& screen = GetParam();
    const auto used = used_bits(screen);
    for (std::size_t i : shared_bytes()) {
        const auto u = used.find(i);
        EXPECT_EQ(u == used.end() ? 0 : u->second, owned_bits(screen.name, i)) << screen.name << " byte " << i;
    }
}

// A save with every field at another value changes that screen's bits only,
// and each field's own bits.
TEST_P(EveryOptionScreen, EveryFieldAtAnotherValueChangesOnlyTheScreensBits)
{
    const OptionScreen& screen = GetParam();
    const auto used = used_bits(screen);
    for (unsigned seed = 1; seed <= 5; ++seed) {
        random_image(seed);
        std::mt19937 random(seed);
        fill_in_set(s, screen, random);
        const auto before = image();
        screen.open(*this);
        for (const Field* f : fields_of(screen)) {
            const long long now = read_number(s.image.bytes, f->place, s.codecs);
            const long long other = other_value(*f, now);
            if (is_choice(*f))
                choose(f->name, int(other));
            else
                type_into(f->name, QString::number(other));
        }
        save();
        const auto after = image();
        for (std::size_t i = 0; i < after.size(); ++i) {
            const std::uint8_t changed = before[i] ^ after[i];
            const auto u = used.find(i);
            const std::uint8_t mine = u == used.end() ? 0 : u->second;
            ASSERT_EQ(changed & ~mine, 0) << screen.name << " changed bits of byte " << i << " it does not own";
        }
        for (const Field* f : fields_of(screen)) {
            bool moved = false;
            for (const ByteBits& b : place_bits(f->place))
                moved = moved || ((before[b.offset] ^ after[b.offset]) & b.mask) != 0;
            EXPECT_TRUE(moved) << f->name << " saved its old value";
        }
        EXPECT_EQ(saved_file(), after);
    }
}

// Values within their sets come back byte for byte from an open and a save.
TEST_P(EveryOptionScreen, OpenAndSaveKeepRandomImages)
{
    const OptionScreen& screen = GetParam();
    for (int model : {0, 1}) {
        s.ModelCode = model;
        for (unsigned seed = 1; seed <= 40; ++seed) {
            random_image(seed * 7919 + unsigned(model));
            std::mt19937 random(seed);
            fill_in_set(s, screen, random);
            const auto before = image();
            screen.open(*this);
            save();
            ASSERT_EQ(image(), before) << screen.name << " model " << model << " seed " << seed;
            ASSERT_EQ(saved_file(), before);
        }
    }
}

TEST_P(EveryOptionScreen, HasItsSectionInTheHelp)
{
    QFile guide(QString::fromUtf8(TW_SOURCE_DIR) + "/data/help/eng/VelmoraECRProgrammingUtilityHelp(GB).html");
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QByteArray text = guide.readAll();
    EXPECT_TRUE(text.contains(QByteArray("id=\"") + GetParam().name + "\"")) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryOptionScreen, testing::ValuesIn(option_screens()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw::test
