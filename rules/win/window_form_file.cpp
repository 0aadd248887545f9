#include "common/text.h"
#include "common/win/files.h"
#include "common/win/foreground.h"
#include "rules/rule_list_edits.h"
#include "rules/win/window_form.h"
#include "ui/file_filter.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kNewRuleFile[] = L"新しい位置と大きさ設定ファイル.ibk";

} // namespace

void WindowForm::Proc_DatLoad() {
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514))); // IDC_WAIT
    if (ctx_.loadRules) {
        ctx_.loadRules();
    }
    FModify = false;
    ui::EnableControl(TBSave, false);
    RefreshRuleList();
    UpdateFileState();
    SetCursor(previous);
}

void WindowForm::Proc_DatSave() {
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));
    const auto status = ctx_.store.Save(ctx_.ruleFilePath, ctx_.rules);
    if (status) {
        FModify = false;
        ui::EnableControl(TBSave, false);
        // Saving frees every rule's taken window.
        for (int row = 0; row < ListViewWindow.Count(); ++row) {
            ListViewWindow.SetText(row, Rule::Handle, L"");
        }
    } else if (ctx_.errorLog) {
        // The changes stay marked, so that they are not dropped as saved.
        ctx_.errorLog(status.error);
    }
    UpdateFileState();
    SetCursor(previous);
}

bool WindowForm::Func_SaveQuery() {
    if (!FModify) {
        return true;
    }
    win::ForceForeground(Handle());
    switch (ask(L"データに変更があります。保存しますか？", MB_YESNOCANCEL)) {
    case IDYES:
        if (win::FileExistsNative(ctx_.ruleFilePath)) {
            // A failed save must not let the caller drop the changes.
            return TBSaveClick();
        }
        TBSaveAsClick();
        return false;
    case IDNO:
        return true;
    default:
        return false;
    }
}

std::optional<std::wstring> WindowForm::ChooseRuleFile(FileDialogKind kind) {
    const auto chosen =
        chooseFile(kind, {.filter = L"位置と大きさの監視設定ファイル(*.ibk)|*.ibk",
                          .title = kind == FileDialogKind::Open
                                       ? L"Velmado - 位置と大きさの監視設定ファイルを開く"
                                       : L"Velmado - 位置と大きさの監視設定ファイルの保存",
                          .initialFolder = ctx_.files.folder,
                          .defaultExtension = L"ibk"});
    if (!chosen || ui::LowerExtension(*chosen) != L".ibk") {
        return std::nullopt;
    }
    return chosen;
}

void WindowForm::TBNewClick() {
    if (!Func_SaveQuery()) {
        return;
    }
    ctx_.rules.clear();
    RefreshRuleList();
    ctx_.ruleFilePath = ctx_.files.folder + kNewRuleFile;
    UpdateFileState();
    SetModified();
    ui::EnableControl(TBUndo, true);
    ctx_.engine.Proc_AllDeleteWindow();
}

void WindowForm::TBOpenClick() {
    if (!Func_SaveQuery()) {
        return;
    }
    if (const auto chosen = ChooseRuleFile(FileDialogKind::Open)) {
        ctx_.ruleFilePath = win::LongPathName(*chosen);
        Proc_DatLoad();
    }
}

bool WindowForm::TBSaveClick() {
    if (win::FileExistsNative(ctx_.ruleFilePath)) {
        Proc_DatSave();
        return !FModify;
    }
    TBSaveAsClick();
    return !FModify;
}

void WindowForm::TBSaveAsClick() {
    if (const auto chosen = ChooseRuleFile(FileDialogKind::Save)) {
        ctx_.ruleFilePath = win::LongPathName(*chosen);
        Proc_DatSave();
    }
}

void WindowForm::TBUndoClick() {
    if (!Func_SaveQuery()) {
        return;
    }
    ctx_.ruleFilePath = win::LongPathName(ctx_.store.DefaultRuleFile());
    Proc_DatLoad();
}

void WindowForm::TBImportClick() {
    const auto chosen = ChooseRuleFile(FileDialogKind::Open);
    if (!chosen) {
        return;
    }
    const LoadedRules imported = RuleStore::ReadRules(*chosen);
    bool added = false;
    for (const Rule& rule : imported.rules) {
        // A rule that an existing rule already covers is skipped.
        if (ctx_.engine.Func_FindItemWindow(rule[Rule::Program], rule[Rule::Caption],
                                            rule[Rule::ClassName], rule[Rule::Style]) >= 0) {
            continue;
        }
        if (!AppendRule(ctx_.rules, ctx_.listCheck, rule)) {
            break;
        }
        ListViewWindow.AddRow(RuleRow(rule), RuleIcon(rule[Rule::Program]), rule.enabled);
        added = true;
    }
    if (added) {
        SetModified();
        UpdateListButtons();
        UpdateFinderButtons();
    }
}

void WindowForm::PPFilePopup() {
    auto& recent = ctx_.store.Recent();
    std::erase_if(recent, [](const std::wstring& path) { return !win::FileExistsNative(path); });
    for (std::size_t i = 0; i < PPFile.Items().Count(); ++i) {
        ui::MenuItem& item = PPFile.Items().At(i);
        item.enabled = i < recent.size();
        item.visible = i < recent.size();
        item.caption = i < recent.size()
                           ? common::DoubleAmpersands(recent[i]) + L"(&" + std::to_wstring(i) + L")"
                           : std::wstring();
    }
}

void WindowForm::PPFileClick(std::size_t index) {
    if (!Func_SaveQuery()) {
        return;
    }
    const auto& recent = ctx_.store.Recent();
    if (index < recent.size()) {
        ctx_.ruleFilePath = win::LongPathName(recent[index]);
        Proc_DatLoad();
    }
}

} // namespace velmado::rules
