#include "tests/shellstub/shellstub_client.h"

#include "tests/shellstub/shellstub_protocol.h"

namespace velmado::e2e {

namespace {

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

} // namespace

ShellStub ShellStub::Start(const std::wstring& options) {
    ShellStub stub;
    stub.process_ = Process::Start(BinFolder() + L"shellstub.exe", options);
    const DWORD id = stub.process_.Id();
    WaitUntil(
        [&] {
            for (HWND w =
                     FindWindowExW(HWND_MESSAGE, nullptr, shellstub::kControlWindowClass, nullptr);
                 w != nullptr;
                 w = FindWindowExW(HWND_MESSAGE, w, shellstub::kControlWindowClass, nullptr)) {
                if (ProcessOf(w) == id) {
                    stub.control_ = w;
                    return true;
                }
            }
            return false;
        },
        10s);
    EXPECT_NE(stub.control_, nullptr) << "shellstub.exe " << Utf8(options) << " did not start";
    return stub;
}

std::wstring ShellStub::Request(const std::wstring& request) const {
    return SendRequest(control_, shellstub::kRequestTag, request);
}

HWND ShellStub::Window(const std::wstring& className) const {
    for (HWND window : TopLevelWindows(process_.Id())) {
        if (ClassName(window) == className) {
            return window;
        }
    }
    return nullptr;
}

} // namespace velmado::e2e
