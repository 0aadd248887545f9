#include <algorithm>

#include "common/win/window_geometry.h"
#include "rules/rule_list_edits.h"
#include "rules/win/window_form.h"
#include "storage/win/text_files.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kFormSection[] = L"WindowForm";
constexpr wchar_t kSoundSection[] = L"Sound";
constexpr int kWindowListColumns = 10;
constexpr int kRuleColumns = 16;
constexpr int kMinWidth = 640;
constexpr int kMinHeight = 550;

const wchar_t* const kRuleColumnCaptions[kRuleColumns] = {L"プログラム",
                                                          L"キャプション",
                                                          L"一致条件",
                                                          L"クラス",
                                                          L"実行時の大きさ、処理",
                                                          L"左",
                                                          L"上",
                                                          L"横",
                                                          L"縦",
                                                          L"固定",
                                                          L"タスクバー",
                                                          L"複数処理",
                                                          L"常に手前に表示",
                                                          L"メッセージ",
                                                          L"スタイル",
                                                          L"ハンドル"};
const wchar_t* const kWindowListCaptions[kWindowListColumns] = {
    L"プログラム", L"キャプション", L"クラス",     L"左",       L"上",
    L"横",         L"縦",           L"メッセージ", L"スタイル", L"ハンドル"};

// Widths are kept in 96-DPI pixels, so that they look the same on every monitor.
std::vector<ui::ListView::Column> ReadColumns(const storage::IniDocument& ini,
                                              const std::wstring& prefix,
                                              const wchar_t* const* captions, int count, UINT dpi) {
    std::vector<ui::ListView::Column> columns;
    for (int i = 0; i < count; ++i) {
        const int width = ini.ReadInteger(kFormSection, prefix + std::to_wstring(i), 100);
        // The handle column stays hidden; widths out of reason fall back to the default.
        const bool hidden = i == count - 1;
        const int kept = width >= 0 && width <= 4000 ? width : 100;
        columns.push_back({captions[i], hidden ? 0 : ui::ScaleForDpi(kept, dpi)});
    }
    return columns;
}

} // namespace

void WindowForm::Proc_FormConfigLoad() {
    const storage::IniDocument ini = storage::LoadIniFile(ctx_.files.configIni);
    ListViewWindowList.SetColumns(
        ReadColumns(ini, L"ListColumns", kWindowListCaptions, kWindowListColumns, dpi_));
    ListViewWindow.SetColumns(
        ReadColumns(ini, L"Columns", kRuleColumnCaptions, kRuleColumns, dpi_));

    // The design size, centred on the primary work area, unless the file says otherwise.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int designWidth = Scale(800);
    const int designHeight = Scale(600);
    const int width = std::max(ini.ReadInteger(kFormSection, L"Width", designWidth), kMinWidth);
    const int height = std::max(ini.ReadInteger(kFormSection, L"Height", designHeight), kMinHeight);
    const int left =
        ini.ReadInteger(kFormSection, L"Left", work.left + (work.right - work.left - width) / 2);
    const int top =
        ini.ReadInteger(kFormSection, L"Top", work.top + (work.bottom - work.top - height) / 2);
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    win::RescueOffscreenWindow(Handle());
    if (const auto placed = win::GetWindowXYWH(Handle())) {
        bounds_ = *placed;
    } else {
        bounds_ = {left, top, width, height};
    }
    maximized_ = ini.ReadBool(kFormSection, L"MAX", false);

    ui::SetChecked(CHKSoundWindow, ini.ReadBool(kSoundSection, L"WindowEnabled", true));
    ui::SetControlText(EditSoundWindow, ini.ReadString(kSoundSection, L"Window",
                                                       ctx_.programFolder + L"Window.wav"));
    ui::SetChecked(CHKSoundShade, ini.ReadBool(kSoundSection, L"ShadeEnabled", true));
    ui::SetControlText(EditSoundShade,
                       ini.ReadString(kSoundSection, L"Shade", ctx_.programFolder + L"Shade.wav"));
}

void WindowForm::Proc_FormConfigSave() {
    storage::IniDocument ini = storage::LoadIniFile(ctx_.files.configIni);
    for (int i = 0; i < kWindowListColumns; ++i) {
        ini.WriteInteger(kFormSection, L"ListColumns" + std::to_wstring(i),
                         MulDiv(ListViewWindowList.ColumnWidth(i), 96, static_cast<int>(dpi_)));
    }
    for (int i = 0; i < kRuleColumns; ++i) {
        ini.WriteInteger(kFormSection, L"Columns" + std::to_wstring(i),
                         MulDiv(ListViewWindow.ColumnWidth(i), 96, static_cast<int>(dpi_)));
    }
    const HWND form = Handle();
    if (IsWindowVisible(form)) {
        maximized_ = IsZoomed(form) != FALSE;
        if (!maximized_ && !IsIconic(form)) {
            if (const auto placed = win::GetWindowXYWH(form)) {
                bounds_ = *placed;
            }
        }
    }
    if (!maximized_) {
        ini.WriteInteger(kFormSection, L"Left", bounds_.left);
        ini.WriteInteger(kFormSection, L"Top", bounds_.top);
        ini.WriteInteger(kFormSection, L"Width", bounds_.width);
        ini.WriteInteger(kFormSection, L"Height", bounds_.height);
    }
    ini.WriteBool(kFormSection, L"MAX", maximized_);
    ini.WriteBool(kSoundSection, L"WindowEnabled", ui::IsChecked(CHKSoundWindow));
    ini.WriteString(kSoundSection, L"Window", ui::ControlText(EditSoundWindow));
    ini.WriteBool(kSoundSection, L"ShadeEnabled", ui::IsChecked(CHKSoundShade));
    ini.WriteString(kSoundSection, L"Shade", ui::ControlText(EditSoundShade));
    if (const auto status =
            storage::SaveIniFile(ini, ctx_.files.configIni, storage::Encoding::Utf16LE);
        !status && ctx_.errorLog) {
        ctx_.errorLog(status.error);
    }
}

void WindowForm::RestoreBounds() {
    SetWindowPos(Handle(), nullptr, bounds_.left, bounds_.top, bounds_.width, bounds_.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowForm::LoadFinderHistory() {
    finderHistory_ = storage::LoadListFromFile(ctx_.files.exeFindLog, storage::Encoding::Utf16LE);
    CleanFinderHistory(finderHistory_);
    ui::SetComboItems(CBExeFind, finderHistory_);
}

void WindowForm::SaveFinderHistory() {
    if (const auto status = storage::SaveListToFile(finderHistory_, ctx_.files.exeFindLog,
                                                    storage::Encoding::Utf16LE);
        !status && ctx_.errorLog) {
        ctx_.errorLog(status.error);
    }
}

} // namespace velmado::rules
