#include "app/tray/tray_text.h"

#include "common/paths.h"
#include "common/text.h"

namespace velmado::app {

std::wstring TrayHint(std::wstring_view ruleFile, const std::vector<bool>& workAreaEnabled,
                      bool mouseHookInstalled) {
    std::wstring hint = L"【位置と大きさの監視設定ファイル】\r\n";
    hint += ruleFile;
    hint += L"\r\n";
    if (workAreaEnabled.size() > 1) {
        hint += L"【モニター】\r\n";
        for (std::size_t i = 0; i < workAreaEnabled.size(); ++i) {
            hint += L"#" + std::to_wstring(i + 1) + (workAreaEnabled[i] ? L":有効 " : L":無効 ");
        }
        hint += L"\r\n";
    }
    hint += L"【マウスフック】\r\n";
    hint += mouseHookInstalled ? L"有効" : L"無効";
    return hint;
}

std::wstring RecentFileCaption(std::wstring_view path, int index) {
    return common::DoubleAmpersands(common::FileBaseName(path)) + L"(&" + std::to_wstring(index) +
           L")";
}

std::wstring DesktopLayoutSaveCaption(std::wstring_view layoutFile) {
    return L"保存 [" + common::DoubleAmpersands(common::FileBaseName(layoutFile)) + L"]";
}

std::wstring MonitorEntryCaption(int index, const common::Rect& workArea) {
    return L"#" + std::to_wstring(index + 1) + L" [(" + std::to_wstring(workArea.left) + L"," +
           std::to_wstring(workArea.top) + L")-(" + std::to_wstring(workArea.right) + L"," +
           std::to_wstring(workArea.bottom) + L")](&" + std::to_wstring(index) + L")";
}

int TrayImageIndex(bool tabletMode, bool rulesEnabled, bool workAreasEnabled) {
    if (tabletMode || (!rulesEnabled && !workAreasEnabled)) {
        return kTrayImageAllOff;
    }
    if (!rulesEnabled) {
        return kTrayImageRulesOff;
    }
    return workAreasEnabled ? kTrayImageNormal : kTrayImageWorkAreasOff;
}

unsigned SingleClickDelay(unsigned doubleClickTimeMs) {
    return doubleClickTimeMs * 2 / 3;
}

std::array<std::wstring, 4> DisplayChangeCaptions(unsigned majorVersion) {
    if (majorVersion == 10) {
        return {L"PC画面のみ", L"複製", L"拡張", L"拡張セカンドスクリーンのみ"};
    }
    return {L"コンピュータのみ", L"複製", L"拡張", L"プロジェクターのみ"};
}

} // namespace velmado::app
