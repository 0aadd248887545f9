#pragma once
// A fresh folder under %TEMP% for one test of this layer, removed with everything in it afterwards.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "common/win/handles.h"

namespace velmado::win::test {

inline void DeleteTree(const std::wstring& folder) {
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\') {
        from.pop_back();
    }
    from.push_back(L'\0'); // the list ends with two NULs
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        static int serial = 0;
        folder_ = std::wstring(temp) + L"velmado_common_" + std::to_wstring(GetCurrentProcessId()) +
                  L"_" + std::to_wstring(++serial) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << GetLastError();
    }
    void TearDown() override { DeleteTree(folder_); }

    // Full path of a name in the folder; a trailing "\" in `name` makes a folder, else a file.
    std::wstring Make(const std::wstring& name) const {
        const std::wstring path = folder_ + name;
        if (!name.empty() && name.back() == L'\\') {
            EXPECT_TRUE(CreateDirectoryW(path.c_str(), nullptr)) << GetLastError();
        } else {
            const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            EXPECT_TRUE(file) << GetLastError();
        }
        return path;
    }
    const std::wstring& Folder() const { return folder_; }

private:
    std::wstring folder_;
};

} // namespace velmado::win::test
