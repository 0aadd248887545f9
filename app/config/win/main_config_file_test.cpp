#include "app/config/win/main_config_file.h"

#include "common/win/handles.h"
#include "storage/latin1_code_page.h"
#include "storage/win/test_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace velmado::app {
namespace {

using Names = std::vector<std::wstring>;

class MainConfigFile : public storage::TestFolder {
protected:
    RuleFileLookup Lookup(int argumentCount = 0) const {
        return {.argumentCount = argumentCount,
                .current = Path(L"Window.ibk"),
                .dataFolder = Path(L""),
                .fileExists =
                    [](const std::wstring& path) {
                        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
                    },
                .longPathName = [](const std::wstring& path) { return path; }};
    }

    static SystemSnapshot Snapshot() {
        SystemSnapshot system;
        system.startButtonCaption = L"スタート";
        system.screenSaverFileExists = true;
        return system;
    }

    storage::DecodedText Decoded(const std::wstring& name) const {
        return storage::DecodeText(Contents(name), storage::Latin1CodePage());
    }
};

TEST_F(MainConfigFile, AUtf8ConfigIsReadAndSavedAsUtf16LEWithOtherFormsSections) {
    Plant(L"Config.ini",
          "\xEF\xBB\xBF[WindowForm]\r\nLeft=10\r\n"
          "[Sound]\r\nSnap=C:\\\xE9\x9F\xB3.wav\r\n" // 音
          "[TaskBar]\r\nStartButton=3\r\nStartButtonText=\xE9\x96\x8B\xE5\xA7\x8B\r\n"
          "[HideForm]\r\nTop=5\r\n");
    Plant(L"Home.ibk", "");
    LoadedMainConfig loaded = LoadMainConfig(Path(L"Config.ini"), Snapshot(), Lookup());
    EXPECT_EQ(loaded.config.MStartButtonC, 3);
    EXPECT_EQ(loaded.config.MStartButtonText, L"開始");

    loaded.config.MDelay = 7;
    ASSERT_TRUE(SaveMainConfig(Path(L"Config.ini"), loaded.config, 0, Path(L"Home.ibk")));
    EXPECT_EQ(Contents(L"Config.ini").substr(0, 2), "\xFF\xFE");
    const storage::DecodedText saved = Decoded(L"Config.ini");
    EXPECT_EQ(saved.encoding, storage::Encoding::Utf16LE);
    const storage::IniDocument ini = storage::IniDocument::Parse(saved.text, saved.encoding);
    const Names sections = ini.Sections();
    ASSERT_GE(sections.size(), 4u);
    EXPECT_EQ(Names(sections.begin(), sections.begin() + 4),
              (Names{L"WindowForm", L"Sound", L"TaskBar", L"HideForm"}));
    EXPECT_EQ(ini.ReadString(L"Sound", L"Snap", L""), L"C:\\音.wav");
    EXPECT_EQ(ini.ReadString(L"HideForm", L"Top", L""), L"5");
    EXPECT_EQ(FileNames(), (Names{L"Config.ini", L"Home.ibk"}));

    const LoadedMainConfig reread = LoadMainConfig(Path(L"Config.ini"), Snapshot(), Lookup());
    EXPECT_EQ(reread.config, loaded.config);
    EXPECT_EQ(reread.ruleFile, Path(L"Home.ibk"));
}

TEST_F(MainConfigFile, AMissingFileGivesTheDefaultsAndIsCreated) {
    const LoadedMainConfig loaded = LoadMainConfig(Path(L"Config.ini"), Snapshot(), Lookup());
    EXPECT_EQ(loaded.config, ReadMainConfig(storage::IniDocument(), Snapshot(), Lookup()).config);
    EXPECT_EQ(loaded.ruleFile, Path(L"Window.ibk"));

    // A run with "/Q" leaves [WindowFile] out.
    ASSERT_TRUE(SaveMainConfig(Path(L"Config.ini"), loaded.config, 1, Path(L"Other.ibk")));
    const storage::DecodedText saved = Decoded(L"Config.ini");
    EXPECT_EQ(saved.encoding, storage::Encoding::Utf16LE);
    const storage::IniDocument ini = storage::IniDocument::Parse(saved.text, saved.encoding);
    EXPECT_EQ(ini.Sections().front(), L"ScreenSaver");
    EXPECT_FALSE(ini.SectionExists(L"WindowFile"));
    EXPECT_EQ(ini.ReadString(L"TaskBar", L"TransTaskBar", L""), L"19");
}

TEST_F(MainConfigFile, AFileHeldOpenByAnotherProgramIsNotReplaced) {
    Plant(L"Config.ini", "[WindowForm]\r\nLeft=10\r\n");
    {
        const win::UniqueFile holder(CreateFileW(Path(L"Config.ini").c_str(), GENERIC_READ, 0,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                 nullptr));
        ASSERT_TRUE(holder);
        const storage::FileStatus status =
            SaveMainConfig(Path(L"Config.ini"), MainConfig{}, 0, Path(L"Window.ibk"));
        EXPECT_FALSE(status);
        EXPECT_FALSE(status.error.empty());
    }
    EXPECT_EQ(Contents(L"Config.ini"), "[WindowForm]\r\nLeft=10\r\n");
    EXPECT_EQ(FileNames(), Names{L"Config.ini"});
}

} // namespace
} // namespace velmado::app
