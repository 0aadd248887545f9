#include "common/paths.h"
#include "common/text.h"
#include "common/win/icons.h"
#include "rules/rule_matcher.h"
#include "rules/rule_plan.h"
#include "rules/win/window_form.h"

namespace velmado::rules {

void WindowForm::TBGetClick() {
    listedWindows_.clear();
    if (ctx_.listWindows) {
        ctx_.listWindows([this](HWND window, const std::wstring& program,
                                const std::wstring& caption, const std::wstring& className,
                                const common::XYWH& rect) {
            Proc_GetWindowList(window, program, caption, className, rect);
        });
    }
    FillWindowListView();
    ui::EnableControl(TBGet, true);
}

void WindowForm::Proc_GetWindowList(HWND window, const std::wstring& program,
                                    const std::wstring& caption, const std::wstring& className,
                                    const common::XYWH& rect) {
    if (!IsWindowEnabled(window) || className == L"TApplication" || rect.width <= 0 ||
        rect.height <= 0) {
        return;
    }
    ListedWindow listed;
    listed.window = window;
    listed.program = program;
    listed.caption = caption;
    listed.className = className;
    listed.rect = rect;
    if (className == L"#32770") {
        listed.message = NormaliseMessageText(DialogMessageText(window));
    }
    listed.style =
        WindowStyleText(static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE)));
    listedWindows_.push_back(std::move(listed));
}

void WindowForm::FillWindowListView() {
    SendMessageW(ListViewWindowList.Handle(), WM_SETREDRAW, FALSE, 0);
    ListViewWindowList.Clear();
    ImageListWindowList.Clear();
    for (const ListedWindow& listed : listedWindows_) {
        const bool explorer =
            common::EqualIgnoringAsciiCase(common::FileBaseName(listed.program), L"EXPLORER.EXE");
        const win::UniqueIcon icon =
            explorer ? win::ExplorerWindowIcon(listed.window) : win::GetFileIcon(listed.program);
        const auto handle = static_cast<long long>(reinterpret_cast<LONG_PTR>(listed.window));
        ListViewWindowList.AddRow(
            {listed.program, listed.caption, listed.className, std::to_wstring(listed.rect.left),
             std::to_wstring(listed.rect.top), std::to_wstring(listed.rect.width),
             std::to_wstring(listed.rect.height), listed.message, listed.style,
             std::to_wstring(handle)},
            ImageListWindowList.Add(icon.get()));
    }
    SendMessageW(ListViewWindowList.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ListViewWindowList.Handle(), nullptr, TRUE);
}

void WindowForm::ListViewWindowListDblClick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= listedWindows_.size()) {
        return;
    }
    const ListedWindow& listed = listedWindows_[static_cast<std::size_t>(row)];
    ctx_.target.window = listed.window;
    ctx_.target.program = listed.program;
    ctx_.target.caption = listed.caption;
    ctx_.target.className = listed.className;
    ctx_.target.rect = listed.rect;
    targetMessage_ = listed.message;
    MWindowMode = 1;
    SelectPage(1);
}

} // namespace velmado::rules
