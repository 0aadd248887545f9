// A taskbar that stays away for 60 seconds (Explorer gone for good) ends the program through its
// normal close; one that comes back in time does not.
#include "tests/e2e/harness.h"
#include "tests/shellstub/shellstub_client.h"

namespace velmado::e2e {
namespace {

class SlowTaskbarTest : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        shell_ = ShellStub::Start();
        // Wine's own hidden taskbar would always be found: end its process, so that the
        // stand-in's taskbar is the only one.
        for (HWND window = FindWindowW(L"Shell_TrayWnd", nullptr); window != nullptr;
             window = FindWindowExW(nullptr, window, L"Shell_TrayWnd", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != shell_.Program().Id()) {
                const win::UniqueHandle wine(OpenProcess(PROCESS_TERMINATE, FALSE, owner));
                TerminateProcess(wine.get(), 0);
                WaitUntil([&] { return !IsWindow(window); });
            }
        }
        velmado_ = Process::Start(BinFolder() + L"Velmado.exe");
        ASSERT_NE(WaitForWindow(L"TTrayForm", L"Velmado"), nullptr);
        Sleep(3000); // past the first tick
        ASSERT_EQ(shell_.Request(L"remove-taskbar"), L"ok");
        ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr);
    }

    ShellStub shell_;
    Process velmado_;
};

TEST_F(SlowTaskbarTest, AMissingTaskbarEndsTheProgramAfterSixtySeconds) {
    EXPECT_FALSE(velmado_.WaitExit(50s)) << "the program must wait for the taskbar";
    EXPECT_TRUE(velmado_.WaitExit(20s)) << "without a taskbar for 60 s the program ends";
    EXPECT_NE(GetFileAttributesW((DataFolder() + L"Config.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "it ends through its normal close, which saves the configuration";
}

TEST_F(SlowTaskbarTest, ATaskbarBackWithinSixtySecondsKeepsTheProgram) {
    EXPECT_FALSE(velmado_.WaitExit(30s));
    shell_.Request(L"create-taskbar");
    ASSERT_NE(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr);
    EXPECT_FALSE(velmado_.WaitExit(45s)) << "the taskbar came back in time";
}

} // namespace
} // namespace velmado::e2e
