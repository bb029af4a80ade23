#pragma once
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "editor_fixture.h"

namespace tw::test {

// The offsets at which two images differ.
inline std::vector<std::size_t> changed_offsets(const std::vector<std::uint8_t>& before,
                                                const std::vector<std::uint8_t>& after)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i])
            changed.push_back(i);
    return changed;
}

// True when every changed offset lies in [from, to).
inline bool changed_only_within(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after,
                                std::size_t from, std::size_t to)
{
    for (const std::size_t i : changed_offsets(before, after))
        if (i < from || i >= to)
            return false;
    return true;
}

// A register text of printable characters that read back as themselves;
// a trimmed one starts with a non-space, since leading spaces do not survive.
inline void random_name(std::mt19937& random, std::uint8_t* at, std::size_t width, bool trimmed)
{
    for (std::size_t i = 0; i < width; ++i)
        at[i] = std::uint8_t(i == 0 && trimmed ? '!' + random() % 94 : ' ' + random() % 95);
}

// An editor fixture that checks random images: `fill` makes the edited
// values valid, `edit` opens the screen and saves; the image must come back
// byte for byte, for many seeds.
class RoundTripFixture : public EditorFixture {
protected:
    using EditorFixture::EditorFixture;

    template <class Fill, class Edit>
    void expect_images_kept(Fill fill, Edit edit)
    {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            random_image(seed);
            std::mt19937 random(seed);
            fill(random);
            const auto before = image();
            edit();
            ASSERT_EQ(image(), before) << "seed " << seed;
        }
    }
};

}  // namespace tw::test
