#include "app/win/instance.h"

#include "app/hand_off.h"

namespace velmado::app {

HWND FindRunningInstance() {
    return FindWindowW(kMainFormClass, kMainFormCaption);
}

void SendHandOff(HWND target, HWND sender, const std::wstring& text) {
    std::vector<std::uint8_t> payload = HandOffPayload(text);
    COPYDATASTRUCT data{};
    data.dwData = 0;
    data.cbData = static_cast<DWORD>(payload.size());
    data.lpData = payload.data();
    SendMessageW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                 reinterpret_cast<LPARAM>(&data));
}

int RunningInstanceState(bool instanceFound, bool nonResident, bool elevated) {
    if (!instanceFound) {
        return 0;
    }
    const win::UniqueHandle adminMutex(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kAdminMutexName));
    if (adminMutex) {
        return 2;
    }
    return nonResident && elevated ? 3 : 1;
}

InstanceMutex::InstanceMutex(bool elevated)
    : mutex_(CreateMutexW(nullptr, FALSE, elevated ? kAdminMutexName : kMutexName)) {}

InstanceMutex::~InstanceMutex() {
    if (mutex_) {
        ReleaseMutex(mutex_.get());
    }
}

} // namespace velmado::app
