#include "rules/win/window_form.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>

#include "common/win/files.h"
#include "common/win/module_path.h"
#include "common/win/window_geometry.h"
#include "rules/test_window.h"
#include "storage/win/test_folder.h"
#include "storage/win/text_files.h"
#include "ui/shortcut_text.h"
#include "ui/win/test_support.h"
#include "ui/win/timer.h"

namespace velmado::rules {
namespace {

using Form = WindowForm;

Rule MakeRule(const std::wstring& program, const std::wstring& caption,
              const std::wstring& action = L"通常") {
    Rule rule;
    rule[Rule::Program] = program;
    rule[Rule::Caption] = caption;
    rule[Rule::Match] = L"全部";
    rule[Rule::Action] = action;
    return rule;
}

class WindowFormTest : public storage::TestFolder {
protected:
    void SetUp() override {
        storage::TestFolder::SetUp();
        files = storage::DataFiles::In(Path(L""));
        store = std::make_unique<RuleStore>(files);
        ruleFilePath = files.windowIbk;
    }
    void TearDown() override {
        form.reset();
        storage::TestFolder::TearDown();
    }

    // Creates the editor; answers to questions and file dialogs come from the queues.
    void CreateForm() {
        WindowFormContext context{rules,
                                  listCheck,
                                  engine,
                                  *store,
                                  ruleFilePath,
                                  files,
                                  Path(L"prog\\"),
                                  target,
                                  [this] {
                                      ++loads;
                                      rules = store->Load(ruleFilePath).rules;
                                  },
                                  [this](const WindowStep& step) {
                                      for (const auto& entry : listed) {
                                          step(entry.window, entry.program, entry.caption,
                                               entry.className, entry.rect);
                                      }
                                  },
                                  [this](const std::wstring& text) { errors.push_back(text); }};
        form = std::make_unique<WindowForm>(context);
        form->ask = [this](const std::wstring& text, UINT buttons) {
            questions.push_back(text);
            questionButtons.push_back(buttons);
            const int answer = answers.empty() ? IDCANCEL : answers.front();
            if (!answers.empty()) {
                answers.pop_front();
            }
            return answer;
        };
        form->chooseFile = [this](Form::FileDialogKind kind, const ui::FileDialogOptions& options) {
            dialogs.push_back({kind, options});
            std::optional<std::wstring> file;
            if (!chosenFiles.empty()) {
                file = chosenFiles.front();
                chosenFiles.pop_front();
            }
            return file;
        };
        ASSERT_TRUE(form->Create());
    }

    HWND Item(int id) const { return GetDlgItem(form->Handle(), id); }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return ui::IsChecked(Item(id)); }
    std::wstring Text(int id) const { return ui::ControlText(Item(id)); }
    int Page() const {
        return static_cast<int>(SendMessageW(Item(Form::kPageControl), TCM_GETCURSEL, 0, 0));
    }
    // A tab chosen by the user.
    void ChoosePage(int page) const {
        const HWND tab = Item(Form::kPageControl);
        SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
        NMHDR header{tab, static_cast<UINT_PTR>(Form::kPageControl),
                     static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(form->Handle(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    int Rows(int id) const {
        return static_cast<int>(SendMessageW(Item(id), LVM_GETITEMCOUNT, 0, 0));
    }
    void SetRowState(int id, int row, UINT mask, UINT state) const {
        LVITEMW item{};
        item.stateMask = mask;
        item.state = state;
        SendMessageW(Item(id), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    void SelectRow(int row) const {
        SetRowState(Form::kListViewWindow, row, LVIS_SELECTED | LVIS_FOCUSED,
                    LVIS_SELECTED | LVIS_FOCUSED);
    }
    int SelectedRow(int id) const {
        return static_cast<int>(
            SendMessageW(Item(id), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    bool RowChecked(int row) const {
        return (SendMessageW(Item(Form::kListViewWindow), LVM_GETITEMSTATE, row,
                             LVIS_STATEIMAGEMASK) &
                LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }
    std::wstring RowText(int id, int row, int column) const {
        wchar_t buffer[512] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 512;
        SendMessageW(Item(id), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    // The window registered next: one of the test program's own.
    void Target(HWND window, const std::wstring& className = L"Static") {
        target.window = window;
        target.program = win::ModulePath();
        target.caption = ui::ControlText(window);
        target.className = className;
        target.rect = *win::GetWindowXYWH(window);
    }
    void SaveRules(const std::wstring& path, RuleList list) {
        ASSERT_TRUE(store->Save(path, list));
    }

    storage::DataFiles files;
    RuleList rules;
    std::vector<bool> listCheck;
    WindowStateList top{L""};
    WindowStateList trans{L""};
    RuleEngine engine{rules, top, trans};
    std::unique_ptr<RuleStore> store;
    std::wstring ruleFilePath;
    TargetWindow target;
    struct Listed {
        HWND window;
        std::wstring program;
        std::wstring caption;
        std::wstring className;
        common::XYWH rect;
    };
    std::vector<Listed> listed;
    int loads = 0;
    std::vector<std::wstring> errors;
    std::deque<int> answers;
    std::vector<std::wstring> questions;
    std::vector<UINT> questionButtons;
    std::deque<std::wstring> chosenFiles;
    std::vector<std::pair<Form::FileDialogKind, ui::FileDialogOptions>> dialogs;
    std::unique_ptr<WindowForm> form;
};

TEST_F(WindowFormTest, RegistersTheTargetAsANormalFixedRuleAndAnchoredAtTheBottomRight) {
    const test::TestWindow window(L"登録テスト");
    Target(window.get());
    CreateForm();
    form->Show(1);
    // Its own taskbar button, also on taskbars that list only unowned windows.
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Text(Form::kTXTExe), target.program);
    EXPECT_EQ(Text(Form::kTXTCap), L"登録テスト");
    const common::XYWH r = target.rect;
    EXPECT_EQ(Text(Form::kTXTPosSize),
              L"左：" + std::to_wstring(r.left) + L" 上：" + std::to_wstring(r.top) + L" 横：" +
                  std::to_wstring(r.width) + L" 縦：" + std::to_wstring(r.height));
    EXPECT_TRUE(Enabled(Form::kTBAdd));
    EXPECT_FALSE(Enabled(Form::kCHKMessage)); // not a dialog
    EXPECT_EQ(GetFocus(), Item(Form::kCHKParts));

    Click(Form::kCHKFix);
    Click(Form::kTBAdd);
    ASSERT_EQ(rules.size(), 1u);
    const Rule& normal = rules[0];
    EXPECT_EQ(normal[Rule::Program], target.program);
    EXPECT_EQ(normal[Rule::Caption], L"登録テスト");
    EXPECT_EQ(normal[Rule::Match], L"全部");
    EXPECT_EQ(normal[Rule::ClassName], L"Static");
    EXPECT_EQ(normal[Rule::Action], L"通常");
    EXPECT_EQ(normal[Rule::Left], std::to_wstring(r.left));
    EXPECT_EQ(normal[Rule::Height], std::to_wstring(r.height));
    EXPECT_EQ(normal[Rule::Fixed], L"位置大きさ");
    EXPECT_EQ(listCheck, std::vector<bool>{true});
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Rows(Form::kListViewWindow), 1);
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), 0);
    EXPECT_TRUE(form->Modified());
    EXPECT_TRUE(Enabled(Form::kTBSave));
    EXPECT_TRUE(questions.empty());

    // "[Enter]" is another kind of action: a second rule, no question.
    ChoosePage(1);
    Click(Form::kRGSize + 6);
    Click(Form::kTBAdd);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[1][Rule::Action], L"[Enter]");
    EXPECT_EQ(rules[1][Rule::Left], L"");
    EXPECT_TRUE(questions.empty());

    // Anchored, partial caption, position only: asks to replace the window-state rule.
    ChoosePage(1);
    Click(Form::kCHKRightBottom);
    EXPECT_EQ(Text(Form::kTXTPosSize).substr(0, 2), L"右：");
    Click(Form::kCHKParts);
    Click(Form::kRDCapCls + 1);
    Click(Form::kRDPosSize + 1);
    answers = {IDYES};
    Click(Form::kTBAdd);
    ASSERT_EQ(questions, std::vector<std::wstring>{L"再登録しますか?\r\n"});
    EXPECT_EQ(questionButtons[0], static_cast<UINT>(MB_YESNO));
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0][Rule::Action], L"[Enter]");
    const Rule& anchored = rules[1];
    EXPECT_EQ(anchored[Rule::Caption], L"登録テスト");
    EXPECT_EQ(anchored[Rule::Match], L"一部");
    EXPECT_EQ(anchored[Rule::ClassName], L"");
    EXPECT_EQ(anchored[Rule::Left], L"(右下基準)" + std::to_wstring(r.left + r.width));
    EXPECT_EQ(anchored[Rule::Top], L"(右下基準)" + std::to_wstring(r.top + r.height));
    EXPECT_EQ(anchored[Rule::Width], L"");
    EXPECT_EQ(Rows(Form::kListViewWindow), 2);
    EXPECT_EQ(RowText(Form::kListViewWindow, 1, Rule::Match), L"一部");

    // "No" leaves everything as it was.
    ChoosePage(1);
    Click(Form::kRGSize + 2);
    answers = {IDNO};
    Click(Form::kTBAdd);
    EXPECT_EQ(questions.size(), 2u);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[1], anchored);
    EXPECT_EQ(Page(), 1);
}

TEST_F(WindowFormTest, AMaximisedWindowIsRegisteredWithItsRestoredSize) {
    const test::TestWindow window(L"最大化テスト", SW_MAXIMIZE);
    Target(window.get());
    CreateForm();
    form->Show(1);
    EXPECT_TRUE(Checked(Form::kRGSize + 1));
    EXPECT_FALSE(Enabled(Form::kChkTop));
    EXPECT_FALSE(Enabled(Form::kRDPosSize));
    EXPECT_TRUE(Enabled(Form::kCHKFix));
    Click(Form::kTBAdd);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0][Rule::Action], L"最大化");
    EXPECT_EQ(rules[0][Rule::Width], L"320");
    EXPECT_EQ(rules[0][Rule::Height], L"240");
}

// Answers the sub dialog from inside its modal loop.
class SubDialogDriver {
public:
    SubDialogDriver(WindowSubForm& sub, std::function<void(HWND)> answer)
        : sub_(sub), answer_(std::move(answer)) {
        timer_.SetInterval(50);
        timer_.OnTimer = [this] {
            if (sub_.Visible()) {
                timer_.SetEnabled(false);
                proc = sub_.MProc;
                caption = ui::ControlText(sub_.Handle());
                topmost = (GetWindowLongPtrW(sub_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                answer_(sub_.Handle());
            }
        };
        timer_.SetEnabled(true);
    }
    int proc = -1;
    std::wstring caption;
    bool topmost = false;

private:
    WindowSubForm& sub_;
    std::function<void(HWND)> answer_;
    ui::Timer timer_;
};

void Notify(HWND dialog, int id, WORD code) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST_F(WindowFormTest, KeyPriorityAndOpacityComeFromTheSubDialogAndNoChoiceFallsBackToNormal) {
    const test::TestWindow window(L"キーテスト");
    Target(window.get());
    CreateForm();
    form->Show(1);
    {
        SubDialogDriver driver(form->SubForm(), [](HWND dialog) {
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
            SendMessageW(GetDlgItem(dialog, WindowSubForm::kHotKeyId), HKM_SETHOTKEY,
                         MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
            Notify(dialog, WindowSubForm::kHotKeyId, EN_CHANGE);
            SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
        Click(Form::kRGSize + 8);
        EXPECT_EQ(driver.proc, WindowSubForm::kKey);
        EXPECT_EQ(driver.caption, L"[キー]の設定");
        EXPECT_TRUE(driver.topmost);
    }
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_TRUE(Checked(Form::kRGSize + 8));
    Click(Form::kTBAdd);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0][Rule::Action], L"[キー]Shift+Ctrl+K");
    EXPECT_EQ(ui::TextToShortCut(rules[0][Rule::Action].substr(4)),
              ui::MakeShortCut('K', true, true, false));

    ChoosePage(1);
    {
        SubDialogDriver driver(form->SubForm(), [](HWND dialog) {
            const HWND tens = GetDlgItem(dialog, WindowSubForm::kTransAId);
            SendMessageW(tens, CB_SETCURSEL, 6, 0); // "70"
            Notify(dialog, WindowSubForm::kTransAId, CBN_SELCHANGE);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, WindowSubForm::kTransBId)));
            SendMessageW(GetDlgItem(dialog, WindowSubForm::kTransBId), CB_SETCURSEL, 5, 0);
            SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
        Click(Form::kRGSize + 10);
        EXPECT_EQ(driver.caption, L"半透明の設定");
    }
    Click(Form::kTBAdd);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[1][Rule::Action], L"半透明：75%");

    // Cancel: the page is built again, with "通常".
    ChoosePage(1);
    Click(Form::kChkTop);
    {
        SubDialogDriver driver(form->SubForm(), [](HWND dialog) {
            SendMessageW(GetDlgItem(dialog, WindowSubForm::kPriorityId), CB_SETCURSEL, 2, 0);
            Notify(dialog, WindowSubForm::kPriorityId, CBN_SELCHANGE);
            SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        });
        Click(Form::kRGSize + 9);
        EXPECT_EQ(driver.caption, L"優先度の設定");
    }
    EXPECT_TRUE(Checked(Form::kRGSize + 0));
    EXPECT_FALSE(Checked(Form::kRGSize + 9));
    EXPECT_TRUE(Enabled(Form::kRDPosSize));
}

TEST_F(WindowFormTest, ThePageIsResetOnEveryChangeAndTheActionDecidesWhatIsEnabled) {
    const test::TestWindow window(L"状態テスト");
    Target(window.get());
    CreateForm();
    form->Show(1);
    Click(Form::kCHKParts);
    EXPECT_EQ(GetWindowLongPtrW(Item(Form::kTXTCap), GWL_STYLE) & ES_READONLY, 0);
    Click(Form::kRGSize + 4); // 全画面
    EXPECT_TRUE(Checked(Form::kCHKNonTaskBar));
    EXPECT_FALSE(Enabled(Form::kCHKNonTaskBar));
    EXPECT_FALSE(Enabled(Form::kChkTop));
    EXPECT_FALSE(Enabled(Form::kCHKFix));
    EXPECT_FALSE(Enabled(Form::kRDPosSize));
    Click(Form::kRGSize + 0);
    EXPECT_FALSE(Checked(Form::kCHKNonTaskBar));
    EXPECT_TRUE(Enabled(Form::kChkTop));
    Click(Form::kRGSize + 2); // 最小化
    EXPECT_TRUE(Enabled(Form::kCHKFix));
    EXPECT_FALSE(Enabled(Form::kChkTop));

    ChoosePage(0);
    ChoosePage(1);
    EXPECT_FALSE(Checked(Form::kCHKParts));
    EXPECT_TRUE(Checked(Form::kRGSize + 0));
    EXPECT_NE(GetWindowLongPtrW(Item(Form::kTXTCap), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(Text(Form::kTXTCap), L"状態テスト");

    // No window to register: every input is disabled.
    ASSERT_TRUE(form->Close());
    form->Show(0);
    ChoosePage(1);
    EXPECT_EQ(Text(Form::kTXTExe), L"");
    EXPECT_FALSE(Enabled(Form::kTBAdd));
    EXPECT_FALSE(Enabled(Form::kRGSize));
    EXPECT_FALSE(Enabled(Form::kCHKParts));
}

TEST_F(WindowFormTest, RegisteringIsRefusedForTheApplicationWindowEmptyWindowsAndAFullList) {
    const test::TestWindow window(L"拒否テスト");
    CreateForm();
    struct Case {
        std::wstring className;
        common::XYWH rect;
        std::size_t rules;
        bool enabled;
    };
    for (const Case& c :
         {Case{L"Static", {0, 0, 10, 10}, 0, true}, Case{L"TApplication", {0, 0, 10, 10}, 0, false},
          Case{L"Static", {0, 0, 0, 10}, 0, false}, Case{L"Static", {0, 0, 10, -1}, 0, false},
          Case{L"Static", {0, 0, 10, 10}, kMaxRules - 1, true},
          Case{L"Static", {0, 0, 10, 10}, kMaxRules, false}}) {
        Target(window.get(), c.className);
        target.rect = c.rect;
        rules.assign(c.rules, MakeRule(L"C:\\x.exe", L"x"));
        form->Show(1);
        EXPECT_EQ(Enabled(Form::kTBAdd), c.enabled) << c.className << " " << c.rules;
        ASSERT_TRUE(form->Close());
    }
}

TEST_F(WindowFormTest, TheRuleListDeletesMovesChecksAndEditsInPlace) {
    rules = {MakeRule(L"C:\\a.exe", L"A"), MakeRule(L"C:\\b.exe", L"B"),
             MakeRule(L"C:\\c.exe", L"C")};
    SaveRules(ruleFilePath, rules);
    CreateForm();
    form->Show(0);
    ASSERT_EQ(Rows(Form::kListViewWindow), 3);
    EXPECT_FALSE(Enabled(Form::kTBDel));
    SelectRow(0);
    EXPECT_TRUE(Enabled(Form::kTBDel));
    EXPECT_FALSE(Enabled(Form::kTBUP));
    EXPECT_TRUE(Enabled(Form::kTBDown));
    SelectRow(2);
    EXPECT_TRUE(Enabled(Form::kTBUP));
    EXPECT_FALSE(Enabled(Form::kTBDown));
    EXPECT_FALSE(Enabled(Form::kTBSave));

    // The user unchecks B.
    SetRowState(Form::kListViewWindow, 1, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));
    EXPECT_FALSE(rules[1].enabled);
    EXPECT_EQ(listCheck, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(form->Modified());
    EXPECT_TRUE(Enabled(Form::kTBSave));

    // B moves down with its check and stays selected.
    SelectRow(1);
    Click(Form::kTBDown);
    EXPECT_EQ(rules[1][Rule::Caption], L"C");
    EXPECT_EQ(rules[2][Rule::Caption], L"B");
    EXPECT_FALSE(rules[2].enabled);
    EXPECT_TRUE(rules[1].enabled);
    EXPECT_EQ(RowText(Form::kListViewWindow, 2, Rule::Caption), L"B");
    EXPECT_FALSE(RowChecked(2));
    EXPECT_TRUE(RowChecked(1));
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), 2);
    EXPECT_FALSE(Enabled(Form::kTBDown));
    Click(Form::kTBUP);
    Click(Form::kTBUP);
    EXPECT_EQ(rules[0][Rule::Caption], L"B");
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), 0);
    EXPECT_FALSE(Enabled(Form::kTBUP));

    Click(Form::kTBDel);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0][Rule::Caption], L"A");
    EXPECT_EQ(Rows(Form::kListViewWindow), 2);
    EXPECT_EQ(listCheck, (std::vector<bool>{true, true}));

    // The program path edited in place.
    const HWND list = Item(Form::kListViewWindow);
    SetFocus(list);
    const auto edit = reinterpret_cast<HWND>(SendMessageW(list, LVM_EDITLABELW, 1, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"C:\\new\\c.exe");
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(rules[1][Rule::Program], L"C:\\new\\c.exe");
    EXPECT_EQ(RowText(Form::kListViewWindow, 1, Rule::Program), L"C:\\new\\c.exe");

    // Saved: the file holds the list as edited.
    Click(Form::kTBSave);
    EXPECT_FALSE(form->Modified());
    EXPECT_FALSE(Enabled(Form::kTBSave));
    const LoadedRules saved = RuleStore::ReadRules(ruleFilePath);
    EXPECT_EQ(saved.rules, rules);
}

TEST_F(WindowFormTest, TheFinderSearchesOnwardsAndKeepsItsHistory) {
    const std::wstring existing = win::ModulePath();
    rules = {MakeRule(existing, L"A"), MakeRule(L"C:\\Tools\\Editor.exe", L"B"),
             MakeRule(existing, L"C"), MakeRule(L"C:\\Tools\\editor2.exe", L"D")};
    storage::SaveListToFile(std::vector<std::wstring>{L"old", L"", L"old", L"older"},
                            files.exeFindLog, storage::Encoding::Utf16LE);
    CreateForm();
    form->Show(0);
    EXPECT_FALSE(Enabled(Form::kBtnExeFindN));
    EXPECT_TRUE(Enabled(Form::kBtnExeFindD));
    const HWND combo = Item(Form::kCBExeFind);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    SetWindowTextW(combo, L"EDITOR");
    Notify(form->Handle(), Form::kCBExeFind, CBN_EDITCHANGE);
    ASSERT_TRUE(Enabled(Form::kBtnExeFindN));
    Click(Form::kBtnExeFindN);
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), 1);
    EXPECT_EQ(GetFocus(), Item(Form::kListViewWindow));
    Click(Form::kBtnExeFindN);
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), 3);
    Click(Form::kBtnExeFindN);
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), -1);

    SelectRow(1);
    Click(Form::kBtnExeFindD);
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), 3);

    SetWindowTextW(combo, L"nowhere");
    Click(Form::kBtnExeFindN);
    EXPECT_EQ(SelectedRow(Form::kListViewWindow), -1);
    ASSERT_TRUE(form->Close());
    EXPECT_EQ(storage::LoadListFromFile(files.exeFindLog),
              (std::vector<std::wstring>{L"nowhere", L"EDITOR", L"old", L"older"}));
}

TEST_F(WindowFormTest, ClosingAsksAboutChangesAndReloadsTheFileWithTheSettingsSaved) {
    SaveRules(ruleFilePath, {MakeRule(L"C:\\a.exe", L"A"), MakeRule(L"C:\\b.exe", L"B")});
    rules = store->Load(ruleFilePath).rules;
    ASSERT_TRUE(storage::SaveIniFile(
        storage::IniDocument::Parse(L"[Main]\r\nKeep=1\r\n[Sound]\r\nWindowEnabled=0\r\n"),
        files.configIni, storage::Encoding::Utf16LE));
    CreateForm();
    EXPECT_EQ(form->SoundWindow(), L"");
    EXPECT_EQ(form->SoundShade(), Path(L"prog\\Shade.wav"));
    form->SetDialogRect({10, 20, 300, 200});
    form->Show(0);
    SelectRow(0);
    Click(Form::kTBDel);
    ASSERT_EQ(rules.size(), 1u);

    answers = {IDCANCEL};
    EXPECT_FALSE(form->Close());
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(questions, std::vector<std::wstring>{L"データに変更があります。保存しますか？"});
    EXPECT_EQ(questionButtons[0], static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(rules.size(), 1u);

    // "No": the rules come back from the file.
    answers = {IDNO};
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(rules.size(), 2u);
    EXPECT_EQ(RuleStore::ReadDialogRect(ruleFilePath), (common::XYWH{10, 20, 300, 200}));
    const storage::IniDocument config = storage::LoadIniFile(files.configIni);
    EXPECT_EQ(config.ReadString(L"Main", L"Keep", L""), L"1");
    EXPECT_EQ(config.ReadString(L"Sound", L"WindowEnabled", L""), L"0");
    EXPECT_EQ(config.ReadString(L"Sound", L"Shade", L""), Path(L"prog\\Shade.wav"));
    EXPECT_EQ(config.ReadInteger(L"WindowForm", L"Columns15", -1), 0);
    EXPECT_EQ(config.ReadInteger(L"WindowForm", L"Columns0", -1), 100);
    EXPECT_GE(config.ReadInteger(L"WindowForm", L"Width", 0), 640);
    EXPECT_TRUE(config.ValueExists(L"WindowForm", L"MAX"));
    EXPECT_EQ(storage::LoadListFromFile(files.windowMruIni),
              std::vector<std::wstring>{ruleFilePath});

    // "Yes": saved, then loaded again.
    form->Show(0);
    SelectRow(1);
    Click(Form::kTBDel);
    answers = {IDYES};
    EXPECT_TRUE(form->Close());
    EXPECT_EQ(RuleStore::ReadRules(ruleFilePath).rules.size(), 1u);
    EXPECT_EQ(rules.size(), 1u);
    EXPECT_TRUE(errors.empty());
}

TEST_F(WindowFormTest, RuleFileCommandsUseTheirDialogsAndAcceptOnlyRuleFiles) {
    SaveRules(ruleFilePath, {MakeRule(L"C:\\a.exe", L"A")});
    rules = store->Load(ruleFilePath).rules;
    const std::wstring other = Path(L"Other.ibk");
    SaveRules(other, {MakeRule(L"C:\\a.exe", L"A"), MakeRule(L"C:\\b.exe", L"B")});
    CreateForm();
    form->Show(0);
    EXPECT_FALSE(Enabled(Form::kTBUndo));
    EXPECT_EQ(Text(Form::kEditFile), ruleFilePath);

    // Import adds only what no rule covers yet; a file of another kind is ignored.
    chosenFiles = {Path(L"Other.txt"), other};
    Click(Form::kTBImport);
    EXPECT_EQ(rules.size(), 1u);
    Click(Form::kTBImport);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[1][Rule::Caption], L"B");
    EXPECT_EQ(Rows(Form::kListViewWindow), 2);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].first, Form::FileDialogKind::Open);
    EXPECT_EQ(dialogs[0].second.title, L"Velmado - 位置と大きさの監視設定ファイルを開く");
    EXPECT_EQ(dialogs[0].second.filter, L"位置と大きさの監視設定ファイル(*.ibk)|*.ibk");
    EXPECT_EQ(dialogs[0].second.initialFolder, files.folder);
    EXPECT_EQ(dialogs[0].second.defaultExtension, L"ibk");
    EXPECT_TRUE(questions.empty());

    // New asks first; the new file exists only once saved, through the save dialog.
    answers = {IDNO};
    Click(Form::kTBNew);
    EXPECT_TRUE(rules.empty());
    EXPECT_EQ(ruleFilePath, files.folder + L"新しい位置と大きさ設定ファイル.ibk");
    EXPECT_TRUE(Enabled(Form::kTBUndo));
    EXPECT_TRUE(form->Modified());
    chosenFiles = {Path(L"Saved.IBK")};
    Click(Form::kTBSave);
    EXPECT_EQ(dialogs.back().first, Form::FileDialogKind::Save);
    EXPECT_EQ(dialogs.back().second.title, L"Velmado - 位置と大きさの監視設定ファイルの保存");
    EXPECT_EQ(ruleFilePath, Path(L"Saved.IBK"));
    EXPECT_TRUE(win::FileExistsNative(Path(L"Saved.IBK")));
    EXPECT_FALSE(form->Modified());

    // Open, then back to the default file.
    chosenFiles = {other};
    const int loadsBefore = loads;
    Click(Form::kTBOpen);
    EXPECT_EQ(ruleFilePath, other);
    EXPECT_EQ(loads, loadsBefore + 1);
    EXPECT_EQ(Rows(Form::kListViewWindow), 2);
    Click(Form::kTBUndo);
    EXPECT_EQ(ruleFilePath, win::LongPathName(files.windowIbk));
    EXPECT_EQ(rules.size(), 1u);
    EXPECT_FALSE(Enabled(Form::kTBUndo));

    // The sound picker.
    chosenFiles = {Path(L"ding.WAV")};
    Click(Form::kBtnSoundShade);
    EXPECT_EQ(dialogs.back().second.title, L"Velmado - 効果音");
    EXPECT_EQ(dialogs.back().second.filter, L"効果音(*.wav)|*.wav");
    EXPECT_EQ(Text(Form::kEditSoundShade), Path(L"ding.WAV"));
}

TEST_F(WindowFormTest, ItsOwnDialogsAreKeptInFrontOfTheEditorOnly) {
    CreateForm();
    form->Show(0);
    const HWND editor = form->Handle();
    ASSERT_TRUE(ui::test::PumpUntil([&] { return GetForegroundWindow() == editor; }));
    const HWND question = CreateWindowExW(0, L"#32770", L"Velmado - 確認", WS_POPUP | WS_CAPTION,
                                          100, 100, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(question, SW_SHOWNOACTIVATE);
    const HWND other = CreateWindowExW(0, L"#32770", L"ほかのダイアログ", WS_POPUP | WS_CAPTION,
                                       120, 120, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(other, SW_SHOWNOACTIVATE);
    SetForegroundWindow(editor);

    form->Proc_CheckDialog();
    EXPECT_TRUE(ui::test::PumpUntil([&] { return GetForegroundWindow() == question; }));

    // With another window in front the editor leaves the foreground alone.
    SetForegroundWindow(other);
    ASSERT_TRUE(ui::test::PumpUntil([&] { return GetForegroundWindow() == other; }));
    form->Proc_CheckDialog();
    ui::test::PumpUntil([] { return false; }, 200);
    EXPECT_EQ(GetForegroundWindow(), other);
    DestroyWindow(other);
    DestroyWindow(question);
}

TEST_F(WindowFormTest, TheWindowListShowsOrdinaryWindowsAndADoubleClickPicksOne) {
    const test::TestWindow window(L"一覧テスト");
    const test::TestWindow disabled(L"無効");
    EnableWindow(disabled.get(), FALSE);
    const std::wstring program = win::ModulePath();
    listed = {{window.get(), program, L"一覧テスト", L"Static", {80, 90, 320, 240}},
              {disabled.get(), program, L"無効", L"Static", {80, 90, 320, 240}},
              {window.get(), program, L"Velmado", L"TApplication", {80, 90, 320, 240}},
              {window.get(), program, L"空", L"Static", {80, 90, 0, 240}}};
    CreateForm();
    form->Show(2);
    EXPECT_EQ(Page(), 2);
    ASSERT_EQ(Rows(Form::kListViewWindowList), 1);
    EXPECT_EQ(RowText(Form::kListViewWindowList, 0, 1), L"一覧テスト");
    EXPECT_EQ(RowText(Form::kListViewWindowList, 0, 5), L"320");
    EXPECT_EQ(RowText(Form::kListViewWindowList, 0, 9),
              std::to_wstring(reinterpret_cast<LONG_PTR>(window.get())));
    EXPECT_TRUE(Enabled(Form::kTBGet));

    const HWND list = Item(Form::kListViewWindowList);
    SetRowState(Form::kListViewWindowList, 0, LVIS_SELECTED | LVIS_FOCUSED,
                LVIS_SELECTED | LVIS_FOCUSED);
    RECT row{LVIR_LABEL, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(target.window, window.get());
    EXPECT_EQ(target.caption, L"一覧テスト");
    EXPECT_EQ(target.rect, (common::XYWH{80, 90, 320, 240}));
    EXPECT_EQ(Text(Form::kTXTCap), L"一覧テスト");
    EXPECT_TRUE(Enabled(Form::kTBAdd));
}

} // namespace
} // namespace velmado::rules
