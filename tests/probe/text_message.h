#pragma once
// Texts between our test programs: WM_COPYDATA with a tag saying whose request it is, the text
// with its terminating NUL.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace velmado::probe {

// Sends the text and waits up to `timeoutMs` for it to be handled; true when it was.
inline bool SendText(HWND target, HWND sender, std::uintptr_t tag, const std::wstring& text,
                     UINT timeoutMs) {
    COPYDATASTRUCT data{};
    data.dwData = tag;
    data.cbData = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(text.c_str());
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeoutMs,
                               &result) != 0;
}

// The text of a WM_COPYDATA carrying the tag; nothing for other messages.
inline std::optional<std::wstring> ReceivedText(LPARAM lParam, std::uintptr_t tag) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data == nullptr || data->dwData != tag || data->lpData == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(data->lpData);
    std::wstring received(text, data->cbData / sizeof(wchar_t));
    received.resize(received.find(L'\0') == std::wstring::npos ? received.size()
                                                               : received.find(L'\0'));
    return received;
}

} // namespace velmado::probe
