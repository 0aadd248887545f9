// The main tray icon: its menu opens on a right click and stops all processing while it is open,
// and the middle and double clicks switch the mouse hook and the work areas.
#include "tests/e2e/harness.h"

#include <fstream>
#include <iterator>

namespace velmado::e2e {
namespace {

class TrayTest : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        velmado_ = Process::Start(BinFolder() + L"Velmado.exe");
        main_ = WaitForWindow(L"TTrayForm", L"Velmado");
        ASSERT_NE(main_, nullptr);
        const DWORD id = velmado_.Id();
        icons_ = WaitForWindow([id](HWND window) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            return owner == id && ClassName(window) == L"VelmadoTrayIcons";
        });
        ASSERT_NE(icons_, nullptr) << "no tray icon window";
        Sleep(2500); // start-up ends with the first tick of the main timer
    }

    // What the notification area sends for a mouse event on the main icon (version 4 layout).
    void Click(UINT mouseMessage) const {
        PostMessageW(icons_, WM_APP + 1, MAKEWPARAM(13, 32), MAKELPARAM(mouseMessage, 1));
    }

    int Passes() const {
        static const UINT message = RegisterWindowMessageW(L"Velmado.PassJournal");
        DWORD_PTR result = 0;
        SendMessageTimeoutW(main_, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        return static_cast<int>(result);
    }

    HWND OpenMenu() const {
        const DWORD id = velmado_.Id();
        return WaitForWindow(
            [id](HWND window) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                return owner == id && ClassName(window) == L"#32768" && IsWindowVisible(window);
            },
            3s);
    }

    std::string ConfigAfterClose() {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(main_, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        EXPECT_TRUE(velmado_.WaitExit(5s));
        std::ifstream in((DataFolder() + L"Config.ini").c_str(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::string text; // ASCII view of the UTF-16LE file
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text.push_back(bytes[i + 1] == 0 ? bytes[i] : '?');
        }
        return text;
    }

    Process velmado_;
    HWND main_ = nullptr;
    HWND icons_ = nullptr;
};

TEST_F(TrayTest, ARightClickOpensTheTrayMenuAndNoPassRunsWhileItIsOpen) {
    Probe probe = Probe::Start(L"--caption \"メニューの間\"");
    Sleep(1000);
    Click(WM_RBUTTONDOWN);
    Click(WM_RBUTTONUP);
    ASSERT_NE(OpenMenu(), nullptr) << "the tray menu did not open";
    const int before = Passes();
    // A new window (hidden, so that nothing else is activated) changes the window count.
    probe.Create(L"--hidden --caption \"隠れた窓\"");
    Sleep(1500);
    EXPECT_EQ(Passes(), before) << "a pass ran while the menu was open";
    // The next click on the icon only closes the menu; processing goes on.
    Click(WM_LBUTTONDOWN);
    Click(WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return OpenMenu() == nullptr; }, 5s)) << "the menu stayed open";
    EXPECT_TRUE(WaitUntil([&] { return Passes() > before; }, 5s));
}

TEST_F(TrayTest, MiddleAndDoubleClicksSwitchTheMouseHookAndTheWorkAreas) {
    Click(WM_MBUTTONDOWN);
    Click(WM_MBUTTONUP);
    Click(WM_LBUTTONDOWN);
    Click(WM_LBUTTONUP);
    Click(WM_LBUTTONDBLCLK);
    Click(WM_LBUTTONUP);
    Sleep(500);
    const std::string config = ConfigAfterClose();
    const auto hook = config.find("[MouseHook]");
    ASSERT_NE(hook, std::string::npos);
    EXPECT_NE(config.find("Enabled=1", config.find("Mouse=", hook)), std::string::npos)
        << "the middle click switched the mouse hook on";
    const auto snap = config.find("[Snap]");
    ASSERT_NE(snap, std::string::npos);
    EXPECT_EQ(config.substr(snap, 17), "[Snap]\r\nEnable=0\r") << "the double click switched the "
                                                                  "work areas off";
}

} // namespace
} // namespace velmado::e2e
