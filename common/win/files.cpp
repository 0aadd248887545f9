#include "common/win/files.h"

#include <windows.h>
#include <shlobj.h>

#include <array>

#include "common/paths.h"
#include "common/text.h"
#include "common/win/handles.h"
#include "common/win/wow64.h"

namespace velmado::win {

namespace {

// Critical-error boxes ("insert a disk") off for the lifetime of the object.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() : previous_(GetErrorMode()) {
        SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
    }
    ~NoCriticalErrorBoxes() { SetErrorMode(previous_); }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    UINT previous_;
};

DWORD Attributes(const std::wstring& path) {
    const NoCriticalErrorBoxes quiet;
    return GetFileAttributesW(path.c_str());
}

bool IsFile(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsDirectory(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return {};
    }
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return {};
    }
    full.resize(length);
    return full;
}

// A system folder query of the kind "fill this buffer, return the length".
template <typename Query> std::wstring SystemFolder(Query query) {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = query(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length);
        length = query(folder.data(), static_cast<UINT>(folder.size()));
    }
    if (length == 0 || length >= folder.size()) {
        return {};
    }
    folder.resize(length);
    return folder;
}

} // namespace

bool DriveReady(wchar_t drive) {
    if (drive == L'\\') {
        return true;
    }
    const wchar_t upper = drive >= L'a' && drive <= L'z' ? static_cast<wchar_t>(drive - 32) : drive;
    if (upper < L'A' || upper > L'Z') {
        return false;
    }
    const wchar_t root[] = {upper, L':', L'\\', L'\0'};
    const NoCriticalErrorBoxes quiet;
    ULARGE_INTEGER total{};
    return GetDiskFreeSpaceExW(root, nullptr, &total, nullptr) != FALSE;
}

bool PathDriveReady(const std::wstring& path) {
    return !path.empty() && DriveReady(path.front());
}

bool SafeFileExists(const std::wstring& path) {
    return PathDriveReady(path) && IsFile(Attributes(path));
}

std::wstring LongPathName(const std::wstring& path) {
    const std::wstring full = FullPath(path);
    if (full.empty()) {
        return {};
    }
    const NoCriticalErrorBoxes quiet;
    return common::StoredPathForm(full,
                                  [](const std::wstring& entry) -> std::optional<std::wstring> {
                                      WIN32_FIND_DATAW data{};
                                      const UniqueFind find(FindFirstFileW(entry.c_str(), &data));
                                      if (!find) {
                                          return std::nullopt;
                                      }
                                      return std::wstring(data.cFileName);
                                  });
}

std::wstring GetWindowsDir() {
    return SystemFolder(
        [](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::wstring GetSystemDir() {
    std::wstring folder =
        SystemFolder([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
    return folder.empty() ? folder : folder + L"\\";
}

std::wstring GetShellFolderPath(int index) {
    static constexpr std::array<const wchar_t*, 11> kNames = {
        L"Desktop", L"Favorites", L"Fonts",      L"NetHood", L"Personal", L"Programs",
        L"Recent",  L"SendTo",    L"Start Menu", L"Startup", L"Templates"};
    if (index < 0 || static_cast<size_t>(index) >= kNames.size()) {
        return {};
    }
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return {};
    }
    const UniqueKey key(opened);
    DWORD bytes = 0;
    const wchar_t* name = kNames[static_cast<size_t>(index)];
    if (RegGetValueW(key.get(), nullptr, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(key.get(), nullptr, name, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    return common::TrimAtNull(value) + L"\\";
}

std::wstring GetSpecialFolderPath(int index) {
    static constexpr std::array<int, 6> kFolders = {CSIDL_PERSONAL,      CSIDL_APPDATA,
                                                    CSIDL_LOCAL_APPDATA, CSIDL_COMMON_APPDATA,
                                                    CSIDL_MYPICTURES,    CSIDL_COMMON_DOCUMENTS};
    if (index < 0 || static_cast<size_t>(index) >= kFolders.size()) {
        return {};
    }
    wchar_t folder[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathW(nullptr, kFolders[static_cast<size_t>(index)], nullptr,
                                SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    std::wstring path = common::TrimAtNull(std::wstring_view(folder, MAX_PATH + 1));
    if (path.size() > 3 && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

bool DirExistsNative(const std::wstring& path) {
    const RedirectionOff native;
    return PathDriveReady(path) && IsDirectory(Attributes(path));
}

bool FileExistsNative(const std::wstring& path) {
    const RedirectionOff native;
    return PathDriveReady(path) && IsFile(Attributes(path));
}

std::wstring NativeSystemPath(const std::wstring& path) {
    if (!IsWow64()) {
        return path;
    }
    auto native = common::SysnativePath(path);
    // "Sysnative" is a name the redirection layer knows, so it is checked with redirection on.
    return native && IsFile(Attributes(*native)) ? *native : path;
}

} // namespace velmado::win
