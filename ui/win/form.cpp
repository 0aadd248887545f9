#include "ui/win/form.h"

#include "ui/win/application.h"

namespace velmado::ui {

Form::Form(std::wstring className, std::wstring caption)
    : className_(std::move(className)), caption_(std::move(caption)) {}

Form::~Form() {
    OnDestroy = nullptr;
    OnMessage = nullptr;
    if (Application::Instance().MainForm() == this) {
        Application::Instance().SetMainForm(nullptr);
    }
}

bool Form::Create() {
    Window::Options options;
    options.className = className_.c_str();
    options.caption = caption_;
    options.style = style;
    options.exStyle = exStyle;
    options.owner = Application::Instance().Handle();
    if (!window_.Create(options, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return HandleMessage(message, wParam, lParam);
        })) {
        return false;
    }
    if (auto handler = OnCreate) {
        Guarded(handler);
    }
    return true;
}

bool Form::Close() {
    if (window_.Handle() == nullptr || closing_) {
        return false;
    }
    closing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{closing_};
    bool canClose = true;
    if (auto handler = OnCloseQuery) {
        handler(canClose);
    }
    if (!canClose) {
        return false;
    }
    window_.Destroy();
    return true;
}

std::optional<LRESULT> Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto handler = OnMessage) {
        // Guarded here, so that a failing hook never skips the form's own destruction steps.
        std::optional<LRESULT> result;
        Guarded([&] { result = handler(message, wParam, lParam); });
        if (result) {
            return result;
        }
    }
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        if (auto handler = OnDestroy) {
            handler();
        }
        return std::nullopt;
    case WM_NCDESTROY:
        if (Application::Instance().MainForm() == this) {
            Application::Instance().Terminate();
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace velmado::ui
