#include "app/usb_drivers.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tw {

bool needs_usb_serial_drivers(const PlatformVersion& v, char decimalSeparator)
{
    // "5,01" read with a decimal point is 501, never 5.01.
    return decimalSeparator == ',' && v.major == 5 && v.minor == 1;
}

bool mark_pres_txt(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (!f)
        f = std::fopen(path.c_str(), "w+b");
    if (!f)
        return false;
    const bool ok = std::fwrite("OK", 1, 2, f) == 2;
    return (std::fclose(f) == 0) && ok;
}

void install_usb_serial_drivers(const Session& s, const PlatformVersion& v, char decimalSeparator)
{
#ifdef _WIN32
    if (!needs_usb_serial_drivers(v, decimalSeparator))
        return;
    namespace fs = std::filesystem;
    const char* windir = std::getenv("windir");
    const std::string system = std::string(windir ? windir : "") + "\\system32\\drivers\\";
    const std::string source = s.dirs.AppDir + "driver\\w2k_Xp\\";
    std::error_code ec;
    fs::copy_file(source + "serenum.sys", system + "serenum.sys", fs::copy_options::overwrite_existing, ec);
    fs::copy_file(source + "usbser.sys", system + "usbser.sys", fs::copy_options::overwrite_existing, ec);
    mark_pres_txt(s.dirs.SetupDir + "pres.txt");
#else
    // No platform but that one needs the driver files.
    (void)s;
    (void)v;
    (void)decimalSeparator;
#endif
}

}  // namespace tw
