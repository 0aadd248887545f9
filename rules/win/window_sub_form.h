#pragma once
// The small modal dialog that asks for a rule's key combination, priority level or opacity.
#include <windows.h>

#include <string>

#include "common/win/handles.h"
#include "ui/shortcut_text.h"
#include "ui/win/form.h"

namespace velmado::rules {

class WindowSubForm {
public:
    enum Proc { kKey = 0, kPriority = 1, kOpacity = 2 };
    // Control ids besides IDOK and IDCANCEL.
    enum ControlId : int { kHotKeyId = 101, kPriorityId, kTransAId, kTransBId };

    WindowSubForm();
    WindowSubForm(const WindowSubForm&) = delete;
    WindowSubForm& operator=(const WindowSubForm&) = delete;

    bool Create();
    // Shows the dialog for MProc and returns when it is closed; the choice is then read below
    // (none after "キャンセル").
    void ShowModal(int proc);
    // Shows it without waiting (tests).
    void Show(int proc);
    bool Visible() const;
    HWND Handle() const { return form_.Handle(); }

    int MProc = kKey;

    // The chosen key combination (0: none), level item (-1: none), opacity items (-1: none).
    ui::ShortCut Key() const;
    int PriorityIndex() const;
    int TransAIndex() const;
    int TransBIndex() const;
    // "Shift+Ctrl+A" ..., "" without a key; the level's text, "" without one.
    std::wstring KeyText() const;
    std::wstring PriorityText() const;

private:
    void CreateControls();
    void Layout();
    void UpdateOk();
    void Clear();
    void Finish(bool ok);
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    ui::Form form_;
    win::UniqueGdiObject font_;
    UINT dpi_ = 96;
    HWND HotKeySend = nullptr;
    HWND CBPriority = nullptr;
    HWND CBTransA = nullptr;
    HWND LabelPlus = nullptr;
    HWND CBTransB = nullptr;
    HWND LabelPercent = nullptr;
    HWND BtnOK = nullptr;
    HWND BtnCancel = nullptr;
};

} // namespace velmado::rules
