#include "commands/win/window_menu_popup.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "commands/win/target_lookup.h"
#include "commands/win/window_menu.h"
#include "common/text.h"
#include "common/win/window_identity.h"

using velmado::commands::BuildWindowMenu;
using velmado::commands::kNameImage;
using velmado::commands::PPNameClick;
using velmado::commands::PrepareWindowMenu;
using velmado::commands::SelectTarget;
using velmado::commands::TitleBarCursorPoint;
using velmado::commands::TitleBarMetrics;
using velmado::commands::TitleBarSpot;
using velmado::commands::WindowMenuArrays;
using velmado::commands::WindowMenuContext;
using velmado::rules::Rule;
using velmado::rules::TargetWindow;
using velmado::ui::MenuItem;
using velmado::ui::PopupMenu;

namespace {

constexpr wchar_t kRecordingClass[] = L"VelmadoWindowMenuTestWindow";
std::vector<std::wstring>* titleLog = nullptr;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && titleLog != nullptr) {
        titleLog->emplace_back(reinterpret_cast<const wchar_t*>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window of "another program" that records the titles it is given.
class ProbeWindow {
public:
    ProbeWindow(const wchar_t* caption, DWORD exStyle, int left) {
        static const ATOM atom = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = RecordingProcedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kRecordingClass;
            return RegisterClassW(&windowClass);
        }();
        (void)atom;
        window_ = CreateWindowExW(exStyle, kRecordingClass, caption,
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, 120, 360, 260, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;
    ~ProbeWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

std::wstring ClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return text;
}

// Holds the keys down for this thread's GetKeyState, and lets them go afterwards.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state = saved_;
        for (const int key : keys) {
            state[static_cast<std::size_t>(key)] = 0x80;
        }
        SetKeyboardState(state.data());
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys() { SetKeyboardState(saved_.data()); }

private:
    std::array<BYTE, 256> saved_{};
};

class WindowMenuPopup : public ::testing::Test {
protected:
    void SetUp() override { arrays = BuildWindowMenu(menu); }
    MenuItem& Named(const wchar_t* name) { return *menu.Find(name); }
    void Prepare(const TargetWindow& target, bool openedByHook) {
        const WindowMenuContext context{.target = target,
                                        .openedByHook = openedByHook,
                                        .engine = engine,
                                        .rules = ruleList,
                                        .topList = topList,
                                        .version = {10, 0, 19045},
                                        .uacEnabled = true};
        PrepareWindowMenu(menu, arrays, context);
    }
    static TargetWindow Target(HWND window) {
        return SelectTarget({window, nullptr, false, L"C:\\Velmado\\Velmado.exe"});
    }
    // A rule for the target's whole caption with the given fixing kind.
    static Rule RuleFor(const TargetWindow& target, const wchar_t* fixed) {
        Rule rule;
        rule[Rule::Program] = target.program;
        rule[Rule::Caption] = target.caption;
        rule[Rule::Match] = L"全部";
        rule[Rule::Action] = L"通常";
        rule[Rule::Fixed] = fixed;
        return rule;
    }

    PopupMenu menu;
    WindowMenuArrays arrays;
    velmado::rules::RuleList ruleList;
    velmado::rules::WindowStateList topList{L""};
    velmado::rules::WindowStateList transList{L""};
    velmado::rules::RuleEngine engine{ruleList, topList, transList};
};

} // namespace

TEST_F(WindowMenuPopup, WithoutTargetOnlyTheWindowListIsOffered) {
    Prepare({}, false);
    std::vector<std::wstring> shown;
    for (std::size_t i = 0; i < menu.Items().Count(); ++i) {
        if (menu.Items().At(i).visible) {
            shown.push_back(menu.Items().At(i).name);
        }
    }
    EXPECT_EQ(shown, std::vector<std::wstring>{L"PPWindowList"});
    EXPECT_EQ(menu.Image(kNameImage), nullptr);
}

TEST_F(WindowMenuPopup, ARealTargetGetsItsNameIconRuleStateAndATitleFlash) {
    const ProbeWindow window(L"メモ & 計算", WS_EX_TOPMOST, 140);
    const TargetWindow target = Target(window.get());
    ASSERT_EQ(target.window, window.get());
    ruleList = {RuleFor(target, L"位置")};
    ruleList.front()[Rule::Caption] = L"別のウィンドウ";
    ruleList.push_back(RuleFor(target, L"位置"));

    std::vector<std::wstring> titles;
    titleLog = &titles;
    Prepare(target, true);
    titleLog = nullptr;

    EXPECT_EQ(Named(L"PPName").caption,
              velmado::common::DoubleAmpersands(target.program) + L" 【メモ && 計算】");
    EXPECT_NE(menu.Image(kNameImage), nullptr);
    EXPECT_TRUE(Named(L"PPTop").visible);
    EXPECT_EQ(Named(L"PPTop").caption, L"常に手前に表示を解除(&A)");
    EXPECT_TRUE(Named(L"PPFolder").visible) << "the test program's file exists";
    EXPECT_TRUE(Named(L"PPMoving").visible);
    // The position is fixed by the enabled rule: only the size steps are offered.
    EXPECT_TRUE(Named(L"PPWindowCheck").enabled);
    EXPECT_TRUE(Named(L"PPWindowCheck").Checked());
    EXPECT_FALSE(Named(L"PPWindowLoad").enabled);
    EXPECT_TRUE(Named(L"PPSize").enabled);
    EXPECT_FALSE(Named(L"PPPos").enabled);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(arrays.MPPWin[i]->enabled, i >= 7 && i <= 10) << i;
    }
    EXPECT_EQ(titles, (std::vector<std::wstring>{L"", L"メモ & 計算", L"", L"メモ & 計算"}));
    EXPECT_EQ(velmado::win::WindowCaption(window.get()), L"メモ & 計算");

    // Switched off, the rule fixes nothing; a maximised window cannot be moved by hand; a window
    // this program made topmost is offered the release even when the system says otherwise.
    ruleList.back().enabled = false;
    SetWindowPos(window.get(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(window.get(), SW_MAXIMIZE);
    Prepare(target, true);
    EXPECT_FALSE(Named(L"PPWindowCheck").Checked());
    EXPECT_TRUE(Named(L"PPPos").enabled);
    EXPECT_TRUE(arrays.MPPWin[2]->enabled);
    EXPECT_FALSE(Named(L"PPMoving").visible);
    EXPECT_EQ(Named(L"PPTop").caption, L"常に手前に表示(&A)");
    topList.Add(window.get());
    Prepare(target, true);
    EXPECT_EQ(Named(L"PPTop").caption, L"常に手前に表示を解除(&A)");
}

TEST_F(WindowMenuPopup, TheNameItemCopiesOrActivates) {
    const ProbeWindow window(L"名前の項目", 0, 160);
    const ProbeWindow other(L"手前の別ウィンドウ", 0, 600);
    const TargetWindow target = Target(window.get());
    ASSERT_EQ(target.window, window.get());
    {
        const HeldKeys shift({VK_SHIFT});
        PPNameClick(target, menu.OwnerWindow());
    }
    EXPECT_EQ(ClipboardText(), L"名前の項目");
    {
        const HeldKeys both({VK_CONTROL, VK_SHIFT});
        PPNameClick(target, menu.OwnerWindow());
    }
    EXPECT_EQ(ClipboardText(), L"名前の項目") << "Shift wins";
    {
        const HeldKeys control({VK_CONTROL});
        PPNameClick(target, menu.OwnerWindow());
    }
    EXPECT_EQ(ClipboardText(), target.program);

    SetForegroundWindow(other.get());
    PPNameClick(target, menu.OwnerWindow(), {TitleBarSpot::Right, false});
    EXPECT_EQ(GetForegroundWindow(), window.get());
    RECT r{};
    ASSERT_TRUE(GetWindowRect(window.get(), &r));
    const TitleBarMetrics metrics{GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CXBORDER),
                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYCAPTION),
                                  GetSystemMetrics(SM_CYBORDER)};
    const velmado::common::Point expected =
        TitleBarCursorPoint({r.left, r.top, r.right, r.bottom}, TitleBarSpot::Right, metrics);
    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
}
