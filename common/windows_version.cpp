#include "common/windows_version.h"

namespace velmado::common {

namespace {
constexpr unsigned kFirstWin11Build = 22000;
} // namespace

bool Is2000OrLater(const WindowsVersion& v) {
    return v.major > 4;
}
bool IsXPOrLater(const WindowsVersion& v) {
    return v.major > 5 || (v.major == 5 && v.minor >= 1);
}
bool IsVistaOrLater(const WindowsVersion& v) {
    return v.major > 5;
}
bool IsWin7OrLater(const WindowsVersion& v) {
    return (v.major >= 6 && v.minor >= 1) || v.major == 10;
}
bool IsWin8OrLater(const WindowsVersion& v) {
    return (v.major >= 6 && v.minor >= 2) || v.major == 10;
}
bool IsWin81OrLater(const WindowsVersion& v) {
    return (v.major >= 6 && v.minor >= 3) || v.major == 10;
}
bool IsWin10Family(const WindowsVersion& v) {
    return v.major == 10;
}
bool IsWin2000(const WindowsVersion& v) {
    return v.major == 5 && v.minor == 0;
}
bool IsWinXP(const WindowsVersion& v) {
    return v.major == 5 && v.minor != 0;
}
bool IsWin8(const WindowsVersion& v) {
    return v.major == 6 && v.minor == 2;
}
bool IsWin81(const WindowsVersion& v) {
    return v.major == 6 && v.minor == 3;
}
bool IsWin10(const WindowsVersion& v) {
    return v.major == 10 && v.build < kFirstWin11Build;
}
bool IsWin11(const WindowsVersion& v) {
    return v.major == 10 && v.build >= kFirstWin11Build;
}
bool IsWin11Build22621OrLater(const WindowsVersion& v) {
    return v.major == 10 && v.build > 22620;
}

} // namespace velmado::common
