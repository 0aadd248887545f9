#pragma once
// Lists of other programs' windows that this program changed (made topmost, made translucent),
// so that it can undo exactly that later. Each list is written to its log file after a change:
// one decimal handle per line, in the system ANSI code page.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "storage/win/file_io.h"

namespace velmado::rules {

// A window handle as lists and files hold it (decimal), and back; null for text that is not a
// number.
std::wstring HandleText(HWND window);
HWND HandleFromText(const std::wstring& text);

class WindowStateList {
public:
    explicit WindowStateList(std::wstring logPath) : logPath_(std::move(logPath)) {}

    bool Contains(HWND window) const;
    // Appends the window unless it is listed already; true when it was added.
    bool Add(HWND window);
    // True when it was listed.
    bool Remove(HWND window);
    void Clear() { windows_.clear(); }
    // In the order they were added.
    const std::vector<HWND>& Windows() const { return windows_; }

    const std::wstring& LogPath() const { return logPath_; }
    // Writes the whole list to the log file.
    storage::FileStatus Save() const;

private:
    std::wstring logPath_;
    std::vector<HWND> windows_;
};

} // namespace velmado::rules
