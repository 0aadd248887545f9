#include "storage/win/file_io.h"

#include "common/win/handles.h"
#include "storage/win/test_folder.h"

#include <gtest/gtest.h>

namespace velmado::storage {
namespace {

using Names = std::vector<std::wstring>;
using FileIo = TestFolder;

win::UniqueFile HoldOpen(const std::wstring& path, DWORD share) {
    return win::UniqueFile(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST_F(FileIo, WriteCreatesAndReplacesTheFileWithoutLeavingATemporaryFile) {
    ASSERT_TRUE(WriteFileAtomic(Path(L"Config.ini"), "first, longer content"));
    EXPECT_EQ(Contents(L"Config.ini"), "first, longer content");
    const FileStatus status = WriteFileAtomic(Path(L"Config.ini"), std::string("new\0", 4));
    EXPECT_EQ(status.result, FileResult::Ok);
    EXPECT_TRUE(status.error.empty());
    EXPECT_EQ(Contents(L"Config.ini"), std::string("new\0", 4));
    ASSERT_TRUE(WriteFileAtomic(Path(L"Empty.ini"), ""));
    EXPECT_EQ(Contents(L"Empty.ini"), "");
    EXPECT_EQ(FileNames(), (Names{L"Config.ini", L"Empty.ini"}));
}

TEST_F(FileIo, AFileHeldOpenByAnotherProgramIsLeftUntouched) {
    Plant(L"Hide.log", "old");
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        win::UniqueFile holder = HoldOpen(Path(L"Hide.log"), share);
        ASSERT_TRUE(holder);
        const FileStatus status = WriteFileAtomic(Path(L"Hide.log"), "new");
        EXPECT_EQ(status.result, FileResult::InUse) << share;
        EXPECT_NE(status.error.find(Path(L"Hide.log")), std::wstring::npos);
        holder.reset();
        EXPECT_EQ(Contents(L"Hide.log"), "old");
        EXPECT_EQ(FileNames(), Names{L"Hide.log"});
    }
    ASSERT_TRUE(WriteFileAtomic(Path(L"Hide.log"), "new")); // released: written again
    EXPECT_EQ(Contents(L"Hide.log"), "new");
}

TEST_F(FileIo, AReadOnlyFileOrMissingFolderFailsCleanly) {
    Plant(L"Locked.ini", "old");
    ASSERT_TRUE(SetFileAttributesW(Path(L"Locked.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    const FileStatus readOnly = WriteFileAtomic(Path(L"Locked.ini"), "new");
    EXPECT_EQ(readOnly.result, FileResult::Failed);
    EXPECT_FALSE(readOnly.error.empty());
    EXPECT_EQ(Contents(L"Locked.ini"), "old");
    EXPECT_EQ(FileNames(), Names{L"Locked.ini"});

    const FileStatus noFolder = WriteFileAtomic(Path(L"missing\\Config.ini"), "new");
    EXPECT_EQ(noFolder.result, FileResult::Failed);
    EXPECT_NE(noFolder.error.find(L"missing"), std::wstring::npos);
}

TEST_F(FileIo, ReadingTellsAMissingFileFromAnUnreadableOne) {
    Plant(L"a.ini", std::string("\xFF\xFE\0\0", 4));
    const FileBytes read = ReadFileBytes(Path(L"a.ini"));
    EXPECT_EQ(read.status.result, FileResult::Ok);
    EXPECT_EQ(read.bytes, std::string("\xFF\xFE\0\0", 4));

    EXPECT_EQ(ReadFileBytes(Path(L"none.ini")).status.result, FileResult::Missing);
    EXPECT_EQ(ReadFileBytes(Path(L"none\\a.ini")).status.result, FileResult::Missing);
    {
        const win::UniqueFile holder = HoldOpen(Path(L"a.ini"), 0);
        ASSERT_TRUE(holder);
        const FileBytes held = ReadFileBytes(Path(L"a.ini"));
        EXPECT_EQ(held.status.result, FileResult::InUse);
        EXPECT_TRUE(held.bytes.empty());
    }
    // A file that another program writes to, sharing it, can still be read.
    const win::UniqueFile sharing(CreateFileW(Path(L"a.ini").c_str(), GENERIC_WRITE,
                                              FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(sharing);
    EXPECT_TRUE(ReadFileBytes(Path(L"a.ini")).status);
}

} // namespace
} // namespace velmado::storage
