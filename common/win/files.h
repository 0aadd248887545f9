#pragma once
// Files and folders of the system, safe against drives that are not ready.
#include <string>

namespace velmado::win {

// A drive letter (either case) is ready when its size can be read; "\" (a network path) counts
// as ready. No system box appears for an empty removable drive.
bool DriveReady(wchar_t drive);
bool PathDriveReady(const std::wstring& path);
// The file exists on a ready drive.
bool SafeFileExists(const std::wstring& path);
// The path with each component as the file system stores it (long names in their stored case).
std::wstring LongPathName(const std::wstring& path);

} // namespace velmado::win
