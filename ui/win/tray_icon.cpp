#include "ui/win/tray_icon.h"

#include <shellapi.h>

#include <iterator>
#include <optional>
#include <unordered_map>

#include "ui/win/window.h"

namespace velmado::ui {

struct TrayIconHost {
    static std::unordered_map<UINT, TrayIcon*>& Icons() {
        static std::unordered_map<UINT, TrayIcon*> icons;
        return icons;
    }

    static TrayIcon* Find(UINT id) {
        const auto found = Icons().find(id);
        return found == Icons().end() ? nullptr : found->second;
    }

    static UINT TaskbarCreatedMessage() {
        static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
        return message;
    }

    static std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == TrayIcon::kCallbackMessage) {
            // Version 4 layout: event and icon id in lParam, position in wParam.
            if (TrayIcon* icon = Find(HIWORD(lParam))) {
                icon->HandleCallback(LOWORD(lParam), static_cast<short>(LOWORD(wParam)),
                                     static_cast<short>(HIWORD(wParam)));
            }
            return 0;
        }
        if (message != 0 && message == TaskbarCreatedMessage()) {
            // A new shell knows none of the icons: add every visible one again.
            for (const auto& [id, icon] : Icons()) {
                icon->added_ = false;
                if (icon->visible_) {
                    icon->Notify(NIM_DELETE, 0);
                    icon->Add();
                }
            }
            return 0;
        }
        return std::nullopt;
    }
};

namespace {

std::optional<MouseButton> ButtonOf(UINT event) {
    switch (event) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace

HWND TrayIcon::CallbackWindow() {
    static Window window;
    Window::Options options;
    options.className = kCallbackWindowClass;
    if (window.Handle() == nullptr && window.Create(options, &TrayIconHost::HandleMessage)) {
        // An elevated instance must still hear a non-elevated shell.
        ChangeWindowMessageFilterEx(window.Handle(), TrayIconHost::TaskbarCreatedMessage(),
                                    MSGFLT_ALLOW, nullptr);
        ChangeWindowMessageFilterEx(window.Handle(), kCallbackMessage, MSGFLT_ALLOW, nullptr);
    }
    return window.Handle();
}

TrayIcon::TrayIcon() {
    static UINT lastId = 0;
    id_ = ++lastId;
    TrayIconHost::Icons().emplace(id_, this);
}

TrayIcon::~TrayIcon() {
    if (added_) {
        Notify(NIM_DELETE, 0);
    }
    TrayIconHost::Icons().erase(id_);
}

bool TrayIcon::Notify(DWORD action, UINT flags) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = CallbackWindow();
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    hint_.copy(data.szTip, std::size(data.szTip) - 1);
    data.uVersion = NOTIFYICON_VERSION_4;
    return Shell_NotifyIconW(action, &data) != FALSE;
}

bool TrayIcon::Add() {
    added_ = Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    if (added_) {
        Notify(NIM_SETVERSION, 0);
    }
    return added_;
}

void TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    if (added_) {
        Notify(NIM_MODIFY, NIF_ICON);
    }
}

void TrayIcon::SetHint(std::wstring hint) {
    if (hint.size() > kMaxHintLength) {
        std::size_t length = kMaxHintLength;
        if (hint[length - 1] >= 0xD800 && hint[length - 1] <= 0xDBFF) {
            --length;
        }
        hint.resize(length);
    }
    if (hint == hint_) {
        return;
    }
    hint_ = std::move(hint);
    if (added_) {
        Notify(NIM_MODIFY, NIF_TIP | NIF_SHOWTIP);
    }
}

bool TrayIcon::SetVisible(bool visible) {
    visible_ = visible;
    if (visible && !added_) {
        return Add();
    }
    if (!visible && added_) {
        Notify(NIM_DELETE, 0);
        added_ = false;
    }
    return true;
}

void TrayIcon::HandleCallback(UINT event, int x, int y) {
    if (!enabled_) {
        return;
    }
    const UINT id = id_;
    if (event == WM_MOUSEMOVE) {
        if (auto handler = OnMouseMove) {
            handler(x, y);
        }
        return;
    }
    const std::optional<MouseButton> button = ButtonOf(event);
    if (!button) {
        return;
    }
    switch (event) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (auto handler = OnMouseUp) {
            handler(*button, x, y);
        }
        return;
    default:
        break;
    }
    // A down or the second press of a double click.
    if (auto handler = OnMouseDown) {
        handler(*button, x, y);
    }
    // The down handler may have destroyed this icon.
    if (event == WM_LBUTTONDBLCLK && TrayIconHost::Find(id) == this) {
        if (auto handler = OnDblClick) {
            handler();
        }
    }
}

} // namespace velmado::ui
