#pragma once
// The files of the per-user data folder, as full paths.
#include <string>

namespace velmado::storage {

struct DataFiles {
    // `folder` ends with '\'; every path is the folder followed by the bare file name.
    static DataFiles In(const std::wstring& folder);

    std::wstring folder;
    std::wstring hideLog;          // Hide.log
    std::wstring topLog;           // Top.log
    std::wstring transLog;         // Trans.log
    std::wstring errorLog;         // Error.log
    std::wstring dialogXml;        // Dialog.xml
    std::wstring iconIni;          // Icon.ini
    std::wstring deskTopWin;       // DeskTop.win
    std::wstring configIni;        // Config.ini
    std::wstring snapIni;          // Snap.ini
    std::wstring workAreaIni;      // WorkArea.ini
    std::wstring scrollIni;        // Scroll.ini
    std::wstring mouseIni;         // Mouse.ini
    std::wstring hookIni;          // Hook.ini
    std::wstring windowIbk;        // Window.ibk, the default rule file
    std::wstring windowMruIni;     // WindowMRU.ini
    std::wstring profileMruIni;    // ProfileMRU.ini
    std::wstring autoProfileIni;   // AutoProfile.ini
    std::wstring desktopWinMruIni; // DesktopWinMRU.ini
    std::wstring exeFindLog;       // ExeFind.log
    std::wstring historyXml;       // History.xml
    std::wstring minimizeTrayIni;  // MinimizeTray.ini
};

} // namespace velmado::storage
