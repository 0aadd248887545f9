#include "storage/data_files.h"

namespace velmado::storage {

DataFiles DataFiles::In(const std::wstring& folder) {
    DataFiles files;
    files.folder = folder;
    files.hideLog = folder + L"Hide.log";
    files.topLog = folder + L"Top.log";
    files.transLog = folder + L"Trans.log";
    files.errorLog = folder + L"Error.log";
    files.dialogXml = folder + L"Dialog.xml";
    files.iconIni = folder + L"Icon.ini";
    files.deskTopWin = folder + L"DeskTop.win";
    files.configIni = folder + L"Config.ini";
    files.snapIni = folder + L"Snap.ini";
    files.workAreaIni = folder + L"WorkArea.ini";
    files.scrollIni = folder + L"Scroll.ini";
    files.mouseIni = folder + L"Mouse.ini";
    files.hookIni = folder + L"Hook.ini";
    files.windowIbk = folder + L"Window.ibk";
    files.windowMruIni = folder + L"WindowMRU.ini";
    files.profileMruIni = folder + L"ProfileMRU.ini";
    files.autoProfileIni = folder + L"AutoProfile.ini";
    files.desktopWinMruIni = folder + L"DesktopWinMRU.ini";
    files.exeFindLog = folder + L"ExeFind.log";
    files.historyXml = folder + L"History.xml";
    files.minimizeTrayIni = folder + L"MinimizeTray.ini";
    return files;
}

} // namespace velmado::storage
