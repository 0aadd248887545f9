// The window helpers on real windows of other processes: the probe's windows and the shell
// stand-in's taskbar and desktop.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <functional>
#include <vector>

#include "common/placement.h"
#include "common/taskbar_edges.h"
#include "common/text.h"
#include "common/win/foreground.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"
#include "common/win/shield_glyph.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"
#include "tests/e2e/harness.h"
#include "tests/shellstub/shellstub_client.h"

namespace velmado::e2e {
namespace {

using win::WindowIdentity;

std::wstring ImagePath(HANDLE process) {
    wchar_t path[MAX_PATH * 4] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    QueryFullProcessImageNameW(process, 0, path, &size);
    return path;
}

// A window of this test process inside another process's window, for child classes the probe
// cannot create.
class ForeignChild {
public:
    ForeignChild(HWND parent, const wchar_t* className) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
        window_ = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ForeignChild(const ForeignChild&) = delete;
    ForeignChild& operator=(const ForeignChild&) = delete;
    ~ForeignChild() { DestroyWindow(window_); }
    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
};

class WindowIdentityTest : public E2ETest {};

TEST_F(WindowIdentityTest, ProbeWindowGivesCaptionClassAndProgram) {
    Probe probe = Probe::Start(L"--class VelmadoIdentity --caption \"識別 テスト  \"");
    ASSERT_NE(probe.Window(), nullptr);
    const WindowIdentity identity = win::GetWindowIdentity(probe.Window());
    EXPECT_EQ(identity.caption, L"識別 テスト");
    EXPECT_EQ(identity.className, L"VelmadoIdentity");
    const std::wstring expected = ImagePath(probe.Program().Handle());
    EXPECT_EQ(Utf8(identity.programPath), Utf8(expected));
    EXPECT_TRUE(common::EqualIgnoringAsciiCase(identity.programPath, BinFolder() + L"probe.exe"))
        << Utf8(identity.programPath);
    EXPECT_EQ(Utf8(win::GetWindowExePath(probe.Window())), Utf8(expected));
    // The path a 32-bit build takes for a 64-bit process: the device path mapped to a drive.
    EXPECT_EQ(Utf8(win::ProcessImagePathByDevice(probe.Program().Handle())), Utf8(expected));
}

TEST_F(WindowIdentityTest, InvisibleUntitledAndVanishedWindowsGiveNothing) {
    Probe probe = Probe::Start(L"--caption Visible");
    ASSERT_NE(probe.Window(), nullptr);
    HWND hidden = probe.Create(L"--hidden --caption Hidden");
    HWND untitled = probe.Create(L"--caption \"\"");
    ASSERT_NE(hidden, nullptr);
    ASSERT_NE(untitled, nullptr);
    EXPECT_EQ(win::GetWindowIdentity(hidden), WindowIdentity{});
    EXPECT_EQ(win::GetWindowIdentity(untitled), WindowIdentity{});
    EXPECT_EQ(win::WindowClass(hidden), L"VelmadoProbe");
    probe.Request(L"destroy " + std::to_wstring(reinterpret_cast<INT_PTR>(hidden)));
    EXPECT_EQ(win::GetWindowIdentity(hidden), WindowIdentity{});
    EXPECT_EQ(win::GetWindowExePath(hidden), L"");
    EXPECT_FALSE(win::CanQueryProcess(hidden));
    EXPECT_TRUE(win::CanQueryProcess(probe.Window()));
}

TEST_F(WindowIdentityTest, ListableWindowsAndTheRejectedOnes) {
    Probe probe = Probe::Start(L"--caption Normal --rect 100,100,400,300");
    ASSERT_NE(probe.Window(), nullptr);
    const std::optional<WindowIdentity> normal = win::IsListableWindow(probe.Window());
    ASSERT_TRUE(normal.has_value());
    EXPECT_EQ(normal->caption, L"Normal");
    EXPECT_EQ(normal->className, L"VelmadoProbe");
    EXPECT_FALSE(normal->programPath.empty());

    const std::wstring popup = L" --style 90000000"; // WS_POPUP | WS_VISIBLE: no minimum size
    struct Case {
        std::wstring options;
        const char* what;
    };
    const std::vector<Case> rejected = {
        {L"--caption Far --rect 10000,100,400,300", "left at 10000"},
        {L"--caption Above --rect 100,-10000,400,300", "top at -10000"},
        {L"--caption Low --rect 100,100,400," + std::to_wstring(GetSystemMetrics(SM_CYSIZE) - 1) +
             popup,
         "lower than a caption button"},
        {L"--caption Thin --rect 100,100," + std::to_wstring(GetSystemMetrics(SM_CXSIZE) - 1) +
             L",300" + popup,
         "narrower than a caption button"},
        {L"--caption Disabled --style 08CF0000", "disabled"},
        {L"--caption \"Program Manager\"", "the desktop"},
        {L"--caption Drag --class SysDragImage", "the shell's drag image"},
        {L"--caption Minimised --minimized", "minimised"},
        {L"--caption Hidden --hidden", "hidden"},
    };
    for (const auto& c : rejected) {
        HWND window = probe.Create(c.options);
        ASSERT_NE(window, nullptr) << c.what;
        EXPECT_FALSE(win::IsListableWindow(window).has_value())
            << c.what << ": " << Describe(window);
    }
    // The start button is a shell window only when the shell owns it.
    HWND start = probe.Create(L"--caption スタート --class Button");
    EXPECT_TRUE(win::IsListableWindow(start).has_value());
}

TEST_F(WindowIdentityTest, NormalTopWindowWithAndWithoutTheOffscreenCheck) {
    Probe probe = Probe::Start(L"--caption Offscreen --rect 5000,5000,300,200");
    ASSERT_NE(probe.Window(), nullptr);
    EXPECT_TRUE(win::IsNormalTopWindow(probe.Window(), false));
    EXPECT_FALSE(win::IsNormalTopWindow(probe.Window(), true));
    HWND corner = probe.Create(L"--caption Corner --rect -299,-199,300,200");
    EXPECT_TRUE(win::IsNormalTopWindow(corner, true)) << "its bottom-right corner is on screen";
    HWND maximised = probe.Create(L"--caption Maximised --maximized");
    EXPECT_TRUE(win::IsNormalTopWindow(maximised, true));
    EXPECT_FALSE(win::IsNormalTopWindow(nullptr, false));
}

TEST_F(WindowIdentityTest, FileDialogNeedsTheShellViewAndBothButtons) {
    Probe probe = Probe::Start(L"--dialog --caption 開く --button 開く --button キャンセル");
    ASSERT_NE(probe.Window(), nullptr);
    EXPECT_FALSE(win::IsFileDialog(probe.Window())) << "no shell view yet";
    {
        const ForeignChild view(probe.Window(), L"SHELLDLL_DefView");
        ASSERT_NE(view.Window(), nullptr);
        EXPECT_TRUE(win::IsFileDialog(probe.Window()));
    }
    EXPECT_FALSE(win::IsFileDialog(probe.Window()));
    {
        const ForeignChild view(probe.Window(), L"DUIViewWndClassName");
        EXPECT_TRUE(win::IsFileDialog(probe.Window()));
    }
    HWND oneButton = probe.Create(L"--dialog --caption 保存 --button 保存");
    const ForeignChild view(oneButton, L"SHELLDLL_DefView");
    EXPECT_FALSE(win::IsFileDialog(oneButton)) << "no cancel button";
    HWND notDialog = probe.Create(L"--caption 開く --button 開く --button キャンセル");
    const ForeignChild view2(notDialog, L"SHELLDLL_DefView");
    EXPECT_FALSE(win::IsFileDialog(notDialog)) << "not of the dialog class";
}

TEST_F(WindowIdentityTest, ApplicationWindowsFramesAndStyles) {
    Probe probe = Probe::Start(L"--class TApplication --caption App --style 90000000");
    ASSERT_NE(probe.Window(), nullptr);
    const std::wstring app = std::to_wstring(reinterpret_cast<INT_PTR>(probe.Window()));
    HWND owned = probe.Create(L"--caption Form --owner " + app);
    HWND plain = probe.Create(L"--caption Plain");
    EXPECT_TRUE(win::IsAppHandleWindow(probe.Window()));
    EXPECT_FALSE(win::IsAppHandleWindow(owned));
    EXPECT_EQ(win::GetApplicationOwner(owned), probe.Window());
    EXPECT_EQ(win::GetApplicationOwner(plain), nullptr);
    HWND ownedByPlain = probe.Create(L"--caption Tool --owner " +
                                     std::to_wstring(reinterpret_cast<INT_PTR>(plain)));
    EXPECT_EQ(win::GetApplicationOwner(ownedByPlain), nullptr);

    HWND frame = probe.Create(L"--class ApplicationFrameWindow --caption Frame");
    EXPECT_TRUE(win::IsCoreOrEmptyFrame(frame, L"ApplicationFrameWindow"));
    {
        const ForeignChild core(frame, L"Windows.UI.Core.CoreWindow");
        EXPECT_FALSE(win::IsCoreOrEmptyFrame(frame, L"ApplicationFrameWindow"));
    }
    EXPECT_TRUE(win::IsCoreOrEmptyFrame(plain, L"Windows.UI.Core.CoreWindow"));
    EXPECT_FALSE(win::IsCoreOrEmptyFrame(plain, L"VelmadoProbe"));

    EXPECT_TRUE(win::IsBareStyle(probe.Window()));
    EXPECT_FALSE(win::IsBareStyle(plain));
    EXPECT_FALSE(win::IsBareStyle(nullptr));
    EXPECT_FALSE(win::IsTopmost(plain));
    // Wine applies another process's window position asynchronously: poll the result.
    HWND single = probe.Create(L"--caption Single");
    EXPECT_FALSE(win::IsTopmost(single));
    EXPECT_TRUE(win::SetTopmost(single, true));
    EXPECT_TRUE(WaitUntil([&] { return win::IsTopmost(single); }));
    EXPECT_TRUE(win::SetTopmost(single, false));
    EXPECT_TRUE(WaitUntil([&] { return !win::IsTopmost(single); }));
    win::MakeToolWindow(plain);
    EXPECT_NE(GetWindowLongPtrW(plain, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

TEST_F(WindowIdentityTest, WindowRelations) {
    Probe probe = Probe::Start(L"--dialog --caption 親 --button OK");
    ASSERT_NE(probe.Window(), nullptr);
    HWND button = FindWindowExW(probe.Window(), nullptr, L"Button", nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(win::RootParent(button), probe.Window());
    EXPECT_EQ(win::CaptionedAncestor(button), probe.Window());
    EXPECT_EQ(win::CaptionedAncestor(probe.Window()), probe.Window());
    EXPECT_EQ(win::RootParent(probe.Window()), probe.Window());

    HWND below = probe.Create(L"--caption Below");
    HWND hidden = probe.Create(L"--caption Hidden --hidden");
    // Z order now: below (newest, on top), then the dialog; the hidden one is skipped.
    SetWindowPos(hidden, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(probe.Window(), hidden, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return win::NextVisibleWindow(below) == probe.Window(); }))
        << Describe(win::NextVisibleWindow(below));
}

TEST_F(WindowIdentityTest, ForegroundAndFocus) {
    Probe probe = Probe::Start(L"--caption First");
    ASSERT_NE(probe.Window(), nullptr);
    HWND second = probe.Create(L"--caption Second");
    ASSERT_TRUE(win::ForceForeground(second));
    EXPECT_EQ(GetForegroundWindow(), second);
    ASSERT_TRUE(win::ForceForeground(probe.Window()));
    EXPECT_EQ(GetForegroundWindow(), probe.Window());
    EXPECT_TRUE(win::ForceForeground(probe.Window())) << "already in front";
    EXPECT_EQ(win::GetFocusedControl(), probe.Window());
    EXPECT_TRUE(win::GetCaretScreenPos().has_value()) << "a focus window in front";
    EXPECT_FALSE(win::ForceForeground(nullptr));
}

TEST_F(WindowIdentityTest, CountTopWindowsFollowsNewWindows) {
    Probe probe = Probe::Start(L"--caption Count");
    ASSERT_NE(probe.Window(), nullptr);
    const int before = win::CountTopWindows();
    probe.Create(L"--caption More");
    probe.Create(L"--caption Hidden --hidden");
    EXPECT_EQ(win::CountTopWindows(), before + 2);
    EXPECT_EQ(win::Shell().windowCount, before + 2);
}

class PlacementE2ETest : public E2ETest {};

using common::Rect;
using common::XYWH;

// The placement table written out once more, independently of the library's code.
XYWH Expected(int type, const Rect& r, const XYWH& w) {
    const int fw = r.right - r.left, fh = r.bottom - r.top;
    const int mx = (r.left + r.right) / 2, my = (r.top + r.bottom) / 2;
    switch (type) {
    case 0:
        return {w.left, r.top, w.width, fh};
    case 1:
        return {r.left, w.top, fw, w.height};
    case 2:
        return {w.left, r.top, w.width, w.height};
    case 3:
        return {w.left, r.bottom - w.height, w.width, w.height};
    case 4:
        return {r.left, w.top, w.width, w.height};
    case 5:
        return {r.right - w.width, w.top, w.width, w.height};
    case 6:
        return {r.left, r.top, w.width, w.height};
    case 7:
        return {r.right - w.width, r.top, w.width, w.height};
    case 8:
        return {r.left, r.bottom - w.height, w.width, w.height};
    case 9:
        return {r.right - w.width, r.bottom - w.height, w.width, w.height};
    case 10:
        return {(r.left + r.right - w.width) / 2, (r.top + r.bottom - w.height) / 2, w.width,
                w.height};
    case 11:
        return {r.left, r.top, fw, fh / 2};
    case 12:
        return {r.left, my, fw, fh / 2};
    case 13:
        return {r.left, r.top, fw / 2, fh};
    case 14:
        return {mx, r.top, fw / 2, fh};
    case 15:
        return {r.left, r.top, fw / 2, fh / 2};
    case 16:
        return {mx, r.top, fw / 2, fh / 2};
    case 17:
        return {r.left, my, fw / 2, fh / 2};
    default:
        return {mx, my, fw / 2, fh / 2};
    }
}

void PlaceAllTypes(HWND window, int monitor) {
    const Rect area = win::Screen::Get().WorkArea(monitor);
    const XYWH start = {area.left + 101, area.top + 51, 301, 201};
    for (int type = 0; type < common::kPlacementTypeCount; ++type) {
        MoveWindow(window, start.left, start.top, start.width, start.height, TRUE);
        ASSERT_TRUE(WindowRectIs(window, {start.left, start.top, start.width, start.height}));
        EXPECT_TRUE(win::PlaceOnMonitor(window, type, monitor, false)) << "type " << type;
        const XYWH e = Expected(type, area, start);
        EXPECT_TRUE(WindowRectIs(window, {e.left, e.top, e.width, e.height}))
            << "type " << type << " on monitor " << monitor;
    }
}

TEST_F(PlacementE2ETest, EveryTypeMovesTheWindowOnThePrimaryMonitor) {
    Probe probe = Probe::Start(L"--caption Place");
    ASSERT_NE(probe.Window(), nullptr);
    win::Screen::Get().Refresh();
    PlaceAllTypes(probe.Window(), win::PrimaryMonitorIndex());
}

TEST_F(PlacementE2ETest, BottomHalfOfTheWholeMonitor) {
    Probe probe = Probe::Start(L"--caption Half");
    ASSERT_NE(probe.Window(), nullptr);
    const Rect b = win::Screen::Get().Bounds(win::PrimaryMonitorIndex());
    ASSERT_TRUE(
        win::PlaceOnMonitor(probe.Window(), common::kBottomHalf, win::PrimaryMonitorIndex(), true));
    EXPECT_TRUE(WindowRectIs(probe.Window(), {b.left, b.bottom / 2, b.right, b.bottom / 2}));
}

TEST_F(PlacementE2ETest, LeftAloneWhenItCannotBePlaced) {
    Probe probe = Probe::Start(L"--caption Stay --rect 120,80,300,200");
    ASSERT_NE(probe.Window(), nullptr);
    const int monitors = win::Screen::Get().MonitorCount();
    EXPECT_FALSE(win::PlaceOnMonitor(probe.Window(), common::kCentre, monitors, false));
    EXPECT_FALSE(win::PlaceOnMonitor(probe.Window(), common::kCentre, -1, false));
    EXPECT_FALSE(win::PlaceOnMonitor(nullptr, common::kCentre, 0, false));
    EXPECT_TRUE(win::PlaceOnMonitor(probe.Window(), 19, 0, false))
        << "unknown types keep the rectangle";
    EXPECT_TRUE(WindowRectIs(probe.Window(), {120, 80, 300, 200}));
    HWND minimised = probe.Create(L"--caption Min --minimized");
    EXPECT_FALSE(win::GetWindowRectChecked(minimised).has_value());
    EXPECT_FALSE(win::PlaceOnMonitor(minimised, common::kCentre, 0, false));
    EXPECT_TRUE(IsIconic(minimised));
}

TEST_F(PlacementE2ETest, OffscreenWindowIsRescuedToThePrimaryScreen) {
    Probe probe = Probe::Start(L"--caption Lost --rect 6000,5000,301,201");
    ASSERT_NE(probe.Window(), nullptr);
    EXPECT_TRUE(win::IsRectOffscreen(6000, 5000, 301, 201));
    ASSERT_TRUE(win::RescueOffscreenWindow(probe.Window()));
    const Rect primary = win::Screen::Get().Bounds(win::PrimaryMonitorIndex());
    const Rect now = win::GetWindowRectChecked(probe.Window()).value_or(Rect{});
    EXPECT_EQ(now.Width(), 301);
    EXPECT_EQ(now.Height(), 201);
    // Centred on the primary screen (its taskbar strip counted in, a pixel or so either way).
    EXPECT_NEAR(now.left + now.Width() / 2, primary.Width() / 2, 2);
    EXPECT_NEAR(now.top + now.Height() / 2, primary.Height() / 2, 2);
    EXPECT_FALSE(win::RescueOffscreenWindow(probe.Window())) << "now on screen";

    HWND maximised = probe.Create(L"--caption Max --maximized");
    EXPECT_FALSE(win::RescueOffscreenWindow(maximised));
}

class ShellWindowsTest : public E2ETest {};

TEST_F(ShellWindowsTest, WineAloneHasAHiddenTaskbarWithoutStartButton) {
    HWND taskbar = win::FindTaskbar();
    ASSERT_NE(taskbar, nullptr) << "Wine always has a Shell_TrayWnd";
    EXPECT_FALSE(IsWindowVisible(taskbar));
    EXPECT_EQ(win::FindStartButton(), nullptr);
    EXPECT_EQ(win::GetStartButtonText(), L"");
    EXPECT_FALSE(win::SetStartButtonText(L"x"));
    EXPECT_EQ(win::FindDesktopHost(), nullptr);
    EXPECT_EQ(win::FindDesktopListView(), nullptr);
    EXPECT_EQ(win::HideDesktopIcons(true), nullptr);
    EXPECT_FALSE(win::GetDesktopTextColor().has_value());
}

TEST_F(ShellWindowsTest, FindsTheStandInTaskbarAndStartButton) {
    ShellStub stub = ShellStub::Start();
    HWND taskbar = stub.Window(L"Shell_TrayWnd");
    ASSERT_NE(taskbar, nullptr);
    EXPECT_EQ(win::FindTaskbar(), taskbar) << "the stand-in's taskbar must come before Wine's";
    EXPECT_EQ(win::Shell().taskbar, taskbar);
    HWND button = FindWindowExW(taskbar, nullptr, L"Button", nullptr);
    EXPECT_EQ(win::FindStartButton(), button);
    EXPECT_EQ(win::GetStartButtonText(), L"スタート");
    EXPECT_TRUE(win::SetStartButtonText(L"開始 ボタン"));
    EXPECT_EQ(win::GetStartButtonText(), L"開始 ボタン");
    EXPECT_EQ(win::TaskbarMonitorIndex(), win::PrimaryMonitorIndex());

    // The taskbar vanishes and comes back.
    EXPECT_EQ(stub.Request(L"remove-taskbar"), L"ok");
    EXPECT_NE(win::FindTaskbar(), taskbar);
    EXPECT_EQ(win::GetStartButtonText(), L"");
    HWND again = reinterpret_cast<HWND>(_wtoi64(stub.Request(L"create-taskbar").c_str()));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(win::FindTaskbar(), again);
    EXPECT_EQ(win::GetStartButtonText(), L"スタート");
}

TEST_F(ShellWindowsTest, ScanTaskbarsRecordsTheEdge) {
    struct Case {
        const wchar_t* edge;
        int code;
    };
    for (const Case c :
         {Case{L"bottom", common::kTaskbarBottom}, Case{L"top", common::kTaskbarTop},
          Case{L"left", common::kTaskbarLeft}, Case{L"right", common::kTaskbarRight}}) {
        ShellStub stub = ShellStub::Start(std::wstring(L"--thickness 30 --edge ") + c.edge);
        HWND taskbar = stub.Window(L"Shell_TrayWnd");
        ASSERT_NE(taskbar, nullptr);
        win::ScanTaskbars();
        const int primary = win::PrimaryMonitorIndex();
        const win::TaskbarSlot& slot = win::Shell().taskbars[primary];
        EXPECT_EQ(slot.window, taskbar) << Utf8(c.edge);
        EXPECT_EQ(slot.edge, c.code) << Utf8(c.edge);
        EXPECT_EQ(slot.rect, win::ToRect([&] {
                      RECT r{};
                      GetWindowRect(taskbar, &r);
                      return r;
                  }()));
        EXPECT_EQ(win::Shell().primaryTaskbarMonitor, primary);
        EXPECT_EQ(win::TaskbarMonitorOf(taskbar), primary);
        stub.Program().Kill();
    }
}

TEST_F(ShellWindowsTest, TaskbarMonitorOfOtherWindowsIsMinusOne) {
    ShellStub stub = ShellStub::Start();
    Probe probe = Probe::Start(L"--caption NotATaskbar");
    win::ScanTaskbars();
    EXPECT_EQ(win::TaskbarMonitorOf(probe.Window()), -1);
    EXPECT_EQ(win::TaskbarMonitorOf(nullptr), -1);
    for (int i = win::Screen::Get().MonitorCount(); i < win::kMaxMonitors; ++i) {
        EXPECT_EQ(win::Shell().taskbars[i].window, nullptr);
        EXPECT_EQ(win::Shell().taskbars[i].edge, common::kTaskbarNone);
    }
}

TEST_F(ShellWindowsTest, NotificationIconsStillWorkBesideTheStandIn) {
    ShellStub stub = ShellStub::Start();
    Probe probe = Probe::Start(L"--caption IconOwner");
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = probe.Window();
    icon.uID = 7;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wcscpy_s(icon.szTip, L"テスト");
    EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));
    EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
}

TEST_F(ShellWindowsTest, DesktopIconViewOfTheStandIn) {
    ShellStub stub = ShellStub::Start(L"--desktop");
    HWND host = stub.Window(L"Progman");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(win::FindDesktopHost(), host);
    EXPECT_EQ(win::Shell().desktopHost, host);
    HWND list = win::FindDesktopListView();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ClassName(list), L"SysListView32");
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_FALSE(win::IsNormalTopWindow(host, false)) << "the desktop is no application window";

    win::SetDesktopTextColor(RGB(10, 20, 30));
    EXPECT_EQ(win::GetDesktopTextColor(), RGB(10, 20, 30));
    win::SetDesktopTextBkColor(CLR_NONE);
    EXPECT_EQ(win::GetDesktopTextBkColor(), CLR_NONE);
    const std::vector<std::pair<int, LRESULT>> views = {{1, LV_VIEW_SMALLICON},
                                                        {2, LV_VIEW_LIST},
                                                        {3, LV_VIEW_DETAILS},
                                                        {0, LV_VIEW_ICON},
                                                        {4, LV_VIEW_ICON}};
    for (const auto& [mode, view] : views) {
        win::SetDesktopIconView(mode);
        EXPECT_EQ(SendMessageW(list, LVM_GETVIEW, 0, 0), view) << "mode " << mode;
    }
    HWND defView = GetParent(list);
    EXPECT_EQ(win::HideDesktopIcons(true), defView);
    EXPECT_FALSE(IsWindowVisible(defView));
    EXPECT_EQ(win::HideDesktopIcons(false), defView);
    EXPECT_TRUE(IsWindowVisible(defView));
    win::RefreshDesktop(true);
    win::RefreshDesktop(false);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 4) << "a refresh keeps the icons";
}

TEST_F(ShellWindowsTest, TheShieldIconIsThereForElevationItems) {
    const win::UniqueIcon shield = win::ShieldIcon();
    ASSERT_TRUE(shield);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(shield.get(), &info));
    const win::UniqueGdiObject colour(info.hbmColor);
    const win::UniqueGdiObject mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXSMICON));
}

} // namespace
} // namespace velmado::e2e
