#include "app/win/about_box.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/win/module_path.h"
#include "version.h"

namespace velmado::app {

namespace {

constexpr int kOpenDataFolder = 100;

#define VELMADO_WIDEN2(text) L##text
#define VELMADO_WIDEN(text) VELMADO_WIDEN2(text)

HRESULT CALLBACK AboutBoxCallback(HWND dialog, UINT notification, WPARAM wParam, LPARAM,
                                  LONG_PTR dataFolder) {
    if (notification == TDN_BUTTON_CLICKED && static_cast<int>(wParam) == kOpenDataFolder) {
        ShellExecuteW(dialog, L"open", reinterpret_cast<const wchar_t*>(dataFolder), nullptr,
                      nullptr, SW_SHOWNORMAL);
        return S_FALSE; // the box stays open
    }
    return S_OK;
}

} // namespace

void ShowAboutBox(HWND owner, const std::wstring& dataFolder) {
    const std::wstring heading = L"Velmado  バージョン " VELMADO_WIDEN(VELMADO_VERSION_STR);
    const std::wstring content = L"常駐型のウィンドウ管理ツール\n"
                                 L"Copyright (C) 2026 Tovarel\n\n"
                                 L"プログラム: " +
                                 win::ModulePath() + L"\nデータフォルダ: " + dataFolder;
    const TASKDIALOG_BUTTON buttons[] = {{kOpenDataFolder, L"データフォルダを開く(&D)"}};
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    config.hwndParent = owner;
    config.hInstance = GetModuleHandleW(nullptr);
    config.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_ALLOW_DIALOG_CANCELLATION;
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.pszWindowTitle = kAboutBoxTitle;
    config.pszMainIcon = MAKEINTRESOURCEW(1);
    config.pszMainInstruction = heading.c_str();
    config.pszContent = content.c_str();
    config.cButtons = static_cast<UINT>(std::size(buttons));
    config.pButtons = buttons;
    config.nDefaultButton = IDOK;
    config.pfCallback = AboutBoxCallback;
    config.lpCallbackData = reinterpret_cast<LONG_PTR>(dataFolder.c_str());
    TaskDialogIndirect(&config, nullptr, nullptr, nullptr);
}

} // namespace velmado::app
