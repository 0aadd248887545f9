#include "common/win/files.h"

#include <shlobj.h>

#include "common/win/data_folder.h"
#include "common/win/mru_list.h"
#include "common/win/test_scratch.h"
#include "common/win/wow64.h"

namespace velmado::win {
namespace {

using FilesTest = test::ScratchTest;

wchar_t UnusedDriveLetter() {
    const DWORD drives = GetLogicalDrives();
    for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
        if ((drives & (1u << (letter - L'A'))) == 0) {
            return letter;
        }
    }
    return 0;
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST_F(FilesTest, DrivesAndFilesThatExist) {
    const std::wstring file = Make(L"present.txt");
    const std::wstring folder = Make(L"sub\\");
    const wchar_t system = GetSystemDir().front();
    EXPECT_TRUE(DriveReady(system));
    EXPECT_TRUE(DriveReady(static_cast<wchar_t>(system | 0x20))); // lower case
    EXPECT_TRUE(DriveReady(L'\\'));
    EXPECT_FALSE(DriveReady(L'1'));
    EXPECT_FALSE(DriveReady(L'/'));
    EXPECT_FALSE(PathDriveReady(L""));

    EXPECT_TRUE(SafeFileExists(file));
    EXPECT_FALSE(SafeFileExists(folder));
    EXPECT_FALSE(SafeFileExists(Folder() + L"missing.txt"));
    EXPECT_FALSE(SafeFileExists(L""));
    EXPECT_TRUE(FileExistsNative(file));
    EXPECT_FALSE(FileExistsNative(folder));
    EXPECT_TRUE(DirExistsNative(folder));
    EXPECT_FALSE(DirExistsNative(file));
}

TEST_F(FilesTest, AMissingDriveIsNotReady) {
    const wchar_t letter = UnusedDriveLetter();
    ASSERT_NE(letter, 0) << "every drive letter from Q to Y is in use";
    EXPECT_FALSE(DriveReady(letter));
    const std::wstring path = std::wstring(1, letter) + L":\\Data\\Window.ibk";
    EXPECT_FALSE(SafeFileExists(path));
    EXPECT_FALSE(FileExistsNative(path));
    EXPECT_FALSE(DirExistsNative(std::wstring(1, letter) + L":\\"));
}

TEST_F(FilesTest, LongPathNameGivesTheStoredForm) {
    Make(L"Mixed Case Folder\\");
    const std::wstring file = Make(L"Mixed Case Folder\\Long File Name.Text");
    EXPECT_EQ(LongPathName(Lower(file)).substr(Folder().size()),
              L"Mixed Case Folder\\Long File Name.Text");

    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameW(file.c_str(), shortPath, MAX_PATH), 0u);
    EXPECT_NE(std::wstring(shortPath), file) << "no 8.3 names on this file system";
    EXPECT_EQ(Lower(LongPathName(shortPath)), Lower(file));
    EXPECT_EQ(LongPathName(shortPath), LongPathName(file));
    EXPECT_EQ(LongPathName(shortPath).substr(Folder().size()),
              L"Mixed Case Folder\\Long File Name.Text");

    // Parts that do not exist stay as written; "." and ".." are resolved first.
    EXPECT_EQ(LongPathName(Folder() + L"mixed case folder\\.\\..\\Mixed Case Folder\\NEW.txt")
                  .substr(Folder().size()),
              L"Mixed Case Folder\\NEW.txt");
    // A wildcard is never looked up as a pattern.
    EXPECT_EQ(LongPathName(Folder() + L"mixed case folder\\*").substr(Folder().size()),
              L"Mixed Case Folder\\*");
}

TEST(SystemFolders, WindowsSystemAndSpecialFolders) {
    const std::wstring windows = GetWindowsDir();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), L'\\');
    EXPECT_TRUE(DirExistsNative(windows));
    const std::wstring system = GetSystemDir();
    ASSERT_FALSE(system.empty());
    EXPECT_EQ(system.back(), L'\\');
    EXPECT_TRUE(SafeFileExists(system + L"kernel32.dll"));

    wchar_t appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
    EXPECT_EQ(GetSpecialFolderPath(1), appData);
    for (int index = 0; index < 6; ++index) {
        const std::wstring folder = GetSpecialFolderPath(index);
        EXPECT_FALSE(folder.empty()) << index;
        EXPECT_NE(folder.back(), L'\\') << index;
    }
    EXPECT_EQ(GetSpecialFolderPath(6), L"");
    EXPECT_EQ(GetSpecialFolderPath(-1), L"");

    const std::wstring programs = GetShellFolderPath(5);
    ASSERT_FALSE(programs.empty());
    EXPECT_EQ(programs.back(), L'\\');
    EXPECT_NE(programs.find(L"Programs"), std::wstring::npos)
        << std::string(programs.begin(), programs.end());
    EXPECT_EQ(GetShellFolderPath(11), L"");
    EXPECT_EQ(GetShellFolderPath(-1), L"");
}

TEST(SystemFolders, RedirectionIsOnlyForA32BitProcessOn64BitWindows) {
#ifdef _WIN64
    EXPECT_FALSE(IsWow64());
    EXPECT_FALSE(DetectWow64());
    const std::wstring path = GetSystemDir() + L"kernel32.dll";
    EXPECT_EQ(NativeSystemPath(path), path);
    {
        const RedirectionOff outer;
        const RedirectionOff inner;
        EXPECT_TRUE(FileExistsNative(path));
    }
    EXPECT_TRUE(SafeFileExists(path));
#else
    GTEST_SKIP() << "32-bit builds are not run here";
#endif
}

class DataFolderTest : public ::testing::Test {
protected:
    static constexpr wchar_t kName[] = L"VelmadoFolderTest";
    void SetUp() override { RemoveTestFolders(); }
    void TearDown() override { RemoveTestFolders(); }
    static void RemoveTestFolders() {
        test::DeleteTree(GetSpecialFolderPath(1) + L"\\Tovarel\\" + kName);
        test::DeleteTree(GetSpecialFolderPath(3) + L"\\Tovarel\\" + kName);
    }
};

TEST_F(DataFolderTest, CreatesBothLevelsAndRemembersTheFolder) {
    const std::wstring expected = GetSpecialFolderPath(1) + L"\\Tovarel\\" + kName + L"\\";
    ASSERT_FALSE(DirExistsNative(expected));
    EXPECT_TRUE(MakeDataFolder(kName, false));
    EXPECT_EQ(DataFolder(), expected);
    EXPECT_TRUE(DirExistsNative(expected));
    EXPECT_TRUE(MakeDataFolder(kName, false)) << "an existing folder is fine";

    const std::wstring common = GetSpecialFolderPath(3) + L"\\Tovarel\\" + kName + L"\\";
    EXPECT_TRUE(MakeDataFolder(kName, true));
    EXPECT_EQ(CommonDataFolder(), common);
    EXPECT_TRUE(DirExistsNative(common));
    EXPECT_EQ(DataFolder(), expected) << "the per-user folder is kept apart";

    ASSERT_TRUE(MakeDataFolder(L"Velmado", false));
    EXPECT_EQ(DataFolder(), GetSpecialFolderPath(1) + L"\\Tovarel\\Velmado\\");
}

TEST_F(DataFolderTest, FailsWhenTheFolderCannotBeMade) {
    // A file where the folder should be.
    const std::wstring maker = GetSpecialFolderPath(1) + L"\\Tovarel\\";
    CreateDirectoryW(maker.c_str(), nullptr);
    const std::wstring blocker = maker + kName;
    const UniqueFile file(CreateFileW(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    EXPECT_FALSE(MakeDataFolder(kName, false));
    EXPECT_FALSE(MakeDataFolder(L"", false));
}

using MruFilesTest = test::ScratchTest;

TEST_F(MruFilesTest, KeepsExistingFilesNewestFirstInTheirStoredForm) {
    std::vector<std::wstring> items;
    std::vector<std::wstring> files;
    for (int i = 1; i <= 6; ++i) {
        files.push_back(Make(L"Profile " + std::to_wstring(i) + L".pwm"));
        AddToMruList(items, files.back(), 5);
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{files[5], files[4], files[3], files[2], files[1]}));

    AddToMruList(items, Lower(files[2]), 5);
    EXPECT_EQ(items, (std::vector<std::wstring>{files[2], files[5], files[4], files[3], files[1]}));

    ASSERT_TRUE(DeleteFileW(files[4].c_str()));
    AddToMruList(items, Folder() + L"gone.pwm", 5);
    EXPECT_EQ(items, (std::vector<std::wstring>{files[2], files[5], files[3], files[1]}));
}

} // namespace
} // namespace velmado::win
