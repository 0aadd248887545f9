#include "ui/win/common_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "ui/file_filter.h"

namespace velmado::ui {

namespace {

std::optional<std::wstring> FileDialog(HWND owner, const FileDialogOptions& options, bool save) {
    const std::wstring filter = FileFilterList(options.filter);
    // Room for long paths.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir =
        options.initialFolder.empty() ? nullptr : options.initialFolder.c_str();
    dialog.lpstrTitle = options.title.c_str();
    dialog.lpstrDefExt =
        options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    return std::wstring(file.data());
}

} // namespace

std::optional<std::wstring> OpenFileDialog(HWND owner, const FileDialogOptions& options) {
    return FileDialog(owner, options, false);
}

std::optional<std::wstring> SaveFileDialog(HWND owner, const FileDialogOptions& options) {
    return FileDialog(owner, options, true);
}

int AskQuestion(HWND owner, const std::wstring& text, const std::wstring& title, UINT buttons) {
    return MessageBoxW(owner, text.c_str(), title.c_str(),
                       buttons | MB_ICONQUESTION | MB_SYSTEMMODAL);
}

} // namespace velmado::ui
