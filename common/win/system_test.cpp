#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <thread>

#include "common/command_args.h"
#include "common/scheduled_task.h"
#include "common/version_info.h"
#include "common/win/controls.h"
#include "common/win/files.h"
#include "common/win/icons.h"
#include "common/win/launch.h"
#include "common/win/module_path.h"
#include "common/win/processes.h"
#include "common/win/taskbar_list.h"
#include "common/win/test_scratch.h"
#include "common/win/text_tools.h"
#include "common/win/version_info.h"

namespace velmado::win {
namespace {

// A hidden window of this thread, for the calls that need one of ours.
class OwnWindow {
public:
    explicit OwnWindow(const wchar_t* className = L"STATIC", DWORD style = 0)
        : window_(CreateWindowExW(0, className, L"", style, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnWindow() { DestroyWindow(window_); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) {
        return L"<busy>";
    }
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST(Clipboard, CopiesTheTextAndWaitsForABusyClipboard) {
    const OwnWindow owner;
    const std::wstring text = L"C:\\Tools\\\x30c4\x30fc\x30eb.exe -a \"b c\"";
    ASSERT_TRUE(CopyTextToClipboard(text, owner.get()));
    EXPECT_EQ(ClipboardText(), text);

    // Another thread holds the clipboard for a while; a later attempt gets it.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([opened] {
        const OwnWindow other;
        if (OpenClipboard(other.get())) {
            SetEvent(opened);
            Sleep(250);
            CloseClipboard();
        } else {
            SetEvent(opened);
        }
    });
    WaitForSingleObject(opened, 5000);
    EXPECT_TRUE(CopyTextToClipboard(L"second", owner.get()));
    holder.join();
    CloseHandle(opened);
    EXPECT_EQ(ClipboardText(), L"second");
    EXPECT_TRUE(CopyTextToClipboard(L"", owner.get()));
    EXPECT_EQ(ClipboardText(), L"");
}

TEST(TextTools, HalfWidth) {
    EXPECT_EQ(ToHalfWidth(L"\xFF21\xFF22\xFF23\xFF11\xFF12\x3000x"), L"ABC12 x");
    EXPECT_EQ(ToHalfWidth(L"abc"), L"abc");
    EXPECT_EQ(ToHalfWidth(L""), L"");
}

TEST(Controls, ListBoxExtentIsTwiceTheWidestItem) {
    const OwnWindow listBox(L"LISTBOX", WS_HSCROLL);
    ASSERT_NE(listBox.get(), nullptr);
    const std::wstring items[] = {L"short", L"C:\\a rather longer path\\file.ibk", L"mid length"};
    for (const auto& item : items) {
        SendMessageW(listBox.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    FitListBoxExtent(listBox.get());
    const HDC dc = GetDC(listBox.get());
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(listBox.get(), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, items[1].c_str(), static_cast<int>(items[1].size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(listBox.get(), dc);
    ASSERT_GT(size.cx, 0);
    EXPECT_EQ(SendMessageW(listBox.get(), LB_GETHORIZONTALEXTENT, 0, 0), 2 * size.cx);
}

TEST(Controls, ShortcutTextInAnEditField) {
    const OwnWindow edit(L"EDIT");
    ASSERT_NE(edit.get(), nullptr);
    const auto text = [&] {
        wchar_t buffer[64] = {};
        GetWindowTextW(edit.get(), buffer, 64);
        return std::wstring(buffer);
    };
    WORD key = 0x70;
    ShowShortcutText(edit.get(), key, {false, true, true});
    EXPECT_EQ(text(), L"Ctrl+Alt+F1");
    EXPECT_EQ(key, 0);
    DWORD start = 0, end = 0;
    SendMessageW(edit.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 11u);
    EXPECT_EQ(end, 11u);

    key = 0x11; // Ctrl alone
    ShowShortcutText(edit.get(), key, {false, true, false});
    EXPECT_EQ(text(), L"");
    EXPECT_EQ(key, 0);
}

TEST(VersionInfo, ReadsTheProgramsVersionResource) {
    const std::wstring program = ProgramFolder() + L"Velmado.exe";
    ASSERT_TRUE(SafeFileExists(program));
    std::vector<std::wstring> lines;
    ASSERT_TRUE(GetVersionInfoList(program, lines));
    EXPECT_EQ(lines, (std::vector<std::wstring>{
                         common::VersionInfoLine(L"CompanyName", L"Tovarel"),
                         common::VersionInfoLine(L"FileDescription", L"Velmado"),
                         common::VersionInfoLine(L"FileVersion", L"0.1.0.0"),
                         common::VersionInfoLine(L"InternalName", L"Velmado.exe"),
                         common::VersionInfoLine(L"LegalCopyright", L"Copyright (C) 2026 Tovarel"),
                         common::VersionInfoLine(L"OriginalFilename", L"Velmado.exe"),
                         common::VersionInfoLine(L"ProductName", L"Velmado"),
                         common::VersionInfoLine(L"ProductVersion", L"0.1.0.0"),
                     }));
    EXPECT_EQ(GetFileDescription(program), L"Velmado");
}

TEST(VersionInfo, AFileWithoutVersionBlockGivesNothing) {
    std::vector<std::wstring> lines;
    EXPECT_FALSE(GetVersionInfoList(ModulePath(), lines)); // the test program has none
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(GetVersionInfoList(ProgramFolder() + L"missing.exe", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(GetFileDescription(ModulePath()), L"");
}

using IconsTest = test::ScratchTest;

TEST_F(IconsTest, IconsOfFilesAndTheFallback) {
    const std::wstring program = ProgramFolder() + L"Velmado.exe";
    EXPECT_TRUE(ExtractFileIcon(program, 0));
    EXPECT_FALSE(ExtractFileIcon(program, 50));
    const std::wstring text = Make(L"plain.txt");
    EXPECT_FALSE(ExtractFileIcon(text, 0)) << "a file without icons gives none";
    EXPECT_TRUE(GetFileIcon(program));
    EXPECT_TRUE(GetFileIcon(Folder() + L"missing.exe")) << "the system's fallback icon";
}

TEST(Taskbar, ButtonFlagFollowsAddAndRemove) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const OwnWindow dialog(L"STATIC", WS_OVERLAPPEDWINDOW);
    AddTaskbarButton(dialog.get()); // before the object exists: nothing
    EXPECT_FALSE(TaskbarButtonShown());
    CreateTaskbarList();
    ASSERT_TRUE(TaskbarListCreated());
    AddTaskbarButton(dialog.get());
    EXPECT_TRUE(TaskbarButtonShown());
    RemoveTaskbarButton(dialog.get());
    EXPECT_FALSE(TaskbarButtonShown());
    AddTaskbarButton(dialog.get());
    ReleaseTaskbarList();
    EXPECT_FALSE(TaskbarListCreated());
    EXPECT_FALSE(TaskbarButtonShown());
    CoUninitialize();
}

TEST(Processes, OwnWindowsProcess) {
    const OwnWindow window;
    EXPECT_EQ(GetWindowPriority(window.get()), GetPriorityClass(GetCurrentProcess()));
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size));
    CloseHandle(token);
    EXPECT_EQ(IsProcessElevated(window.get()), elevation.TokenIsElevated != 0);

    EXPECT_EQ(ProcessCommandLine(GetCurrentProcessId()), std::wstring(GetCommandLineW()));
    EXPECT_EQ(ManagementCommandLine(GetCurrentProcessId()), std::wstring(GetCommandLineW()));
    EXPECT_FALSE(ManagementCommandLine(0xFFFFFFF0u)) << "no such process";
    EXPECT_EQ(GetWindowCmdArgs(window.get(), ModulePath()),
              common::RemoveProgramPart(GetCommandLineW(), ModulePath()));
}

TEST(Processes, AWindowThatIsGoneGivesNothing) {
    HWND gone = nullptr;
    {
        const OwnWindow window;
        gone = window.get();
    }
    EXPECT_EQ(GetWindowPriority(gone), 0u);
    EXPECT_EQ(SetWindowPriority(gone, IDLE_PRIORITY_CLASS), 0u);
    EXPECT_FALSE(IsProcessElevated(gone));
    EXPECT_EQ(GetWindowCmdArgs(gone, ModulePath()), L"");
    EXPECT_EQ(GetWindowCmdArgs(nullptr, ModulePath()), L"");
    EXPECT_FALSE(ProcessCommandLine(0));
}

// The scheduler's tool reads its command line by the system's rules: whatever the parameters
// hold, the action stays one argument and no option can be added.
TEST(ScheduledTask, TheActionStaysOneArgument) {
    const std::wstring parameters[] = {
        L"",
        L"-a",
        L"\"C:\\My Files\\x.txt\"",
        L"\" /RU SYSTEM /TN \"other",
        L"a\\\" /RL HIGHEST",
        L"C:\\dir\\",
        L"\\\\\"\\",
        L"'quoted' \"\" \\\\",
    };
    for (const std::wstring& p : parameters) {
        const auto arguments =
            common::ScheduledTaskArgumentsFor(L"Velmado_Temp", L"C:\\Bob's Tools\\app.exe", p);
        ASSERT_TRUE(arguments);
        int count = 0;
        LPWSTR* argv = CommandLineToArgvW((L"schtasks.exe " + arguments->create).c_str(), &count);
        ASSERT_NE(argv, nullptr);
        std::vector<std::wstring> args(argv, argv + count);
        LocalFree(argv);
        const std::wstring action = L"'C:\\Bob''s Tools\\app.exe'" + (p.empty() ? L"" : L" " + p);
        EXPECT_EQ(args, (std::vector<std::wstring>{
                            L"schtasks.exe", L"/create", L"/TN", L"Velmado_Temp", L"/TR", action,
                            L"/SC", L"ONCE", L"/ST", L"00:00", L"/IT", L"/RL", L"LIMITED", L"/F"}))
            << std::string(p.begin(), p.end());
    }
}

TEST(ScheduledTask, NothingStartsForInputThatCannotBeQuoted) {
    EXPECT_FALSE(RunNonElevated(L"Velmado_Temp", L"C:\\a.exe\" /RU SYSTEM \"", L""));
    EXPECT_FALSE(RunNonElevated(L"", L"C:\\a.exe", L""));
}

TEST(Uac, StateFollowsThePolicyValue) {
    DWORD value = 1;
    DWORD size = sizeof(value);
    const bool present =
        RegGetValueW(HKEY_LOCAL_MACHINE,
                     L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                     L"EnableLUA", RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
    ReadUacState();
    EXPECT_EQ(UacEnabled(), !present || value != 0);
}

} // namespace
} // namespace velmado::win
