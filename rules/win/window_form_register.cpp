#include "common/text.h"
#include "common/win/foreground.h"
#include "rules/rule_list_edits.h"
#include "rules/rule_matcher.h"
#include "rules/rule_plan.h"
#include "rules/rule_registration.h"
#include "rules/win/window_form.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

} // namespace

void WindowForm::ResetRegistration() {
    for (const HWND check :
         {CHKParts, CHKRightBottom, CHKStyle, CHKMessage, CHKFix, CHKNonTaskBar, CHKOnly, ChkTop}) {
        ui::SetChecked(check, false);
    }
    RGSize.SetItemIndex(0);
    RDCapCls.SetItemIndex(0);
    RDPosSize.SetItemIndex(0);
    sizeIndex_ = 0;
    for (const HWND text : {TXTExe, TXTCap, TXTCls, TXTPosSize, TxtStyle, TxtMessage}) {
        ui::SetControlText(text, L"");
    }
    SendMessageW(TXTCap, EM_SETREADONLY, TRUE, 0);
    SendMessageW(TxtMessage, EM_SETREADONLY, TRUE, 0);
}

void WindowForm::EnableRegistration(bool enabled) {
    for (const HWND control : RegistrationControls()) {
        ui::EnableControl(control, enabled);
    }
    RDCapCls.Enable(enabled);
    RGSize.Enable(enabled);
    RDPosSize.Enable(enabled);
}

void WindowForm::FillRegistration() {
    const TargetWindow& target = ctx_.target;
    const bool alive = target.window != nullptr && IsWindow(target.window);
    const auto style =
        alive ? static_cast<std::uint32_t>(GetWindowLongPtrW(target.window, GWL_STYLE)) : 0u;
    const bool dialog = target.className == kDialogClass;

    EnableRegistration(true);
    if ((style & WS_THICKFRAME) == 0) {
        RDPosSize.SetItemIndex(static_cast<int>(PosSizeChoice::Position));
    }
    if (dialog && targetMessage_.empty() && alive) {
        targetMessage_ = NormaliseMessageText(DialogMessageText(target.window));
    }
    ui::SetControlText(TxtMessage, MessageToMemo(targetMessage_));
    ui::EnableControl(CHKMessage, dialog);
    ui::SetControlText(TXTExe, target.program);
    ui::SetControlText(TXTCap, target.caption);
    ui::SetControlText(TXTCls, target.className);
    ui::SetControlText(TXTPosSize, PositionText(target.rect, false));
    ui::SetControlText(TxtStyle, WindowStyleText(style));
    if (alive && IsZoomed(target.window)) {
        RGSize.SetItemIndex(static_cast<int>(SizeChoice::Maximize));
        RGSizeClick();
    }
    ApplySizeEnabling();
    ui::EnableControl(TBAdd, CanRegister(ctx_.rules.size(), target.className, target.rect));
    if (IsWindowVisible(CHKParts)) {
        SetFocus(CHKParts);
    }
}

void WindowForm::ApplySizeEnabling() {
    const auto size = static_cast<SizeChoice>(RGSize.ItemIndex());
    ui::EnableControl(ChkTop, size == SizeChoice::Normal || size == SizeChoice::Priority ||
                                  size == SizeChoice::Opacity);
    RDPosSize.Enable(size == SizeChoice::Normal);
    ui::EnableControl(CHKFix, size == SizeChoice::Normal || size == SizeChoice::Maximize ||
                                  size == SizeChoice::Minimize);
    const bool fullScreen = size == SizeChoice::FullScreen;
    if (fullScreen) {
        ui::SetChecked(CHKNonTaskBar, true);
    }
    ui::EnableControl(CHKNonTaskBar, !fullScreen);
}

void WindowForm::RGSizeClick() {
    const int index = RGSize.ItemIndex();
    if (index == sizeIndex_) {
        return;
    }
    sizeIndex_ = index;
    for (const HWND check : {CHKFix, CHKNonTaskBar, CHKOnly, ChkTop}) {
        ui::SetChecked(check, false);
    }
    RDPosSize.SetItemIndex(0);
    ApplySizeEnabling();
    const auto size = static_cast<SizeChoice>(index);
    if (size != SizeChoice::Key && size != SizeChoice::Priority && size != SizeChoice::Opacity) {
        return;
    }
    // Out of the way while the user looks at the window the rule is for.
    const HWND form = Handle();
    ShowWindow(form, SW_MINIMIZE);
    subForm_.ShowModal(size == SizeChoice::Key        ? WindowSubForm::kKey
                       : size == SizeChoice::Priority ? WindowSubForm::kPriority
                                                      : WindowSubForm::kOpacity);
    ShowWindow(form, SW_RESTORE);
    win::ForceForeground(form);
    const bool chosen = size == SizeChoice::Key        ? subForm_.Key() != 0
                        : size == SizeChoice::Priority ? subForm_.PriorityIndex() >= 0
                                                       : subForm_.TransAIndex() >= 0;
    if (!chosen) {
        // Back to "通常" with the page as it was built.
        ResetRegistration();
        if (MWindowMode == 1) {
            FillRegistration();
        } else {
            EnableRegistration(false);
        }
    }
}

void WindowForm::CHKRightBottomClick() {
    ui::SetControlText(TXTPosSize, PositionText(ctx_.target.rect, ui::IsChecked(CHKRightBottom)));
}

void WindowForm::TBAddClick() {
    Registration registration;
    registration.program = ui::ControlText(TXTExe);
    registration.caption = ui::ControlText(TXTCap);
    registration.className = ui::ControlText(TXTCls);
    registration.styleText = ui::ControlText(TxtStyle);
    registration.partial = ui::IsChecked(CHKParts);
    registration.rightBottom = ui::IsChecked(CHKRightBottom);
    registration.useStyle = ui::IsChecked(CHKStyle);
    registration.useMessage = ui::IsChecked(CHKMessage);
    registration.messageMemo = ui::ControlText(TxtMessage);
    registration.capCls = static_cast<CapClsChoice>(std::max(RDCapCls.ItemIndex(), 0));
    registration.size = static_cast<SizeChoice>(std::max(RGSize.ItemIndex(), 0));
    registration.posSize = static_cast<PosSizeChoice>(std::max(RDPosSize.ItemIndex(), 0));
    registration.fixed = ui::IsChecked(CHKFix);
    registration.hideTaskbar = ui::IsChecked(CHKNonTaskBar);
    registration.onlyOne = ui::IsChecked(CHKOnly);
    registration.topmost = ui::IsChecked(ChkTop);
    registration.rect = ctx_.target.rect;
    const HWND window = ctx_.target.window;
    if (window != nullptr && IsWindow(window) && IsZoomed(window)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        if (GetWindowPlacement(window, &placement)) {
            const RECT& normal = placement.rcNormalPosition;
            registration.restored = common::XYWH{
                normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top};
        }
    }
    registration.keyText = subForm_.KeyText();
    registration.priorityText = subForm_.PriorityText();
    registration.opacityPercent = OpacityPercent(subForm_.TransAIndex(), subForm_.TransBIndex());

    if (const auto existing = RuleToReRegister(ctx_.rules, registration)) {
        win::ForceForeground(Handle());
        if (ask(L"再登録しますか?\r\n", MB_YESNO) != IDYES) {
            return;
        }
        DeleteRule(ctx_.rules, ctx_.listCheck, *existing);
        ListViewWindow.DeleteRow(static_cast<int>(*existing));
    }
    const Rule rule = BuildRule(registration);
    if (!AppendRule(ctx_.rules, ctx_.listCheck, rule)) {
        return;
    }
    const int row =
        ListViewWindow.AddRow(RuleRow(rule), RuleIcon(rule[Rule::Program]), rule.enabled);
    ctx_.engine.Proc_ResetFlag(false, ctx_.target);
    SelectPage(0);
    ListViewWindow.Select(row);
    SetModified();
    UpdateListButtons();
    UpdateFinderButtons();
}

} // namespace velmado::rules
