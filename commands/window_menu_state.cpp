#include "commands/window_menu_state.h"

#include <stdexcept>
#include <string_view>

#include "common/text.h"
#include "rules/window_exclusion.h"

namespace velmado::commands {

namespace {

using ui::MenuItem;

constexpr wchar_t kFixedPosition[] = L"位置";
constexpr wchar_t kFixedSize[] = L"大きさ";
constexpr wchar_t kFixedBoth[] = L"位置大きさ";
constexpr wchar_t kUndoCaption[] = L"元に戻す(&D)";

MenuItem& Item(MenuItem& root, const wchar_t* name) {
    MenuItem* item = root.Find(name);
    if (item == nullptr) {
        throw std::logic_error("the window menu lacks an item");
    }
    return *item;
}

bool IsProgram(const std::wstring& path, const wchar_t* fileName) {
    return common::EqualIgnoringAsciiCase(rules::ProgramFileName(path), fileName);
}

// Shows a separator only between two visible items.
void HideSurplusSeparators(MenuItem& parent) {
    MenuItem* pending = nullptr;
    bool itemBefore = false;
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        MenuItem& child = parent.At(i);
        if (child.IsSeparator()) {
            child.visible = false;
            if (itemBefore) {
                pending = &child;
            }
        } else if (child.visible) {
            if (pending != nullptr) {
                pending->visible = true;
                pending = nullptr;
            }
            itemBefore = true;
        }
    }
}

void ApplyVisibility(MenuItem& root, const WindowMenuArrays& arrays, const WindowMenuFacts& f) {
    const bool target = f.hasTarget;
    for (const wchar_t* name :
         {L"PPHis", L"PPName", L"PPMon", L"PPWindowSave", L"PPWindowLoad", L"PPWindowCheck",
          L"PPBottom", L"PPWindowMenu", L"PPUndo", L"PPHide", L"PPTaskTray", L"PPMinTray",
          L"PPTransWin", L"PPPos", L"PPSize", L"PPPosSize"}) {
        Item(root, name).visible = target;
    }
    for (MenuItem* item : arrays.MPPWin) {
        item->visible = target;
    }
    Item(root, L"PPMoving").visible = target && !f.maximized;
    Item(root, L"PPSizing").visible = target && !f.maximized;
    Item(root, L"PPTop").visible = target && f.openedByHook;
    Item(root, L"PPShade").visible = target && f.openedByHook && f.shadeOption;
    const bool folder = target && f.programFileExists;
    // The store apps' frame host cannot be started as the app it hosts.
    const bool startable = folder && !IsProgram(f.program, L"APPLICATIONFRAMEHOST.EXE");
    const bool elevatable = startable && common::IsVistaOrLater(f.version) && f.uacEnabled;
    Item(root, L"PPFolder").visible = folder;
    Item(root, L"PPExecute").visible = startable;
    Item(root, L"PPExecuteAdmin").visible = elevatable;
    Item(root, L"PPReExecuteAdmin").visible = elevatable;
    Item(root, L"PPPriority").visible = target && common::Is2000OrLater(f.version);
    Item(root, L"PPWindowList").visible = !target;
}

void EnableGeometry(MenuItem& root, const WindowMenuArrays& arrays, const std::wstring& kind) {
    if (kind == kFixedBoth) {
        return;
    }
    if (kind == kFixedSize) {
        Item(root, L"PPPos").enabled = true;
        for (const std::size_t i : {2, 3, 4, 5, 6, 12, 13, 14, 15}) {
            arrays.MPPWin.at(i)->enabled = true;
        }
        return;
    }
    if (kind == kFixedPosition) {
        Item(root, L"PPSize").enabled = true;
        for (const std::size_t i : {7, 8, 9, 10}) {
            arrays.MPPWin.at(i)->enabled = true;
        }
        return;
    }
    // Not fixed (an unknown kind fixes nothing either).
    for (const wchar_t* name : {L"PPPos", L"PPSize", L"PPPosSize"}) {
        Item(root, name).enabled = true;
    }
    for (MenuItem* item : arrays.MPPWin) {
        item->enabled = true;
    }
}

void ApplyTargetState(MenuItem& root, const WindowMenuArrays& arrays, const WindowMenuFacts& f) {
    Item(root, L"PPTop").caption = f.topmost ? L"常に手前に表示を解除(&A)" : L"常に手前に表示(&A)";

    if (f.monitorIndex >= 0 && static_cast<std::size_t>(f.monitorIndex) < arrays.MPPMon.size()) {
        MenuItem& monitor = *arrays.MPPMon[static_cast<std::size_t>(f.monitorIndex)];
        // Until the monitor entries are named, the submenu keeps its own caption.
        if (!monitor.caption.empty()) {
            Item(root, L"PPMon").caption = L"モニタ " + monitor.caption;
        }
        monitor.SetChecked(true);
    }

    Item(root, L"PPName").caption =
        common::DoubleAmpersands(f.program + L" 【" + f.caption + L"】");

    for (const wchar_t* name : {L"PPWindowSave", L"PPWindowLoad", L"PPWindowCheck", L"PPPos",
                                L"PPSize", L"PPPosSize", L"PPBottom", L"PPWindowMenu", L"PPUndo"}) {
        Item(root, name).enabled = false;
    }
    for (MenuItem* item : arrays.MPPWin) {
        item->enabled = false;
    }
    for (const wchar_t* name : {L"PPBottom", L"PPWindowMenu", L"PPFolder"}) {
        Item(root, name).enabled = true;
    }

    MenuItem& undo = Item(root, L"PPUndo");
    undo.caption = kUndoCaption;
    if (f.undoCaption) {
        // The entry's caption ends with the command's accelerator, which is not repeated.
        std::wstring_view text = *f.undoCaption;
        const std::size_t open = text.rfind(L'(');
        if (open != std::wstring_view::npos) {
            text = text.substr(0, open);
        }
        undo.caption += L" - " + common::DoubleAmpersands(text);
        undo.enabled = true;
    }

    Item(root, L"PPWindowSave").enabled = f.ruleCount < kRegisterRuleLimit;
    if (!f.rulesEnabled) {
        EnableGeometry(root, arrays, L"");
    }

    MenuItem& check = Item(root, L"PPWindowCheck");
    check.SetChecked(false);
    const bool ruleApplies = f.matchingRule >= 0 && f.rulesEnabled;
    if (ruleApplies) {
        check.enabled = true;
        check.SetChecked(f.matchingRuleEnabled);
    }
    std::wstring kind = f.fixedKind;
    if (ruleApplies && kind.empty()) {
        Item(root, L"PPWindowLoad").enabled = true;
    }
    if (!check.Checked()) {
        kind.clear();
    }
    EnableGeometry(root, arrays, kind);

    Item(root, L"PPMinTray").SetChecked(f.minimizedToTrayListed);
}

} // namespace

void ApplyWindowMenuFacts(ui::MenuItem& root, const WindowMenuArrays& arrays,
                          const WindowMenuFacts& facts) {
    ApplyVisibility(root, arrays, facts);
    if (facts.hasTarget && !facts.program.empty() && !facts.caption.empty()) {
        ApplyTargetState(root, arrays, facts);
    }
    HideSurplusSeparators(root);
    HideSurplusSeparators(Item(root, L"PPMon"));
}

} // namespace velmado::commands
