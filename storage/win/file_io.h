#pragma once
// Whole-file reads and crash-safe whole-file writes. Failures come back as values with a text
// for the error log; nothing throws.
#include <string>
#include <string_view>

namespace velmado::storage {

enum class FileResult {
    Ok,
    Missing, // reading: the file (or its folder) does not exist
    InUse,   // another program holds the file open; it was left untouched
    Failed,
};

struct FileStatus {
    FileResult result = FileResult::Ok;
    std::wstring error; // for the log; empty when Ok

    explicit operator bool() const { return result == FileResult::Ok; }
};

struct FileBytes {
    FileStatus status;
    std::string bytes;
};

// Files above this size are refused rather than read into memory; no settings file comes near.
inline constexpr unsigned long long kMaxFileBytes = 256ull * 1024 * 1024;

FileBytes ReadFileBytes(const std::wstring& path);

// Writes a temporary file beside the target, flushes it and then moves it over the target, so a
// crash leaves either the old or the new content. A target that another program holds open
// (it cannot be opened without sharing) is reported as InUse and not touched.
FileStatus WriteFileAtomic(const std::wstring& path, std::string_view bytes);

} // namespace velmado::storage
