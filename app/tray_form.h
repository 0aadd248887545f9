#pragma once
// The main form: the program's hidden hub. It is found by other instances through its class and
// caption and receives their hand-offs.
#include <windows.h>

#include <string>

#include "app/program.h"
#include "app/win/error_log.h"
#include "ui/win/form.h"

namespace velmado::app {

class TrayForm {
public:
    explicit TrayForm(Program& program);
    TrayForm(const TrayForm&) = delete;
    TrayForm& operator=(const TrayForm&) = delete;

    bool Create();
    HWND Handle() const { return form_.Handle(); }

    // Logs an error (Error.log, and a message box with "/debug").
    void Proc_ErrorLog(const std::wstring& text);

private:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ReceiveHandOff(const COPYDATASTRUCT* data);

    Program& program_;
    ErrorLog errorLog_;
    ui::Form form_;
    bool FTabletMode = false;
};

} // namespace velmado::app
