#pragma once
// Tests of the Windows version, on the major and minor version and the build number.

namespace velmado::common {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

bool Is2000OrLater(const WindowsVersion& v);
bool IsXPOrLater(const WindowsVersion& v);
bool IsVistaOrLater(const WindowsVersion& v);
bool IsWin7OrLater(const WindowsVersion& v);
bool IsWin8OrLater(const WindowsVersion& v);
bool IsWin81OrLater(const WindowsVersion& v);
bool IsWin10Family(const WindowsVersion& v);
bool IsWin2000(const WindowsVersion& v);
bool IsWinXP(const WindowsVersion& v);
bool IsWin8(const WindowsVersion& v);
bool IsWin81(const WindowsVersion& v);
// Windows 11 reports major version 10; only the build tells them apart.
bool IsWin10(const WindowsVersion& v);
bool IsWin11(const WindowsVersion& v);
bool IsWin11Build22621OrLater(const WindowsVersion& v);

} // namespace velmado::common
