#include "storage/win/ansi_code_page.h"

#include <windows.h>

#include <climits>

namespace velmado::storage {

namespace {

// The conversion functions take int lengths; longer input is cut (file reads stay far below).
int ClampedLength(std::size_t length) {
    return length > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

class SystemCodePage final : public AnsiCodePage {
public:
    std::wstring ToWide(std::string_view bytes) const override {
        const int length = ClampedLength(bytes.size());
        const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
        if (needed <= 0) {
            return {};
        }
        std::wstring text(static_cast<std::size_t>(needed), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), needed);
        return text;
    }

    Narrow ToNarrow(std::wstring_view text) const override {
        // UTF-8 as the system code page (a Windows 10 option) rejects these flags and the
        // used-default flag, and holds every character anyway.
        const bool utf8 = GetACP() == CP_UTF8;
        const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
        BOOL usedDefault = FALSE;
        BOOL* reportDefault = utf8 ? nullptr : &usedDefault;
        const int length = ClampedLength(text.size());
        Narrow narrow;
        const int needed = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0,
                                               nullptr, reportDefault);
        if (needed <= 0) {
            narrow.lossless = text.empty();
            return narrow;
        }
        narrow.bytes.resize(static_cast<std::size_t>(needed));
        WideCharToMultiByte(CP_ACP, flags, text.data(), length, narrow.bytes.data(), needed,
                            nullptr, reportDefault);
        narrow.lossless = usedDefault == FALSE;
        return narrow;
    }
};

} // namespace

const AnsiCodePage& SystemAnsiCodePage() {
    static const SystemCodePage codePage;
    return codePage;
}

} // namespace velmado::storage
