#pragma once
#include <string>

#include "app/startup.h"

namespace tw {

// The USB-serial driver step of the start screen. Only platform version 5.01
// under a regional format whose decimal separator is a comma needs the
// driver files: they are copied into the system's driver directory and
// SetupDir + "pres.txt" is marked. Elsewhere nothing happens. Errors are
// ignored.
void install_usb_serial_drivers(const Session& session, const PlatformVersion& version, char decimalSeparator);

// Whether the driver step applies: the version number equals the text "5,01"
// read under the user's regional format.
bool needs_usb_serial_drivers(const PlatformVersion& version, char decimalSeparator);

// Writes "OK" over the first two bytes of the file (created when missing),
// leaving any later bytes as they are. Returns false when it could not.
bool mark_pres_txt(const std::string& path);

}  // namespace tw
