#include "commands/win/target_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "common/win/window_identity.h"

using velmado::commands::SelectTarget;
using velmado::commands::TargetLookupInput;
using velmado::rules::TargetWindow;

namespace {

constexpr wchar_t kPlainClass[] = L"VelmadoTargetTestWindow";
constexpr wchar_t kMdiChildClass[] = L"VelmadoTargetTestMdiChild";

// Window classes of other programs that the lookup treats specially, made here.
void RegisterClasses() {
    static const bool registered = [] {
        for (const wchar_t* name :
             {kPlainClass, L"TApplication", L"TopLevelWindowForOverflowXamlIsland"}) {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = name;
            RegisterClassW(&windowClass);
        }
        WNDCLASSW mdiChild{};
        mdiChild.lpfnWndProc = DefMDIChildProcW;
        mdiChild.hInstance = GetModuleHandleW(nullptr);
        mdiChild.lpszClassName = kMdiChildClass;
        RegisterClassW(&mdiChild);
        return true;
    }();
    (void)registered;
}

class OwnWindow {
public:
    OwnWindow(const wchar_t* className, const wchar_t* caption, DWORD style, RECT r,
              HWND parent = nullptr, void* param = nullptr) {
        RegisterClasses();
        window_ =
            CreateWindowExW(0, className, caption, style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, nullptr, GetModuleHandleW(nullptr), param);
    }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    ~OwnWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

constexpr RECT kPlace{120, 100, 520, 400};
constexpr DWORD kShownFrame = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
// Not this test program: the windows the test makes are other programs' windows to the lookup.
const std::wstring kOtherProgram = L"C:\\Program Files\\Velmado\\Velmado.exe";

TargetWindow Aimed(HWND window, bool offscreenCheck = false,
                   const std::wstring& ownProgram = kOtherProgram) {
    return SelectTarget({window, nullptr, offscreenCheck, ownProgram});
}

void ExpectRefusedButIdentified(HWND window, const wchar_t* caption, const char* what) {
    const TargetWindow target = Aimed(window);
    EXPECT_EQ(target.window, nullptr) << what;
    EXPECT_EQ(target.caption, caption) << what;
    EXPECT_EQ(target.className, velmado::win::WindowClass(window)) << what;
    EXPECT_FALSE(target.program.empty()) << what;
}

} // namespace

TEST(SelectTarget, AnOrdinaryWindowIsTheTargetWithItsIdentityAndRectangle) {
    const OwnWindow window(kPlainClass, L"普通のウィンドウ", kShownFrame, kPlace);
    const TargetWindow target = Aimed(window.get());
    EXPECT_EQ(target.window, window.get());
    EXPECT_EQ(target.caption, L"普通のウィンドウ");
    EXPECT_EQ(target.className, kPlainClass);
    EXPECT_EQ(target.program, velmado::win::GetWindowIdentity(window.get()).programPath);
    EXPECT_FALSE(target.program.empty());
    RECT r{};
    ASSERT_TRUE(GetWindowRect(window.get(), &r));
    EXPECT_EQ(target.rect,
              (velmado::common::XYWH{r.left, r.top, r.right - r.left, r.bottom - r.top}));
}

TEST(SelectTarget, WindowsRefusedBeforeIdentificationLeaveTheRecordEmpty) {
    const OwnWindow minimised(kPlainClass, L"最小化", kShownFrame | WS_MINIMIZE, kPlace);
    ASSERT_TRUE(IsIconic(minimised.get()));
    const OwnWindow hidden(kPlainClass, L"非表示", WS_OVERLAPPEDWINDOW, kPlace);
    const OwnWindow untitled(kPlainClass, L"", kShownFrame, kPlace);
    const OwnWindow distant(kPlainClass, L"画面の外", kShownFrame, {-5000, -5000, -4600, -4700});
    for (const HWND window : {minimised.get(), hidden.get(), untitled.get(), HWND{}}) {
        const TargetWindow target = Aimed(window);
        EXPECT_EQ(target.window, nullptr);
        EXPECT_TRUE(target.program.empty() && target.caption.empty() && target.className.empty());
    }
    EXPECT_EQ(Aimed(distant.get(), false).window, distant.get());
    const TargetWindow offscreen = Aimed(distant.get(), true);
    EXPECT_EQ(offscreen.window, nullptr);
    EXPECT_TRUE(offscreen.caption.empty());

    // This program's own windows, recognised by the file name of its executable.
    const OwnWindow own(kPlainClass, L"自分", kShownFrame, kPlace);
    const std::wstring self = velmado::win::GetWindowExePath(own.get());
    ASSERT_FALSE(self.empty());
    const std::wstring elsewhere = L"D:\\Elsewhere\\" + self.substr(self.find_last_of(L'\\') + 1);
    const TargetWindow refused = Aimed(own.get(), false, elsewhere);
    EXPECT_EQ(refused.window, nullptr);
    EXPECT_TRUE(refused.caption.empty());
}

TEST(SelectTarget, WindowsRefusedAfterIdentificationKeepTheirIdentity) {
    const OwnWindow application(L"TApplication", L"アプリ", WS_POPUP | WS_VISIBLE, kPlace);
    ExpectRefusedButIdentified(application.get(), L"アプリ", "TApplication");
    const OwnWindow empty(kPlainClass, L"大きさなし", WS_POPUP | WS_VISIBLE, {200, 200, 200, 200});
    ExpectRefusedButIdentified(empty.get(), L"大きさなし", "zero size");

    const OwnWindow parent(kPlainClass, L"親", kShownFrame, kPlace);
    const OwnWindow clipping(kPlainClass, L"子",
                             WS_CHILD | WS_CLIPCHILDREN | WS_CAPTION | WS_VISIBLE,
                             {10, 10, 210, 160}, parent.get());
    ExpectRefusedButIdentified(clipping.get(), L"子", "child frame");

    CLIENTCREATESTRUCT client{nullptr, 1000};
    const OwnWindow mdiClient(L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, {0, 0, 380, 260},
                              parent.get(), &client);
    const HWND mdiChild = CreateMDIWindowW(kMdiChildClass, L"文書1", WS_VISIBLE, 10, 10, 200, 150,
                                           mdiClient.get(), GetModuleHandleW(nullptr), 0);
    ASSERT_NE(mdiChild, nullptr);
    ASSERT_EQ(GetWindowLongPtrW(mdiChild, GWL_STYLE) & WS_CLIPCHILDREN, 0)
        << "the class of the parent, not the style, must refuse it";
    ExpectRefusedButIdentified(mdiChild, L"文書1", "MDI child");
}

TEST(SelectTarget, FromTheTrayTheWindowBelowTheProgramIsChosenPastTheOverflowPanel) {
    const OwnWindow before(kPlainClass, L"前面だった", kShownFrame, kPlace);
    const OwnWindow overflow(L"TopLevelWindowForOverflowXamlIsland", L"オーバーフロー", WS_POPUP,
                             {0, 0, 100, 100});
    const OwnWindow app(kPlainClass, L"Velmado", WS_POPUP, {0, 0, 0, 0});
    const auto raise = [](HWND window) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    raise(before.get());
    raise(overflow.get());
    raise(app.get());
    const TargetLookupInput fromTray{nullptr, app.get(), false, kOtherProgram};
    EXPECT_EQ(SelectTarget(fromTray).window, before.get());

    ShowWindow(overflow.get(), SW_SHOWNA);
    raise(overflow.get());
    raise(app.get());
    ASSERT_EQ(GetWindow(app.get(), GW_HWNDNEXT), overflow.get());
    EXPECT_EQ(SelectTarget(fromTray).window, before.get());
}
