#include "common/win/text_tools.h"

#include <cstring>

namespace velmado::win {

namespace {

// One attempt; the clipboard is closed again on every path.
bool PutOnClipboard(const std::wstring& text, HWND owner) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    bool done = false;
    if (EmptyClipboard()) {
        const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* target = GlobalLock(memory)) {
                std::memcpy(target, text.c_str(), bytes);
                GlobalUnlock(memory);
                // On success the clipboard owns the memory.
                done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            }
            if (!done) {
                GlobalFree(memory);
            }
        }
    }
    CloseClipboard();
    return done;
}

} // namespace

std::wstring ToHalfWidth(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int length = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_HALFWIDTH, text.c_str(),
                                    static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring mapped(static_cast<size_t>(length), L'\0');
    if (LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_HALFWIDTH, text.c_str(),
                     static_cast<int>(text.size()), mapped.data(), length) != length) {
        return {};
    }
    return mapped;
}

bool CopyTextToClipboard(const std::wstring& text, HWND owner) {
    constexpr int kAttempts = 5;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (PutOnClipboard(text, owner)) {
            return true;
        }
        if (attempt < kAttempts) {
            Sleep(100);
        }
    }
    return false;
}

} // namespace velmado::win
