#include "ui/win/application.h"

#include <exception>
#include <string_view>

#include "ui/win/form.h"

namespace velmado::ui {

namespace {

std::wstring Widen(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    // Our own messages are UTF-8; anything else is taken in the ANSI code page.
    for (const UINT codePage : {static_cast<UINT>(CP_UTF8), static_cast<UINT>(CP_ACP)}) {
        const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int length = MultiByteToWideChar(codePage, flags, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0);
        if (length > 0) {
            std::wstring wide(static_cast<std::size_t>(length), L'\0');
            MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()),
                                wide.data(), length);
            return wide;
        }
    }
    return {};
}

std::wstring CurrentExceptionMessage() {
    try {
        throw;
    } catch (const std::exception& error) {
        return Widen(error.what());
    } catch (...) {
        return L"Unknown exception";
    }
}

} // namespace

Application& Application::Instance() {
    static Application application;
    return application;
}

HWND Application::Handle() {
    if (window_.Handle() == nullptr) {
        Window::Options options;
        options.className = L"TApplication";
        options.caption = title_;
        options.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
        window_.Create(options, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return HandleMessage(message, wParam, lParam);
        });
    }
    return window_.Handle();
}

void Application::SetTitle(const std::wstring& title) {
    title_ = title;
    if (window_.Handle() != nullptr) {
        SetWindowTextW(window_.Handle(), title_.c_str());
    }
}

void Application::ShowApplicationWindow(int command) {
    ShowWindow(Handle(), command);
}

int Application::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Application::Terminate() {
    PostQuitMessage(0);
}

void Application::HandleCurrentException() noexcept {
    try {
        const std::wstring message = CurrentExceptionMessage();
        if (auto handler = OnException) {
            handler(message);
        } else {
            OutputDebugStringW((message + L"\n").c_str());
        }
    } catch (...) {
        // The report itself failed; there is nobody left to tell.
    }
}

std::optional<LRESULT> Application::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_ACTIVATEAPP:
        if (auto handler = wParam ? OnActivate : OnDeactivate) {
            handler();
        }
        return 0;
    case WM_CLOSE:
        // The taskbar button's close closes the program like its own command does.
        if (mainForm_ != nullptr) {
            mainForm_->Close();
        } else {
            Terminate();
        }
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace velmado::ui
