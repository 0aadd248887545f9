#include "common/win/version_info.h"

#include <windows.h>

#include <cstdint>

#include "common/version_info.h"

namespace velmado::win {

bool GetVersionInfoList(const std::wstring& file, std::vector<std::wstring>& lines) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) {
        return false;
    }
    void* translation = nullptr;
    UINT translationBytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translation,
                        &translationBytes) ||
        translationBytes < 2 * sizeof(WORD)) {
        return false;
    }
    const auto* codes = static_cast<const WORD*>(translation);
    const std::wstring table = common::StringTablePath(codes[0], codes[1]);
    for (const std::wstring_view key : common::kVersionInfoKeys) {
        void* value = nullptr;
        UINT length = 0; // in characters, with the terminating NUL when there is one
        if (VerQueryValueW(block.data(), (table + std::wstring(key)).c_str(), &value, &length) &&
            value != nullptr) {
            std::wstring_view text(static_cast<const wchar_t*>(value), length);
            lines.push_back(common::VersionInfoLine(key, text.substr(0, text.find(L'\0'))));
        }
    }
    return true;
}

std::wstring GetFileDescription(const std::wstring& file) {
    std::vector<std::wstring> lines;
    GetVersionInfoList(file, lines);
    return common::FileDescriptionFromLines(lines);
}

} // namespace velmado::win
