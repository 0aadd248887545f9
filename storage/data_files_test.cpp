#include "storage/data_files.h"

#include <gtest/gtest.h>

namespace velmado::storage {
namespace {

TEST(DataFiles, EveryFileSitsInTheDataFolderUnderItsExactName) {
    const std::wstring folder = L"C:\\Users\\ユーザー\\AppData\\Roaming\\Tovarel\\Velmado\\";
    const DataFiles files = DataFiles::In(folder);
    const std::pair<const std::wstring*, const wchar_t*> expected[] = {
        {&files.hideLog, L"Hide.log"},
        {&files.topLog, L"Top.log"},
        {&files.transLog, L"Trans.log"},
        {&files.errorLog, L"Error.log"},
        {&files.dialogXml, L"Dialog.xml"},
        {&files.iconIni, L"Icon.ini"},
        {&files.deskTopWin, L"DeskTop.win"},
        {&files.configIni, L"Config.ini"},
        {&files.snapIni, L"Snap.ini"},
        {&files.workAreaIni, L"WorkArea.ini"},
        {&files.scrollIni, L"Scroll.ini"},
        {&files.mouseIni, L"Mouse.ini"},
        {&files.hookIni, L"Hook.ini"},
        {&files.windowIbk, L"Window.ibk"},
        {&files.windowMruIni, L"WindowMRU.ini"},
        {&files.profileMruIni, L"ProfileMRU.ini"},
        {&files.autoProfileIni, L"AutoProfile.ini"},
        {&files.desktopWinMruIni, L"DesktopWinMRU.ini"},
        {&files.exeFindLog, L"ExeFind.log"},
        {&files.historyXml, L"History.xml"},
        {&files.minimizeTrayIni, L"MinimizeTray.ini"},
    };
    EXPECT_EQ(files.folder, folder);
    for (const auto& [path, name] : expected) {
        EXPECT_EQ(*path, folder + name);
    }
}

} // namespace
} // namespace velmado::storage
