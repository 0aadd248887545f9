#include "ui/win/window.h"

#include "ui/win/application.h"

namespace velmado::ui {

namespace {

bool RegisterWindowClass(const wchar_t* className, HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, className, &windowClass)) {
        return true;
    }
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace

Window::~Window() {
    handler_ = nullptr;
    Destroy();
}

bool Window::Create(const Options& options, Handler handler) {
    Destroy();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterWindowClass(options.className, instance)) {
        return false;
    }
    handler_ = std::move(handler);
    const HWND window =
        CreateWindowExW(options.exStyle, options.className, options.caption.c_str(), options.style,
                        0, 0, 0, 0, options.owner, nullptr, instance, nullptr);
    if (window == nullptr) {
        handler_ = nullptr;
        return false;
    }
    handle_ = window;
    // Attached after creation, so that it works whatever procedure the class was registered with.
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    classProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
    return true;
}

void Window::Destroy() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const WNDPROC classProcedure = self->classProcedure_;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    std::optional<LRESULT> result;
    // A copy, so that the handler may destroy this object while it runs.
    if (Handler handler = self->handler_) {
        Guarded([&] { result = handler(message, wParam, lParam); });
    }
    return result ? *result : CallWindowProcW(classProcedure, window, message, wParam, lParam);
}

} // namespace velmado::ui
