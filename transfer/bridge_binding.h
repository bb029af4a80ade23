#pragma once
#include <cstdint>
#include <mutex>
#include <string>

#include "bridge/tillbridge.h"

namespace tw {

// The names by which the program finds the bridge library and ends a
// hanging transfer tool.
#ifdef _WIN32
inline constexpr const char* kBridgeLibraryName = "tillbridge.dll";
inline constexpr const char* kTillXferProcessName = "tillxfer.exe";
inline constexpr const char* kTillPictProcessName = "tillpict.exe";
#else
inline constexpr const char* kBridgeLibraryName = "libtillbridge.so";
inline constexpr const char* kTillXferProcessName = "tillxfer";
inline constexpr const char* kTillPictProcessName = "tillpict";
#endif

// The program's binding of the three transfer exports of tillbridge. The
// library is loaded by name from the program's directory on the first call
// and kept; each export is looked up on its own first call. A library or
// export that cannot be found makes the call return 0, exactly like a tool
// that did not start (the out argument untouched). A failed load is tried
// again on the next call.
class BridgeBinding {
public:
    explicit BridgeBinding(std::string libraryDir) : libraryDir_(std::move(libraryDir)) {}
    BridgeBinding(const BridgeBinding&) = delete;
    BridgeBinding& operator=(const BridgeBinding&) = delete;

    std::int32_t util_send_cmd_to_ecr(const std::string& toolDir, std::uint8_t direction,
                                      std::uint8_t fileNumber, std::int32_t& exitCode, std::int32_t pollCount);
    std::int32_t util_get_range_report(const std::string& toolDir, std::uint8_t fileNumber,
                                       std::int32_t& exitCode, std::int32_t pollCount, std::uint8_t rangeStart,
                                       std::uint8_t rangeEnd);
    std::int32_t util_send_logo_to_ecr(const std::string& toolDir, const std::string& bitmapDir,
                                       const std::string& bitmapName, std::int32_t& resultCode,
                                       std::int32_t pollCount);

    // The library's full path.
    std::string library_path() const { return libraryDir_ + kBridgeLibraryName; }

private:
    // The export's address, or null when the library or the export is missing.
    void* bind(const char* exportName, void*& slot);

    std::string libraryDir_;
    std::mutex lock_;  // one transfer at a time; guards the handles below
    void* library_ = nullptr;
    void* sendCmd_ = nullptr;
    void* rangeReport_ = nullptr;
    void* sendLogo_ = nullptr;
};

}  // namespace tw
