#pragma once
// A fresh, empty folder under %TEMP% for one test, removed with everything in it afterwards.
#include "common/win/handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmado::storage {

class TestFolder : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        static int serial = 0;
        folder_ = std::wstring(temp) + L"velmado_storage_" +
                  std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++serial) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << GetLastError();
    }

    void TearDown() override {
        for (const std::wstring& name : FileNames()) {
            const std::wstring path = folder_ + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring Path(const std::wstring& name) const { return folder_ + name; }

    std::vector<std::wstring> FileNames() const { // sorted
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        const win::UniqueFind find(FindFirstFileW((folder_ + L"*").c_str(), &found));
        if (!find) {
            return names;
        }
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(name);
            }
        } while (FindNextFileW(find.get(), &found));
        std::sort(names.begin(), names.end());
        return names;
    }

    // Writes and reads bytes directly, bypassing the code under test.
    void Plant(const std::wstring& name, const std::string& bytes) const {
        const win::UniqueFile file(CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ASSERT_EQ(written, bytes.size());
    }

    std::string Contents(const std::wstring& name) const {
        std::string bytes;
        const win::UniqueFile file(CreateFileW(Path(name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
        if (!file) {
            return "<missing>";
        }
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) {
            bytes.append(buffer, got);
        }
        return bytes;
    }

private:
    std::wstring folder_;
};

} // namespace velmado::storage
