#pragma once
// The application object: the hidden application window (class "TApplication") that owns the
// forms and carries the taskbar button when shown, the message loop, the activation events and
// the application-wide exception event. Guarded() is the dispatch boundary every handler called
// by this layer runs behind.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/win/window.h"

namespace velmado::ui {

class Form;

class Application {
public:
    static Application& Instance();

    // The application window, created on first use, titled "Velmado".
    HWND Handle();
    void SetTitle(const std::wstring& title);
    // SW_SHOW gives the run a taskbar button; SW_HIDE removes it.
    void ShowApplicationWindow(int command);

    // The form whose destruction ends the message loop.
    void SetMainForm(Form* form) { mainForm_ = form; }
    Form* MainForm() const { return mainForm_; }

    // Runs the message loop until the main form is destroyed or Terminate is called; returns the
    // exit code of the loop.
    int Run();
    void Terminate();

    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    // Every exception that escapes a handler of this layer, with its message.
    std::function<void(const std::wstring& message)> OnException;

    // Passes the exception being handled to OnException; never throws.
    void HandleCurrentException() noexcept;

private:
    Application() = default;
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Window window_;
    std::wstring title_ = L"Velmado";
    Form* mainForm_ = nullptr;
};

// Runs f; an exception that escapes it goes to the application's exception event.
template <typename F> void Guarded(F&& f) noexcept {
    try {
        f();
    } catch (...) {
        Application::Instance().HandleCurrentException();
    }
}

} // namespace velmado::ui
