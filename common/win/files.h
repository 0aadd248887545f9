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
// A relative path is made absolute first; empty when that fails.
std::wstring LongPathName(const std::wstring& path);

// The Windows directory without, the system directory with a trailing "\".
std::wstring GetWindowsDir();
std::wstring GetSystemDir();

// Index into "Desktop", "Favorites", "Fonts", "NetHood", "Personal", "Programs", "Recent",
// "SendTo", "Start Menu", "Startup", "Templates": that value of the user's Explorer
// "Shell Folders" key followed by "\"; empty for another index or when it cannot be read.
std::wstring GetShellFolderPath(int index);
// Index into personal documents, roaming application data, local application data, common
// application data, pictures, common documents: the folder without trailing "\"; empty for
// another index or when the system has none.
std::wstring GetSpecialFolderPath(int index);

// On a ready drive, the directory (file) exists; checked with file-system redirection off.
bool DirExistsNative(const std::wstring& path);
bool FileExistsNative(const std::wstring& path);
// Under Wow64, a path through "\system32\" as the same path through "\Sysnative\" (the native
// folder) when a file exists there; any other path unchanged.
std::wstring NativeSystemPath(const std::wstring& path);

} // namespace velmado::win
