#include "storage/win/file_io.h"

#include "common/win/handles.h"

#include <windows.h>

#include <algorithm>

namespace velmado::storage {

namespace {

using win::UniqueFile;

// A drive without a medium must fail the call rather than ask the user with a system box.
class QuietCriticalErrors {
public:
    QuietCriticalErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
    ~QuietCriticalErrors() { SetThreadErrorMode(previous_, nullptr); }
    QuietCriticalErrors(const QuietCriticalErrors&) = delete;
    QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

private:
    DWORD previous_ = 0;
};

std::wstring SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer != nullptr ? buffer : L"", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return message;
}

FileStatus Failure(FileResult result, const wchar_t* action, const std::wstring& path,
                   DWORD error) {
    std::wstring text =
        std::wstring(action) + L" \"" + path + L"\" failed (error " + std::to_wstring(error) + L")";
    const std::wstring message = SystemMessage(error);
    if (!message.empty()) {
        text += L": " + message;
    }
    return {result, text};
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsSharingConflict(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// A target that is read-only, or that some other handle holds open (it then cannot be opened
// without sharing), must not be replaced. Wine would move a file over a read-only one.
FileStatus CheckReplaceable(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return Failure(FileResult::Failed, L"Replacing", path, ERROR_ACCESS_DENIED);
    }
    const UniqueFile probe(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = probe ? ERROR_SUCCESS : GetLastError();
    if (IsSharingConflict(error)) {
        return Failure(FileResult::InUse, L"Replacing", path, error);
    }
    return {};
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

FileBytes ReadFileBytes(const std::wstring& path) {
    QuietCriticalErrors quiet;
    FileBytes read;
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        const FileResult result = IsMissing(error)           ? FileResult::Missing
                                  : IsSharingConflict(error) ? FileResult::InUse
                                                             : FileResult::Failed;
        read.status = Failure(result, L"Reading", path, error);
        return read;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        read.status = Failure(FileResult::Failed, L"Reading", path, GetLastError());
        return read;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > kMaxFileBytes) {
        read.status = Failure(FileResult::Failed, L"Reading", path, ERROR_FILE_TOO_LARGE);
        return read;
    }
    read.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    while (filled < read.bytes.size()) {
        DWORD got = 0;
        const auto want = static_cast<DWORD>(read.bytes.size() - filled);
        if (!ReadFile(file.get(), read.bytes.data() + filled, want, &got, nullptr)) {
            read.status = Failure(FileResult::Failed, L"Reading", path, GetLastError());
            read.bytes.clear();
            return read;
        }
        if (got == 0) {
            break; // the file shrank while we read it
        }
        filled += got;
    }
    read.bytes.resize(filled);
    return read;
}

FileStatus WriteFileAtomic(const std::wstring& path, std::string_view bytes) {
    QuietCriticalErrors quiet;
    if (FileStatus replaceable = CheckReplaceable(path); !replaceable) {
        return replaceable;
    }
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    {
        UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return Failure(FileResult::Failed, L"Writing", temporary, GetLastError());
        }
        if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            const DWORD error = GetLastError();
            file.reset();
            DeleteFileW(temporary.c_str());
            return Failure(FileResult::Failed, L"Writing", temporary, error);
        }
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return Failure(IsSharingConflict(error) ? FileResult::InUse : FileResult::Failed,
                       L"Replacing", path, error);
    }
    return {};
}

} // namespace velmado::storage
