#include <algorithm>

#include "common/paths.h"
#include "common/text.h"
#include "common/win/files.h"
#include "common/win/icons.h"
#include "rules/rule_list_edits.h"
#include "rules/win/window_form.h"
#include "ui/file_filter.h"

namespace velmado::rules {

namespace {

bool IsExplorer(const std::wstring& program) {
    return common::EqualIgnoringAsciiCase(common::FileBaseName(program), L"EXPLORER.EXE");
}

} // namespace

std::vector<std::wstring> WindowForm::RuleRow(const Rule& rule) const {
    return {rule.fields.begin(), rule.fields.end()};
}

int WindowForm::RuleIcon(const std::wstring& program) {
    win::UniqueIcon icon;
    if (IsExplorer(program)) {
        icon = win::ExtractFileIcon(program, 1);
    }
    if (!icon) {
        icon = win::GetFileIcon(program);
    }
    return ImageListWindow.Add(icon.get());
}

void WindowForm::RefreshRuleList() {
    SendMessageW(ListViewWindow.Handle(), WM_SETREDRAW, FALSE, 0);
    ListViewWindow.Clear();
    ImageListWindow.Clear();
    ctx_.listCheck.clear();
    for (const Rule& rule : ctx_.rules) {
        ListViewWindow.AddRow(RuleRow(rule), RuleIcon(rule[Rule::Program]), rule.enabled);
        ctx_.listCheck.push_back(rule.enabled);
    }
    SendMessageW(ListViewWindow.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ListViewWindow.Handle(), nullptr, TRUE);
    UpdateListButtons();
    UpdateFinderButtons();
}

void WindowForm::UpdateFileState() {
    ui::SetControlText(EditFile, ctx_.ruleFilePath);
    const auto upper = [](const std::wstring& path) {
        std::wstring text = win::LongPathName(path);
        std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) {
            return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
        });
        return text;
    };
    ui::EnableControl(TBUndo, upper(ctx_.ruleFilePath) != upper(ctx_.store.DefaultRuleFile()));
}

void WindowForm::UpdateListButtons() {
    const int selected = ListViewWindow.Selected();
    const int count = ListViewWindow.Count();
    ui::EnableControl(TBDel, selected >= 0);
    ui::EnableControl(TBUP, selected > 0);
    ui::EnableControl(TBDown, selected >= 0 && selected < count - 1);
}

void WindowForm::SetModified() {
    FModify = true;
    ui::EnableControl(TBSave, true);
}

void WindowForm::TBDelClick() {
    const int selected = ListViewWindow.Selected();
    if (selected < 0 ||
        !DeleteRule(ctx_.rules, ctx_.listCheck, static_cast<std::size_t>(selected))) {
        return;
    }
    ListViewWindow.DeleteRow(selected);
    SetModified();
    UpdateListButtons();
    UpdateFinderButtons();
}

void WindowForm::MoveSelected(bool up) {
    const int selected = ListViewWindow.Selected();
    if (selected < 0) {
        return;
    }
    const auto moved = MoveRule(ctx_.rules, ctx_.listCheck, static_cast<std::size_t>(selected),
                                up ? MoveDirection::Up : MoveDirection::Down);
    if (!moved) {
        return;
    }
    // The two rows change places, each with its icon and check.
    const int other = static_cast<int>(*moved);
    const int selectedImage = ListViewWindow.Image(selected);
    const int otherImage = ListViewWindow.Image(other);
    const auto& rules = ctx_.rules;
    ListViewWindow.SetRow(selected, RuleRow(rules[static_cast<std::size_t>(selected)]), otherImage,
                          ctx_.listCheck[static_cast<std::size_t>(selected)]);
    ListViewWindow.SetRow(other, RuleRow(rules[*moved]), selectedImage, ctx_.listCheck[*moved]);
    ListViewWindow.Select(other);
    SetModified();
    UpdateListButtons();
}

void WindowForm::ListViewCheckChanged() {
    if (ApplyCheckChanges(ctx_.rules, ctx_.listCheck, ListViewWindow.Checks())) {
        SetModified();
    }
}

bool WindowForm::ListViewEdited(int row, const std::wstring& text) {
    if (row < 0 || static_cast<std::size_t>(row) >= ctx_.rules.size() || text.empty()) {
        return false;
    }
    Rule& rule = ctx_.rules[static_cast<std::size_t>(row)];
    if (text != rule[Rule::Program]) {
        rule[Rule::Program] = text;
        ListViewWindow.SetImage(row, RuleIcon(text));
        SetModified();
    }
    return true;
}

void WindowForm::UpdateFinderButtons() {
    const bool rulesExist = !ctx_.rules.empty();
    const int chosen = ui::ComboItemIndex(CBExeFind);
    // While the drop-down changes its choice, the edit field still shows the old text.
    const std::wstring text =
        chosen >= 0 ? ui::ComboItemText(CBExeFind, chosen) : ui::ControlText(CBExeFind);
    ui::EnableControl(BtnExeFindN, rulesExist && !text.empty());
    ui::EnableControl(BtnExeFindD, rulesExist);
}

void WindowForm::SelectFound(std::optional<std::size_t> found) {
    ListViewWindow.Select(found ? static_cast<int>(*found) : -1);
    SetFocus(ListViewWindow.Handle());
    UpdateListButtons();
}

void WindowForm::BtnExeFindNClick() {
    const std::wstring text = ui::ControlText(CBExeFind);
    if (text.empty() || ctx_.rules.empty()) {
        return;
    }
    AddFinderHistory(finderHistory_, text);
    ui::SetComboItems(CBExeFind, finderHistory_);
    ui::SetControlText(CBExeFind, text);
    const int selected = ListViewWindow.Selected();
    SelectFound(FindProgram(
        ctx_.rules, selected >= 0 ? std::optional<std::size_t>(selected) : std::nullopt, text));
}

void WindowForm::BtnExeFindDClick() {
    if (ctx_.rules.empty()) {
        return;
    }
    const int selected = ListViewWindow.Selected();
    SelectFound(FindMissingProgram(
        ctx_.rules, selected >= 0 ? std::optional<std::size_t>(selected) : std::nullopt,
        [](const std::wstring& path) { return win::FileExistsNative(path); }));
}

void WindowForm::BtnSoundClick(HWND edit) {
    std::wstring folder = win::GetWindowsDir() + L"\\Media";
    if (!win::DirExistsNative(folder)) {
        folder = ctx_.files.folder;
    }
    const auto chosen = chooseFile(FileDialogKind::Open, {.filter = L"効果音(*.wav)|*.wav",
                                                          .title = L"Velmado - 効果音",
                                                          .initialFolder = folder,
                                                          .defaultExtension = L"wav"});
    if (chosen && ui::LowerExtension(*chosen) == L".wav") {
        ui::SetControlText(edit, *chosen);
    }
}

} // namespace velmado::rules
