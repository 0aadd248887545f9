#include "rules/win/window_form.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace velmado::rules {

namespace {

int Widest(std::initializer_list<int> widths) {
    return std::max(widths);
}

} // namespace

void WindowForm::Layout() {
    RECT client{};
    GetClientRect(Handle(), &client);
    SendMessageW(StatusBar, WM_SIZE, 0, 0);
    RECT status{};
    GetWindowRect(StatusBar, &status);
    const int statusHeight = status.bottom - status.top;

    const int margin = Scale(8);
    const int buttonHeight = std::max(Scale(25), ui::TextHeight(TBClose) + Scale(10));
    const int bottomTop = client.bottom - statusHeight - margin - buttonHeight;
    const int closeWidth = std::max(ui::ButtonWidth(TBClose, dpi_), Scale(96));
    ui::PlaceControl(TBClose, client.right - margin - closeWidth, bottomTop, closeWidth,
                     buttonHeight);
    const int actionWidth =
        std::max({ui::ButtonWidth(TBAdd, dpi_), ui::ButtonWidth(TBGet, dpi_), Scale(96)});
    const int actionLeft = client.right - margin - closeWidth - Scale(8) - actionWidth;
    ui::PlaceControl(TBAdd, actionLeft, bottomTop, actionWidth, buttonHeight);
    ui::PlaceControl(TBGet, actionLeft, bottomTop, actionWidth, buttonHeight);

    const RECT frame{margin, margin, client.right - margin, bottomTop - margin};
    ui::PlaceControl(PageControl.Handle(), frame.left, frame.top, frame.right - frame.left,
                     frame.bottom - frame.top);
    pageArea_ = PageControl.DisplayRect(frame);
    RECT page = pageArea_;
    InflateRect(&page, -Scale(6), -Scale(6));
    LayoutRuleListPage(page);
    LayoutRegistrationPage(page);
    LayoutWindowListPage(page);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void WindowForm::LayoutRuleListPage(const RECT& page) {
    const int gap = Scale(6);
    const int rowHeight = std::max(Scale(24), ui::TextHeight(TBNew) + Scale(10));
    const int step = rowHeight + gap;
    const int width = page.right - page.left;

    // The file-name line.
    const int fileLabelWidth = ui::TextWidth(LabelFile, ui::ControlText(LabelFile)) + Scale(6);
    ui::PlaceControl(LabelFile, page.left, page.top, fileLabelWidth, rowHeight);
    ui::PlaceControl(EditFile, page.left + fileLabelWidth, page.top, width - fileLabelWidth,
                     rowHeight);

    // The sound rows and the finder at the bottom.
    const int checkWidth =
        Widest({ui::CheckWidth(CHKSoundWindow, dpi_), ui::CheckWidth(CHKSoundShade, dpi_)});
    const int browseWidth =
        Widest({ui::ButtonWidth(BtnSoundWindow, dpi_), ui::ButtonWidth(BtnSoundShade, dpi_)});
    int y = page.bottom - rowHeight;
    for (const auto& [box, edit, browse] :
         {std::tuple{CHKSoundShade, EditSoundShade, BtnSoundShade},
          std::tuple{CHKSoundWindow, EditSoundWindow, BtnSoundWindow}}) {
        ui::PlaceControl(box, page.left, y, checkWidth, rowHeight);
        ui::PlaceControl(edit, page.left + checkWidth + gap, y,
                         width - checkWidth - browseWidth - 2 * gap, rowHeight);
        ui::PlaceControl(browse, page.right - browseWidth, y, browseWidth, rowHeight);
        y -= step;
    }
    y -= Scale(4);
    const int findLabelWidth =
        ui::TextWidth(LabelExeFind, ui::ControlText(LabelExeFind)) + Scale(6);
    const int findWidth = ui::ButtonWidth(BtnExeFindN, dpi_);
    const int missingWidth = ui::ButtonWidth(BtnExeFindD, dpi_);
    ui::PlaceControl(LabelExeFind, page.left, y, findLabelWidth, rowHeight);
    ui::PlaceControl(CBExeFind, page.left + findLabelWidth, y,
                     width - findLabelWidth - findWidth - missingWidth - 2 * gap, Scale(240));
    ui::PlaceControl(BtnExeFindN, page.right - missingWidth - gap - findWidth, y, findWidth,
                     rowHeight);
    ui::PlaceControl(BtnExeFindD, page.right - missingWidth, y, missingWidth, rowHeight);

    // The list with the command column at its right.
    const int dropWidth = Scale(20);
    const int columnWidth = Widest(
        {ui::ButtonWidth(TBNew, dpi_), ui::ButtonWidth(TBOpen, dpi_) + dropWidth,
         ui::ButtonWidth(TBSave, dpi_), ui::ButtonWidth(TBSaveAs, dpi_),
         ui::ButtonWidth(TBUndo, dpi_), ui::ButtonWidth(TBImport, dpi_),
         ui::ButtonWidth(TBDel, dpi_), ui::ButtonWidth(TBUP, dpi_), ui::ButtonWidth(TBDown, dpi_)});
    const int listTop = page.top + step;
    const int listBottom = y - gap - Scale(4);
    ui::PlaceControl(ListViewWindow.Handle(), page.left, listTop, width - columnWidth - gap,
                     listBottom - listTop);
    const int x = page.right - columnWidth;
    int buttonTop = listTop;
    const int buttonStep = rowHeight + Scale(4);
    ui::PlaceControl(TBNew, x, buttonTop, columnWidth, rowHeight);
    buttonTop += buttonStep;
    ui::PlaceControl(TBOpen, x, buttonTop, columnWidth - dropWidth, rowHeight);
    ui::PlaceControl(TBOpenDrop, x + columnWidth - dropWidth, buttonTop, dropWidth, rowHeight);
    for (const HWND button : {TBSave, TBSaveAs, TBUndo, TBImport}) {
        buttonTop += buttonStep;
        ui::PlaceControl(button, x, buttonTop, columnWidth, rowHeight);
    }
    buttonTop += Scale(12);
    for (const HWND button : {TBDel, TBUP, TBDown}) {
        buttonTop += buttonStep;
        ui::PlaceControl(button, x, buttonTop, columnWidth, rowHeight);
    }
}

void WindowForm::LayoutRegistrationPage(const RECT& page) {
    const int gap = Scale(6);
    const int rowHeight = std::max(Scale(24), ui::TextHeight(TXTExe) + Scale(10));
    const int step = rowHeight + gap;
    const int labelWidth =
        Widest({ui::TextWidth(LabelExe, ui::ControlText(LabelExe)),
                ui::TextWidth(LabelCap, ui::ControlText(LabelCap)),
                ui::TextWidth(LabelCls, ui::ControlText(LabelCls)),
                ui::TextWidth(LabelPosSize, ui::ControlText(LabelPosSize)),
                ui::CheckWidth(CHKStyle, dpi_), ui::CheckWidth(CHKMessage, dpi_)}) +
        Scale(10);
    const int fieldLeft = page.left + labelWidth;
    const int fieldWidth = page.right - fieldLeft;
    const int sideWidth =
        Widest({ui::CheckWidth(CHKParts, dpi_), ui::CheckWidth(CHKRightBottom, dpi_)});
    const int shortField = fieldWidth - sideWidth - gap;

    int y = page.top;
    ui::PlaceControl(LabelExe, page.left, y, labelWidth, rowHeight);
    ui::PlaceControl(TXTExe, fieldLeft, y, fieldWidth, rowHeight);
    y += step;
    ui::PlaceControl(LabelCap, page.left, y, labelWidth, rowHeight);
    ui::PlaceControl(TXTCap, fieldLeft, y, shortField, rowHeight);
    ui::PlaceControl(CHKParts, page.right - sideWidth, y, sideWidth, rowHeight);
    y += step;
    ui::PlaceControl(LabelCls, page.left, y, labelWidth, rowHeight);
    ui::PlaceControl(TXTCls, fieldLeft, y, shortField, rowHeight);
    y += step;
    ui::PlaceControl(LabelPosSize, page.left, y, labelWidth, rowHeight);
    ui::PlaceControl(TXTPosSize, fieldLeft, y, shortField, rowHeight);
    ui::PlaceControl(CHKRightBottom, page.right - sideWidth, y, sideWidth, rowHeight);
    y += step;
    ui::PlaceControl(CHKStyle, page.left, y, labelWidth, rowHeight);
    ui::PlaceControl(TxtStyle, fieldLeft, y,
                     std::min(fieldWidth, ui::TextWidth(TxtStyle, L"WWWWWWWW") + Scale(16)),
                     rowHeight);
    y += step;
    const int messageHeight = 3 * ui::TextHeight(TxtMessage) + Scale(10);
    ui::PlaceControl(CHKMessage, page.left, y, labelWidth, rowHeight);
    ui::PlaceControl(TxtMessage, fieldLeft, y, fieldWidth, messageHeight);
    y += messageHeight + gap + Scale(4);

    // The three choices side by side; the action group takes the room left over.
    const SIZE capCls = RDCapCls.PreferredSize(1, dpi_);
    const SIZE size = RGSize.PreferredSize(3, dpi_);
    const SIZE posSize = RDPosSize.PreferredSize(1, dpi_);
    const int groupHeight = std::max({capCls.cy, size.cy, posSize.cy});
    const int sizeWidth =
        std::max<int>(size.cx, page.right - page.left - capCls.cx - posSize.cx - 2 * Scale(8));
    RDCapCls.Place(page.left, y, capCls.cx, groupHeight, 1, dpi_);
    RGSize.Place(page.left + capCls.cx + Scale(8), y, sizeWidth, groupHeight, 3, dpi_);
    RDPosSize.Place(page.right - posSize.cx, y, posSize.cx, groupHeight, 1, dpi_);
    y += groupHeight + gap;

    int x = page.left + Scale(2);
    for (const HWND option : {CHKFix, CHKNonTaskBar, CHKOnly, ChkTop}) {
        const int optionWidth = ui::CheckWidth(option, dpi_);
        ui::PlaceControl(option, x, y, optionWidth, rowHeight);
        x += optionWidth + Scale(16);
    }
}

void WindowForm::LayoutWindowListPage(const RECT& page) {
    ui::PlaceControl(ListViewWindowList.Handle(), page.left, page.top, page.right - page.left,
                     page.bottom - page.top);
}

} // namespace velmado::rules
