// The rule editor in the real program: opened from the tray menu, a window picked from the list of
// windows on the desktop becomes a rule, the rule file holds it after saving, a second
// registration asks first, no rule acts while the editor is open and the saved rule acts after.
#include "tests/e2e/harness.h"
#include "tests/e2e/rule_files.h"

#include "rules/win/window_form.h"

namespace velmado::e2e {
namespace {

using Editor = rules::WindowForm;

class RuleEditorTest : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        probe_ = Probe::Start(L"--caption \"登録する窓\" --rect 150,120,420,300");
        velmado_ = Process::Start(BinFolder() + L"Velmado.exe");
        icons_ = TrayIconWindow(velmado_.Id());
        ASSERT_NE(icons_, nullptr);
        Sleep(2500); // start-up ends with the first tick of the main timer
    }

    // "位置と大きさの監視設定" > "設定" in the tray menu, by keyboard as a user may choose it.
    HWND OpenEditorFromTrayMenu() const {
        PostTrayMouse(icons_, WM_RBUTTONDOWN);
        PostTrayMouse(icons_, WM_RBUTTONUP);
        const HWND menu = OpenMenuOf(velmado_.Id());
        if (menu == nullptr) {
            ADD_FAILURE() << "the tray menu did not open";
            return nullptr;
        }
        // With one monitor and no elevation entry the submenu is the fifth item.
        TypeKeys(
            {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
        const HWND editor = WaitForWindow(
            [](HWND window) {
                return ClassName(window) == L"TWindowForm" && IsWindowVisible(window) &&
                       WindowText(window) == L"Velmado - 位置と大きさの監視設定";
            },
            5s);
        EXPECT_NE(editor, nullptr) << "the rule editor did not open";
        return editor;
    }

    // Takes the probe from the window-list page onto the registration page.
    void PickProbeFromWindowList(HWND editor) const {
        TypeKeys({'Y'}, {VK_MENU});
        const HWND list = GetDlgItem(editor, Editor::kListViewWindowList);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }));
        // Typing selects the row whose program starts so: the probe is the only one on Z:.
        TypeKeys({'Z', VK_RETURN});
        ASSERT_TRUE(WaitUntil([&] {
            return WindowText(GetDlgItem(editor, Editor::kTXTCap)) == L"登録する窓";
        })) << "the probe did not reach the registration page";
    }

    static void Click(HWND editor, int control) {
        PostMessageW(GetDlgItem(editor, control), BM_CLICK, 0, 0);
        Sleep(300);
    }

    Probe probe_;
    Process velmado_;
    HWND icons_ = nullptr;
};

TEST_F(RuleEditorTest, AWindowPickedFromTheListBecomesAFixedRuleThatActsOnceTheEditorCloses) {
    const HWND editor = OpenEditorFromTrayMenu();
    ASSERT_NE(editor, nullptr);
    PickProbeFromWindowList(editor);
    Click(editor, Editor::kCHKFix);
    Click(editor, Editor::kTBAdd);
    Click(editor, Editor::kTBSave);

    const std::wstring file = ReadUtf16File(DataFolder() + L"Window.ibk");
    const std::wstring expected = L"[List]\r\nCount=0\r\n\r\n[Window0]\r\nEnabled=1\r\n0=" +
                                  BinFolder() + L"probe.exe\r\n1=登録する窓\r\n2=全部\r\n3=" +
                                  ClassName(probe_.Window()) +
                                  L"\r\n4=通常\r\n5=150\r\n6=120\r\n7=420\r\n8=300\r\n9=位置大きさ"
                                  L"\r\n10=\r\n11=\r\n12=\r\n13=\r\n14=\r\n15=\r\n";
    EXPECT_EQ(file.substr(0, expected.size()), expected) << Utf8(file);

    // The same window again with the same kind of action: the editor asks first; "No" keeps
    // the list as it is.
    PickProbeFromWindowList(editor);
    Click(editor, Editor::kTBAdd);
    const HWND question = WaitForWindow(L"#32770", L"Velmado - 確認", 5s);
    ASSERT_NE(question, nullptr) << "no re-registration question";
    EXPECT_NE(StaticTexts(question).find(L"再登録しますか?"), std::wstring::npos)
        << Utf8(StaticTexts(question));
    PostMessageW(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));

    // While the editor is open no rule acts, not even a fixed one.
    SetWindowPos(probe_.Window(), nullptr, 500, 400, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(1500);
    EXPECT_EQ(WindowRectOf(probe_.Window()), (Rect{500, 400, 420, 300}));

    Click(editor, Editor::kTBClose);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); })) << "the editor stayed open";
    EXPECT_TRUE(WindowRectIs(probe_.Window(), {150, 120, 420, 300}, 5s));
    EXPECT_EQ(ReadUtf16File(DataFolder() + L"Window.ibk").find(L"[Window1]"), std::wstring::npos)
        << "the declined registration reached the file";
}

} // namespace
} // namespace velmado::e2e
