// The main tray icon: its menu opens on a right click and stops all processing while it is open,
// the middle and double clicks switch the mouse hook and the work areas, the tooltip tells the
// state, and the icon flashes when a rule acts.
#include "tests/e2e/harness.h"
#include "tests/e2e/rule_files.h"
#include "tests/shellstub/shellstub_client.h"

#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace velmado::e2e {
namespace {

class TrayTest : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        StartVelmado();
    }

    void StartVelmado(const std::wstring& arguments = {}) {
        velmado_ = Process::Start(BinFolder() + L"Velmado.exe", arguments);
        main_ = WaitForWindow(L"TTrayForm", L"Velmado");
        ASSERT_NE(main_, nullptr);
        icons_ = TrayIconWindow(velmado_.Id());
        ASSERT_NE(icons_, nullptr) << "no tray icon window";
        Sleep(2500); // start-up ends with the first tick of the main timer
    }

    void Click(UINT mouseMessage) const { PostTrayMouse(icons_, mouseMessage); }

    int Passes() const {
        static const UINT message = RegisterWindowMessageW(L"Velmado.PassJournal");
        DWORD_PTR result = 0;
        SendMessageTimeoutW(main_, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        return static_cast<int>(result);
    }

    HWND OpenMenu(Duration timeout = 3s) const { return OpenMenuOf(velmado_.Id(), timeout); }

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

TEST_F(TrayTest, ALeftClickOpensTheWindowMenuForTheWindowInFrontAfterTheSingleClickDelay) {
    Probe probe = Probe::Start(L"--caption \"前の窓\" --rect 100,100,300,200");
    probe.Foreground();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == probe.Window(); }));
    Click(WM_LBUTTONDOWN);
    Click(WM_LBUTTONUP);
    Sleep(100);
    EXPECT_EQ(OpenMenu(0ms), nullptr) << "the menu opened before a double click was ruled out";
    const HWND menuWindow = OpenMenu();
    ASSERT_NE(menuWindow, nullptr) << "the window menu did not open";
    // Opening the menu flashes the target's title (menus cannot be read from another process).
    const std::vector<std::wstring> flash = {L"SETTEXT \"\"", L"SETTEXT \"前の窓\"",
                                             L"SETTEXT \"\"", L"SETTEXT \"前の窓\""};
    EXPECT_TRUE(WaitUntil([&] { return probe.Messages() == flash; }))
        << "the window in front was not the target";
    Click(WM_LBUTTONDOWN);
    Click(WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return OpenMenu(0ms) == nullptr; }));
}

TEST_F(TrayTest, TheAboutBoxTellsTheVersionOpensTheDataFolderAndHoldsOffTheTrayIcon) {
    Click(WM_RBUTTONDOWN);
    Click(WM_RBUTTONUP);
    ASSERT_NE(OpenMenu(), nullptr);
    TypeKeys({VK_UP, VK_UP, VK_UP, VK_RETURN}); // "バージョン情報", third from the bottom
    const HWND box = WaitForWindow(L"#32770", L"Velmado - バージョン情報", 5s);
    ASSERT_NE(box, nullptr) << "no about box";
    EXPECT_NE(StaticTexts(box).find(L"バージョン"), std::wstring::npos) << Utf8(StaticTexts(box));

    // Its button opens the data folder in the shell and the box stays.
    const HWND open = FindWindowExW(box, nullptr, L"Button", L"データフォルダを開く(&D)");
    ASSERT_NE(open, nullptr);
    PostMessageW(open, BM_CLICK, 0, 0);
    EXPECT_NE(WaitForWindow([](HWND window) {
                  return IsWindowVisible(window) &&
                         WindowText(window).find(L"Velmado") != std::wstring::npos &&
                         ClassName(window) != L"#32770" && ClassName(window) != L"TTrayForm";
              }),
              nullptr)
        << "no folder window";
    EXPECT_TRUE(IsWindow(box));

    // While it is up the tray icon takes no clicks.
    Click(WM_RBUTTONDOWN);
    Click(WM_RBUTTONUP);
    EXPECT_EQ(OpenMenu(1s), nullptr) << "the tray menu opened over the about box";
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    Click(WM_RBUTTONDOWN);
    Click(WM_RBUTTONUP);
    EXPECT_NE(OpenMenu(), nullptr) << "the tray icon stayed deaf after the about box";
}

// One notification-icon request as the shell stand-in saw it.
struct IconRequest {
    long long ms = 0;
    unsigned message = 0; // NIM_ADD, NIM_MODIFY, NIM_DELETE ...
    unsigned flags = 0;
    unsigned long long digest = 0; // of the image; 0 without one
    std::wstring tip;
};

// The shell stand-in is started first, so that it sees the icon being added.
class TrayIconTest : public TrayTest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        shell_ = ShellStub::Start();
    }

    // The requests for the main icon (id 1), oldest first.
    std::vector<IconRequest> MainIconRequests() const {
        std::vector<IconRequest> requests;
        std::wistringstream log(shell_.Request(L"tray-log"));
        std::wstring line;
        while (std::getline(log, line)) {
            std::wistringstream fields(line);
            IconRequest request;
            unsigned id = 0;
            fields >> request.ms >> request.message >> id >> request.flags >> request.digest;
            fields.get(); // the tab before the tip
            std::getline(fields, request.tip);
            if (id == 1) {
                requests.push_back(request);
            }
        }
        return requests;
    }

    // The tooltip the shell was given last.
    std::wstring LastTip() const {
        std::wstring tip;
        for (const IconRequest& request : MainIconRequests()) {
            if ((request.flags & NIF_TIP) != 0) {
                tip = request.tip;
            }
        }
        return tip;
    }

    static std::string ImageLog(const std::vector<IconRequest>& images) {
        std::string log;
        for (const IconRequest& image : images) {
            log += std::to_string(image.ms) + " ms: " + std::to_string(image.digest) + "\n";
        }
        return log;
    }

    ShellStub shell_;
};

TEST_F(TrayIconTest, TheTooltipTellsTheRuleFileAndTheMouseHook) {
    StartVelmado();
    Click(WM_MOUSEMOVE);
    // The stand-in writes line breaks as \r and \n.
    const std::wstring expected = L"【位置と大きさの監視設定ファイル】\\r\\n" + DataFolder() +
                                  L"Window.ibk\\r\\n【マウスフック】\\r\\n無効";
    std::wstring tip;
    EXPECT_TRUE(WaitUntil([&] {
        tip = LastTip();
        return tip == expected;
    })) << "last tip: "
        << Utf8(tip);
}

TEST_F(TrayIconTest, TheRecentRuleFilesAreChosenByTheirNumbers) {
    const std::wstring first = WriteRuleFile(L"一番目.ibk", {});
    const std::wstring second = WriteRuleFile(L"二番目&その他.ibk", {});
    WriteUtf16File(DataFolder() + L"WindowMRU.ini", first + L"\r\n" + second + L"\r\n");
    StartVelmado();
    // The current file Window.ibk heads the list: (&0) Window.ibk, (&1) first, (&2) second.
    Click(WM_RBUTTONDOWN);
    Click(WM_RBUTTONUP);
    ASSERT_NE(OpenMenu(), nullptr);
    // "位置と大きさの監視設定" > "位置と大きさの監視設定ファイルを変更" > (&2)
    TypeKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT, '2'});
    ASSERT_TRUE(WaitUntil([&] { return OpenMenu(0ms) == nullptr; }));
    Click(WM_MOUSEMOVE);
    std::wstring tip;
    EXPECT_TRUE(WaitUntil([&] {
        tip = LastTip();
        return tip.find(L"二番目&その他.ibk") != std::wstring::npos;
    })) << "last tip: "
        << Utf8(tip);
}

TEST_F(TrayIconTest, AHandOffTakesTheIconAwayAndBringsItBackASecondLater) {
    StartVelmado();
    const std::wstring text = L"TrayIconVisible";
    COPYDATASTRUCT data{};
    data.cbData = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(text.c_str());
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                        5000, &answer);
    // The icon is deleted, and added again about a second later.
    long long deleted = -1;
    long long added = -1;
    std::string seen;
    ASSERT_TRUE(WaitUntil([&] {
        deleted = added = -1;
        seen.clear();
        for (const IconRequest& request : MainIconRequests()) {
            seen += std::to_string(request.message) + "@" + std::to_string(request.ms) + " ";
            if (request.message == NIM_DELETE) {
                deleted = request.ms;
            } else if (request.message == NIM_ADD && deleted >= 0 && added < 0) {
                added = request.ms;
            }
        }
        return added >= 0;
    })) << seen;
    EXPECT_GE(added - deleted, 900) << seen;
}

TEST_F(TrayIconTest, TheIconFlashesWhenARuleActsAndTurnsBackAfterTheFlash) {
    Probe probe = Probe::Start(L"--caption \"光る窓\" --rect 10,10,200,150");
    const std::wstring rules = WriteRuleFile(
        L"flash.ibk",
        {{BinFolder() + L"probe.exe", L"光る窓", L"全部", L"", L"通常", L"120", L"90", L"", L""}});
    StartVelmado(L"\"" + rules + L"\"");
    ASSERT_TRUE(WindowRectIs(probe.Window(), {120, 90, 200, 150}, 5s));
    std::vector<IconRequest> images;
    ASSERT_TRUE(WaitUntil([&] {
        images.clear();
        for (const IconRequest& request : MainIconRequests()) {
            if (request.digest != 0) {
                images.push_back(request);
            }
        }
        return images.size() >= 3 && images.back().digest == images[images.size() - 3].digest;
    })) << ImageLog(images);
    constexpr unsigned long long kNoBits = 2166136261u; // the digest of no icon bits at all
    EXPECT_NE(images.front().digest, kNoBits) << "the icon was added without its image";
    // The normal image, then the flash, then the normal image again.
    const IconRequest& flash = images[images.size() - 2];
    EXPECT_NE(flash.digest, images.back().digest) << ImageLog(images);
    const long long shown = images.back().ms - flash.ms;
    EXPECT_GE(shown, 100) << "the flash ended after " << shown << " ms";
    EXPECT_LT(shown, 2000) << "the flash ended after " << shown << " ms";
}

} // namespace
} // namespace velmado::e2e
