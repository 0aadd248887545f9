#pragma once
// One resident instance per user: the running instance is found by its main window, a second
// start hands its file over or ends, and a named mutex tells other processes whether an instance
// runs with administrator rights.
#include <windows.h>

#include <string>

#include "common/win/handles.h"

namespace velmado::app {

inline constexpr wchar_t kMainFormClass[] = L"TTrayForm";
inline constexpr wchar_t kMainFormCaption[] = L"Velmado";
inline constexpr wchar_t kMutexName[] = L"Velmado/Tovarel";
inline constexpr wchar_t kAdminMutexName[] = L"Velmado_Admin/Tovarel";

// The main window of a running instance, or null.
HWND FindRunningInstance();

// Sends the hand-off text and waits until the receiver has handled it.
void SendHandOff(HWND target, HWND sender, const std::wstring& text);

// 0 none running; 1 one runs; 2 one runs with administrator rights; 3 one runs and this
// non-resident run has administrator rights itself.
int RunningInstanceState(bool instanceFound, bool nonResident, bool elevated);

// The instance mutex, held for the life of the process and released when it ends.
class InstanceMutex {
public:
    explicit InstanceMutex(bool elevated);
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    ~InstanceMutex();

private:
    win::UniqueHandle mutex_;
};

} // namespace velmado::app
