#pragma once
// The system's file dialogs and the program's questions.
#include <windows.h>

#include <optional>
#include <string>

namespace velmado::ui {

struct FileDialogOptions {
    std::wstring filter; // "説明(*.ext)|*.ext", pairs separated by "|"
    std::wstring title;
    std::wstring initialFolder;
    std::wstring defaultExtension; // without the dot
};

// The chosen file, or nothing when the dialog was cancelled.
std::optional<std::wstring> OpenFileDialog(HWND owner, const FileDialogOptions& options);
// Asks before a file is replaced.
std::optional<std::wstring> SaveFileDialog(HWND owner, const FileDialogOptions& options);

// A confirmation: question icon, system-modal, `buttons` MB_YESNO or MB_YESNOCANCEL; returns
// IDYES, IDNO or IDCANCEL.
int AskQuestion(HWND owner, const std::wstring& text, const std::wstring& title, UINT buttons);

} // namespace velmado::ui
