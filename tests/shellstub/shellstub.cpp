// A stand-in for the parts of the Windows shell that Wine lacks, for the end-to-end tests: the
// taskbar with its start button, taskbars on the other monitors, the desktop icon view and the
// tablet-mode cover window.
//
//   shellstub.exe [options]
//     --no-taskbar           start without the primary taskbar
//     --edge top|bottom|left|right     edge of the primary taskbar (bottom)
//     --secondary EDGE       a secondary taskbar along EDGE of every other monitor
//     --thickness N          taskbar thickness in pixels (40)
//     --desktop              "Progman" > "SHELLDLL_DefView" > "SysListView32" with icon items
//     --tablet               a visible tablet-mode cover window
//
// Requests (WM_COPYDATA, see shellstub_protocol.h; the reply is text):
//   remove-taskbar | create-taskbar (reply: its handle) | tablet show|hide | quit
//   tray-log: the notification-icon requests seen so far, one per line:
//     milliseconds since start TAB message TAB id TAB flags TAB icon digest TAB tip (line
//     breaks in the tip written as \\r and \\n)
//
// Wine keeps its own hidden, zero-size "Shell_TrayWnd". Ours is topmost, so it lies above Wine's
// in Z order and FindWindow finds ours. Tray-icon requests of other programs (WM_COPYDATA sent to
// the first "Shell_TrayWnd") are handed on to Wine's, so notification icons keep working.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/win/screen.h"
#include "tests/probe/text_message.h"
#include "tests/shellstub/shellstub_protocol.h"

namespace {

using velmado::win::Screen;

enum class Edge { Top, Bottom, Left, Right };

struct Options {
    bool taskbar = true;
    Edge edge = Edge::Bottom;
    bool secondary = false;
    Edge secondaryEdge = Edge::Bottom;
    int thickness = 40;
    bool desktop = false;
    bool tablet = false;
};

struct DesktopItem {
    const wchar_t* text;
    int x;
    int y;
};
constexpr DesktopItem kDesktopItems[] = {
    {L"ごみ箱", 20, 10},
    {L"ドキュメント", 20, 110},
    {L"メモ.txt", 120, 10},
    {L"Project", 220, 210},
};

Options g_options;
HWND g_taskbar = nullptr;
HWND g_wineTaskbar = nullptr;
HWND g_tabletCover = nullptr;
std::vector<HWND> g_secondaryTaskbars;
std::wstring g_trayLog;
const ULONGLONG g_start = GetTickCount64();

// The form in which Wine's shell hands a notification icon to the taskbar (WM_COPYDATA, dwData
// the NIM_ message); the icon's mask and colour bits follow it.
struct WineNotifyData {
    LONG window;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    WCHAR tip[128];
    DWORD state;
    DWORD stateMask;
    WCHAR info[256];
    UINT timeoutOrVersion;
    WCHAR infoTitle[64];
    DWORD infoFlags;
    GUID guid;
    UINT width;
    UINT height;
    UINT planes;
    UINT bpp;
};

// Records an icon request so that tests can see images and tips as the shell got them.
void RecordTrayRequest(const COPYDATASTRUCT& data) {
    if (data.cbData < sizeof(WineNotifyData) || data.lpData == nullptr) {
        return;
    }
    WineNotifyData notify;
    std::memcpy(&notify, data.lpData, sizeof(notify));
    std::uint32_t digest = 2166136261u; // FNV-1a over the icon bits
    if ((notify.flags & NIF_ICON) != 0) {
        const auto* bits = static_cast<const unsigned char*>(data.lpData) + sizeof(notify);
        for (DWORD i = 0; i < data.cbData - sizeof(notify); ++i) {
            digest = (digest ^ bits[i]) * 16777619u;
        }
    } else {
        digest = 0;
    }
    notify.tip[std::size(notify.tip) - 1] = L'\0';
    std::wstring tip;
    for (const wchar_t* c = notify.tip; (notify.flags & NIF_TIP) != 0 && *c != L'\0'; ++c) {
        tip += *c == L'\r' ? L"\\r" : *c == L'\n' ? L"\\n" : std::wstring(1, *c);
    }
    g_trayLog += std::to_wstring(GetTickCount64() - g_start) + L"\t" +
                 std::to_wstring(data.dwData) + L"\t" + std::to_wstring(notify.id) + L"\t" +
                 std::to_wstring(notify.flags) + L"\t" + std::to_wstring(digest) + L"\t" + tip +
                 L"\n";
}

Edge ParseEdge(const std::wstring& text) {
    if (text == L"top") {
        return Edge::Top;
    }
    if (text == L"left") {
        return Edge::Left;
    }
    if (text == L"right") {
        return Edge::Right;
    }
    return Edge::Bottom;
}

Options ParseOptions() {
    Options options;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (argv == nullptr) {
        return options;
    }
    for (int i = 1; i < count; ++i) {
        const std::wstring a = argv[i];
        const std::wstring next = i + 1 < count ? argv[i + 1] : L"";
        if (a == L"--no-taskbar") {
            options.taskbar = false;
        } else if (a == L"--edge") {
            options.edge = ParseEdge(next), ++i;
        } else if (a == L"--secondary") {
            options.secondary = true;
            options.secondaryEdge = ParseEdge(next), ++i;
        } else if (a == L"--thickness") {
            options.thickness = _wtoi(next.c_str()), ++i;
        } else if (a == L"--desktop") {
            options.desktop = true;
        } else if (a == L"--tablet") {
            options.tablet = true;
        }
    }
    LocalFree(argv);
    return options;
}

RECT Strip(const velmado::common::Rect& m, Edge edge, int thickness) {
    switch (edge) {
    case Edge::Top:
        return {m.left, m.top, m.right, m.top + thickness};
    case Edge::Left:
        return {m.left, m.top, m.left + thickness, m.bottom};
    case Edge::Right:
        return {m.right - thickness, m.top, m.right, m.bottom};
    case Edge::Bottom:
        break;
    }
    return {m.left, m.bottom - thickness, m.right, m.bottom};
}

HWND CreateTaskbar(const wchar_t* className, const velmado::common::Rect& monitor, Edge edge) {
    const RECT r = Strip(monitor, edge, g_options.thickness);
    HWND bar = CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, L"", WS_POPUP | WS_CLIPCHILDREN, r.left, r.top,
        r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (bar == nullptr) {
        return nullptr;
    }
    const bool vertical = edge == Edge::Left || edge == Edge::Right;
    CreateWindowExW(0, L"Button", L"スタート", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0,
                    vertical ? r.right - r.left : 60, vertical ? 40 : r.bottom - r.top, bar,
                    nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(bar, SW_SHOWNOACTIVATE);
    return bar;
}

HWND CreatePrimaryTaskbar() {
    if (g_taskbar == nullptr) {
        const Screen& screen = Screen::Get();
        g_taskbar =
            CreateTaskbar(L"Shell_TrayWnd", screen.Bounds(screen.PrimaryIndex()), g_options.edge);
    }
    return g_taskbar;
}

void CreateSecondaryTaskbars() {
    const Screen& screen = Screen::Get();
    for (int i = 0; i < screen.MonitorCount(); ++i) {
        if (i != screen.PrimaryIndex()) {
            g_secondaryTaskbars.push_back(CreateTaskbar(L"Shell_SecondaryTrayWnd", screen.Bounds(i),
                                                        g_options.secondaryEdge));
        }
    }
}

void CreateDesktop() {
    const velmado::common::Rect desktop = Screen::Get().DesktopRect();
    const int width = desktop.Width();
    const int height = desktop.Height();
    HWND host = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"Progman", L"Program Manager",
                                WS_POPUP | WS_CLIPCHILDREN, desktop.left, desktop.top, width,
                                height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND view =
        CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        width, height, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"FolderView",
                                WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SHOWSELALWAYS, 0, 0, width,
                                height, view, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(host, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (int i = 0; i < static_cast<int>(std::size(kDesktopItems)); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(kDesktopItems[i].text);
        ListView_InsertItem(list, &item);
    }
    // Positions given before the view is first shown get rearranged: set them now.
    for (int i = 0; i < static_cast<int>(std::size(kDesktopItems)); ++i) {
        ListView_SetItemPosition(list, i, kDesktopItems[i].x, kDesktopItems[i].y);
    }
}

HWND CreateTabletCover() {
    HWND cover =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"TabletModeCoverWindow", L"",
                        WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(cover, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return cover;
}

std::wstring HandleText(HWND window) {
    return std::to_wstring(reinterpret_cast<INT_PTR>(window));
}

std::wstring HandleRequest(const std::wstring& request) {
    if (request == L"remove-taskbar") {
        if (g_taskbar != nullptr) {
            DestroyWindow(g_taskbar);
            g_taskbar = nullptr;
        }
        return L"ok";
    }
    if (request == L"create-taskbar") {
        return HandleText(CreatePrimaryTaskbar());
    }
    if (request == L"tablet show" || request == L"tablet hide") {
        if (g_tabletCover == nullptr) {
            g_tabletCover = CreateTabletCover();
        }
        ShowWindow(g_tabletCover, request == L"tablet show" ? SW_SHOWNOACTIVATE : SW_HIDE);
        return L"ok";
    }
    if (request == L"tray-log") {
        return g_trayLog;
    }
    if (request == L"quit") {
        PostQuitMessage(0);
        return L"ok";
    }
    return L"error: unknown request " + request;
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const std::optional<std::wstring> request =
            velmado::probe::ReceivedText(lParam, velmado::shellstub::kRequestTag);
        if (!request) {
            return FALSE;
        }
        velmado::probe::SendText(reinterpret_cast<HWND>(wParam), nullptr,
                                 velmado::shellstub::kRequestTag, HandleRequest(*request), 5000);
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        RecordTrayRequest(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    }
    if (message == WM_COPYDATA && g_wineTaskbar != nullptr && IsWindow(g_wineTaskbar)) {
        // A notification-icon request meant for the shell.
        DWORD_PTR result = 0;
        SendMessageTimeoutW(g_wineTaskbar, WM_COPYDATA, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                            &result);
        return static_cast<LRESULT>(result);
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK DesktopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        // The desktop stays below every other window.
        reinterpret_cast<WINDOWPOS*>(lParam)->hwndInsertAfter = HWND_BOTTOM;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    g_options = ParseOptions();
    // Wine's own taskbar, found before ours exists.
    g_wineTaskbar = FindWindowW(L"Shell_TrayWnd", nullptr);

    RegisterWindowClass(velmado::shellstub::kControlWindowClass, ControlProc, COLOR_WINDOW);
    RegisterWindowClass(L"Shell_TrayWnd", TaskbarProc, COLOR_BTNFACE);
    RegisterWindowClass(L"Shell_SecondaryTrayWnd", TaskbarProc, COLOR_BTNFACE);
    RegisterWindowClass(L"Progman", DesktopProc, COLOR_BACKGROUND);
    RegisterWindowClass(L"SHELLDLL_DefView", DefWindowProcW, COLOR_BACKGROUND);
    RegisterWindowClass(L"TabletModeCoverWindow", DefWindowProcW, COLOR_WINDOW);

    if (g_options.desktop) {
        CreateDesktop();
    }
    if (g_options.taskbar) {
        CreatePrimaryTaskbar();
    }
    if (g_options.secondary) {
        CreateSecondaryTaskbars();
    }
    if (g_options.tablet) {
        g_tabletCover = CreateTabletCover();
        ShowWindow(g_tabletCover, SW_SHOWNOACTIVATE);
    }
    // Created last: the tests wait for it as the sign that everything else exists.
    if (CreateWindowExW(0, velmado::shellstub::kControlWindowClass, L"", 0, 0, 0, 0, 0,
                        HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
