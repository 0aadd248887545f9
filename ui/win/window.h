#pragma once
// A window of our own with its messages routed to a std::function. Every call into the handler is
// a dispatch boundary: an exception that escapes it goes to the application's exception event and
// the message gets its default handling. The building block of forms, timers, tray icons and
// popup-menu owners.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace velmado::ui {

class Window {
public:
    // A value answers the message; nullopt passes it on to the default handling.
    using Handler =
        std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

    struct Options {
        const wchar_t* className = L"VelmadoUtilWindow";
        std::wstring caption;
        DWORD style = WS_POPUP;
        DWORD exStyle = 0;
        HWND owner = nullptr;
    };

    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window without calling the handler again.
    ~Window();

    // Registers the class on first use (with the program's icon, resource 1) and creates the
    // window, hidden. False when the window could not be created.
    bool Create(const Options& options, Handler handler);
    void Destroy();
    HWND Handle() const { return handle_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    WNDPROC classProcedure_ = DefWindowProcW;
    Handler handler_;
};

} // namespace velmado::ui
