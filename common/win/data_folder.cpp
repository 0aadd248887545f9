#include "common/win/data_folder.h"

#include <windows.h>

#include "common/win/files.h"

namespace velmado::win {

namespace {

constexpr int kRoamingAppData = 1; // GetSpecialFolderPath indices
constexpr int kCommonAppData = 3;

struct DataFolders {
    std::wstring user;
    std::wstring common;
};

DataFolders& Folders() {
    static DataFolders folders;
    return folders;
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool EnsureFolder(const std::wstring& path) {
    return FolderExists(path) || CreateDirectoryW(path.c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace

bool MakeDataFolder(const std::wstring& name, bool common) {
    const std::wstring root = GetSpecialFolderPath(common ? kCommonAppData : kRoamingAppData);
    std::wstring& stored = common ? Folders().common : Folders().user;
    if (root.empty() || name.empty()) {
        stored.clear();
        return false;
    }
    const std::wstring base = root + L"\\Tovarel";
    const std::wstring folder = base + L"\\" + name;
    EnsureFolder(base);
    EnsureFolder(folder);
    stored = folder + L"\\";
    return FolderExists(folder);
}

const std::wstring& DataFolder() {
    return Folders().user;
}

const std::wstring& CommonDataFolder() {
    return Folders().common;
}

} // namespace velmado::win
