#include <gtest/gtest.h>

#include <filesystem>

#include "app/usb_drivers.h"
#include "support/test_session.h"

namespace tw {
namespace {

TEST(UsbSerialDrivers, OnlyVersion501UnderACommaFormatNeedsThem)
{
    EXPECT_TRUE(needs_usb_serial_drivers({5, 1, 2600}, ','));
    EXPECT_FALSE(needs_usb_serial_drivers({5, 1, 2600}, '.'));
    EXPECT_FALSE(needs_usb_serial_drivers({6, 1, 7601}, ','));
    EXPECT_FALSE(needs_usb_serial_drivers({5, 0, 2195}, ','));
}

TEST(UsbSerialDrivers, PresTxtKeepsItsLengthAndGetsOkInFront)
{
    test::TempDir dir;
    const auto file = dir.path() / "pres.txt";
    test::write_bytes(file, {'a', 'b', 'c', 'd', 'e'});
    ASSERT_TRUE(mark_pres_txt(file.string()));
    EXPECT_EQ(test::read_text(file), "OKcde");

    const auto fresh = dir.path() / "new.txt";
    ASSERT_TRUE(mark_pres_txt(fresh.string()));
    EXPECT_EQ(test::read_text(fresh), "OK");
}

#ifndef _WIN32
TEST(UsbSerialDrivers, NothingIsTouchedOnThisPlatform)
{
    test::TestSession t;
    install_usb_serial_drivers(t.session, {5, 1, 2600}, ',');
    EXPECT_FALSE(std::filesystem::exists(t.session.dirs.SetupDir + "pres.txt"));
}
#endif

}  // namespace
}  // namespace tw
