#include "transfer/bridge_binding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tw {

void* BridgeBinding::bind(const char* exportName, void*& slot)
{
    if (slot != nullptr)
        return slot;
    if (library_ == nullptr) {
#ifdef _WIN32
        library_ = reinterpret_cast<void*>(LoadLibraryA(library_path().c_str()));
#else
        library_ = ::dlopen(library_path().c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
        if (library_ == nullptr)
            return nullptr;
    }
#ifdef _WIN32
    slot = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library_), exportName));
#else
    slot = ::dlsym(library_, exportName);
#endif
    return slot;
}

std::int32_t BridgeBinding::util_send_cmd_to_ecr(const std::string& toolDir, std::uint8_t direction,
                                                 std::uint8_t fileNumber, std::int32_t& exitCode,
                                                 std::int32_t pollCount)
{
    std::lock_guard<std::mutex> guard(lock_);
    auto fn = reinterpret_cast<util_send_cmd_to_ecr_fn>(bind("util_send_cmd_to_ecr", sendCmd_));
    return fn ? fn(toolDir.c_str(), direction, fileNumber, &exitCode, pollCount) : 0;
}

std::int32_t BridgeBinding::util_get_range_report(const std::string& toolDir, std::uint8_t fileNumber,
                                                  std::int32_t& exitCode, std::int32_t pollCount,
                                                  std::uint8_t rangeStart, std::uint8_t rangeEnd)
{
    std::lock_guard<std::mutex> guard(lock_);
    auto fn = reinterpret_cast<util_get_range_report_fn>(bind("util_get_range_report", rangeReport_));
    return fn ? fn(toolDir.c_str(), fileNumber, &exitCode, pollCount, rangeStart, rangeEnd) : 0;
}

std::int32_t BridgeBinding::util_send_logo_to_ecr(const std::string& toolDir, const std::string& bitmapDir,
                                                  const std::string& bitmapName, std::int32_t& resultCode,
                                                  std::int32_t pollCount)
{
    std::lock_guard<std::mutex> guard(lock_);
    auto fn = reinterpret_cast<util_send_logo_to_ecr_fn>(bind("util_send_logo_to_ecr", sendLogo_));
    return fn ? fn(toolDir.c_str(), bitmapDir.c_str(), bitmapName.c_str(), &resultCode, pollCount) : 0;
}

}  // namespace tw
