#include "app/tray_form.h"

#include "app/hand_off.h"
#include "app/startup_options.h"
#include "app/win/instance.h"
#include "common/win/files.h"

namespace velmado::app {

TrayForm::TrayForm(Program& program)
    : program_(program), errorLog_(program.files.errorLog, IsDebug(program.arguments)),
      form_(kMainFormClass, kMainFormCaption) {
    form_.style = WS_POPUP;
    form_.exStyle = WS_EX_TOOLWINDOW;
    form_.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(message, wParam, lParam);
    };
}

bool TrayForm::Create() {
    if (!form_.Create()) {
        return false;
    }
    // Any program may send the hand-off, also to an instance that runs elevated.
    ChangeWindowMessageFilterEx(form_.Handle(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    return true;
}

void TrayForm::Proc_ErrorLog(const std::wstring& text) {
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    errorLog_.Report(text);
}

std::optional<LRESULT> TrayForm::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        ReceiveHandOff(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return 0;
    }
    return std::nullopt;
}

void TrayForm::ReceiveHandOff(const COPYDATASTRUCT* data) {
    if (FTabletMode || data == nullptr) {
        return;
    }
    const std::optional<std::wstring> text = ReadHandOffText(data->lpData, data->cbData);
    if (!text) {
        return;
    }
    switch (ClassifyHandOff(*text, win::SafeFileExists)) {
    case HandOffCommand::Ignore:
    case HandOffCommand::TrayIconVisible:
    case HandOffCommand::MouseHookDisable:
    case HandOffCommand::RuleFile:
    case HandOffCommand::Profile:
        break;
    }
}

} // namespace velmado::app
