#include "common/win/wow64.h"

#include <windows.h>

namespace velmado::win {

namespace {

bool g_wow64 = false;

// Per thread, as the system's switch is.
thread_local int t_depth = 0;
thread_local void* t_saved = nullptr;
thread_local bool t_switched = false;

} // namespace

bool IsWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool DetectWow64() {
    g_wow64 = IsWow64();
    return g_wow64;
}

void InitWow64Redirection() {
    DetectWow64();
}

void DisableRedirection() {
    if (t_depth++ == 0 && g_wow64) {
        t_switched = Wow64DisableWow64FsRedirection(&t_saved) != FALSE;
    }
}

void RevertRedirection() {
    if (t_depth == 0 || --t_depth != 0) {
        return;
    }
    if (t_switched) {
        Wow64RevertWow64FsRedirection(t_saved);
        t_switched = false;
    }
}

} // namespace velmado::win
