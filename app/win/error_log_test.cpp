#include "app/win/error_log.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace velmado::app {
namespace {

std::string Bytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring ScratchLog() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    CreateDirectoryW(temp, nullptr);
    const std::wstring path = std::wstring(temp) + L"velmado-error-log-test.log";
    DeleteFileW(path.c_str());
    return path;
}

TEST(ErrorLog, AppendsDatedLinesInTheAnsiCodePage) {
    const std::wstring path = ScratchLog();
    std::ofstream(path.c_str(), std::ios::binary) << "earlier line\r\n";
    const ErrorLog log(path, false);
    log.Report(L"設定ファイルを保存できません");
    log.Report(L"second");

    const std::string bytes = Bytes(path);
    ASSERT_EQ(bytes.rfind("earlier line\r\n", 0), 0u) << "earlier lines stay";
    // The message as code page 932 bytes, after "<date> <time> : ".
    const std::string expected = "\x90\xdd\x92\xe8\x83t\x83@\x83"
                                 "C\x83\x8b\x82\xf0\x95\xdb\x91"
                                 "\xb6\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\r\n";
    const auto first = bytes.find(" : ");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(bytes.substr(first + 3, expected.size()), expected);
    const std::string dated = bytes.substr(14, first - 14);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_NE(dated.find(std::to_string(now.wYear)), std::string::npos)
        << "the line starts with the date: " << dated;
    EXPECT_EQ(bytes.substr(bytes.size() - 11), " : second\r\n");
    DeleteFileW(path.c_str());
}

TEST(ErrorLog, ALogHeldOpenLosesTheLineWithoutHarm) {
    const std::wstring path = ScratchLog();
    std::ofstream(path.c_str(), std::ios::binary) << "kept\r\n";
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ErrorLog(path, false).Report(L"lost");
    CloseHandle(held);
    EXPECT_EQ(Bytes(path), "kept\r\n");
    DeleteFileW(path.c_str());
}

} // namespace
} // namespace velmado::app
