#include "rules/win/window_state_lists.h"

#include <algorithm>

#include "common/text.h"
#include "storage/win/text_files.h"

namespace velmado::rules {

std::wstring HandleText(HWND window) {
    return std::to_wstring(reinterpret_cast<INT_PTR>(window));
}

HWND HandleFromText(const std::wstring& text) {
    // Window handles carry 32 significant bits on both bitnesses, sign-extended.
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(common::SafeStrToInt(text)));
}

bool WindowStateList::Contains(HWND window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

bool WindowStateList::Add(HWND window) {
    if (Contains(window)) {
        return false;
    }
    windows_.push_back(window);
    return true;
}

bool WindowStateList::Remove(HWND window) {
    const auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it == windows_.end()) {
        return false;
    }
    windows_.erase(it);
    return true;
}

storage::FileStatus WindowStateList::Save() const {
    std::vector<std::wstring> lines;
    lines.reserve(windows_.size());
    for (const HWND window : windows_) {
        lines.push_back(HandleText(window));
    }
    return storage::SaveListToFile(lines, logPath_, storage::Encoding::Ansi);
}

} // namespace velmado::rules
