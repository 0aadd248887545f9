#pragma once
// A form: a top-level window of a given class and caption, owned by the application window, with
// the creation, close-query and destruction events, a hook for raw messages and a Tag. Closing the
// main form ends the message loop.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/win/window.h"

namespace velmado::ui {

class Form {
public:
    Form(std::wstring className, std::wstring caption);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    // Destroys a window that is still open without running OnDestroy: the handlers may refer to
    // members of an owner that is already gone.
    ~Form();

    // Styles used by Create.
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int tag = 0;

    std::function<void()> OnCreate;
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void()> OnDestroy;
    // Sees every message first; a value answers it, nullopt leaves it to the form.
    Window::Handler OnMessage;

    // Creates the window, hidden, then runs OnCreate. False when the window could not be made.
    bool Create();
    // Asks OnCloseQuery, then destroys the window (OnDestroy runs); false when refused, not open
    // or already closing. WM_CLOSE sent to the form does the same. An exception of OnCloseQuery
    // leaves the form open and reaches the caller.
    bool Close();

    HWND Handle() const { return window_.Handle(); }

private:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring className_;
    std::wstring caption_;
    bool closing_ = false;
    Window window_;
};

} // namespace velmado::ui
