#include "rules/window_list_captions.h"

#include "common/text.h"

namespace velmado::rules {

namespace {

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

std::wstring_view CutTo(std::wstring_view text, std::size_t length) {
    if (text.size() <= length) {
        return text;
    }
    if (length > 0 && IsHighSurrogate(text[length - 1])) {
        --length;
    }
    return text.substr(0, length);
}

} // namespace

std::wstring WindowListCaption(int index, std::wstring_view caption) {
    std::wstring prefix;
    if (index >= 0 && index < kWindowListAccelerators) {
        const wchar_t key = index < 9 ? static_cast<wchar_t>(L'1' + index)
                                      : static_cast<wchar_t>(L'A' + (index - 9));
        prefix = std::wstring(L"(&") + key + L")";
    }
    return prefix + common::DoubleAmpersands(CutTo(caption, kWindowListCaptionMax - prefix.size()));
}

} // namespace velmado::rules
