#include "common/version_info.h"

#include <gtest/gtest.h>

namespace velmado::common {
namespace {

TEST(VersionInfo, LinesAndStringTable) {
    EXPECT_EQ(StringTablePath(0x0411, 0x04B0), L"\\StringFileInfo\\041104B0\\");
    EXPECT_EQ(StringTablePath(0x0009, 0xABCD), L"\\StringFileInfo\\0009ABCD\\");
    EXPECT_EQ(VersionInfoLine(L"FileVersion", L"0.1.0.0"), L"FileVersion     \xFF1A"
                                                           L"0.1.0.0");
    EXPECT_EQ(VersionInfoLine(L"OriginalFilename", L"a.exe"), L"OriginalFilename\xFF1A"
                                                              L"a.exe");
    EXPECT_EQ(VersionInfoLine(L"Comments", L""), L"Comments        \xFF1A");
}

TEST(VersionInfo, DescriptionUnlessMissingOrEqualToTheVersion) {
    const auto lines = [](std::wstring description, std::wstring version) {
        std::vector<std::wstring> result = {VersionInfoLine(L"CompanyName", L"Tovarel")};
        if (!description.empty()) {
            result.push_back(VersionInfoLine(L"FileDescription", description));
        }
        if (!version.empty()) {
            result.push_back(VersionInfoLine(L"FileVersion", version));
        }
        return result;
    };
    EXPECT_EQ(FileDescriptionFromLines(lines(L"Window tool", L"1.0")), L"Window tool");
    EXPECT_EQ(FileDescriptionFromLines(lines(L"Window tool", L"")), L"Window tool");
    EXPECT_EQ(FileDescriptionFromLines(lines(L"", L"1.0")), L"");
    EXPECT_EQ(FileDescriptionFromLines(lines(L"1.0", L"1.0")), L"");
    // A value that merely starts like a key does not count as one.
    EXPECT_EQ(FileDescriptionFromLines({VersionInfoLine(L"Comments", L"FileDescription x")}), L"");
}

} // namespace
} // namespace velmado::common
