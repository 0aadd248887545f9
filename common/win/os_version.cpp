#include "common/win/os_version.h"

#include <windows.h>

namespace velmado::win {

namespace {

common::WindowsVersion ReadVersion() {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll == nullptr ? nullptr
                         : reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void (*)()>(
                               GetProcAddress(ntdll, "RtlGetVersion")));
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
        return {};
    }
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

} // namespace

const common::WindowsVersion& SystemVersion() {
    static const common::WindowsVersion version = ReadVersion();
    return version;
}

} // namespace velmado::win
