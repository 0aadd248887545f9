#include "ui/file_filter.h"

namespace velmado::ui {

std::wstring FileFilterList(std::wstring_view filter) {
    std::wstring list;
    for (const wchar_t c : filter) {
        list.push_back(c == L'|' ? L'\0' : c);
    }
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

std::wstring LowerExtension(std::wstring_view path) {
    const std::size_t name = path.find_last_of(L"\\/:");
    const std::size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos || (name != std::wstring_view::npos && dot < name)) {
        return {};
    }
    std::wstring extension(path.substr(dot));
    for (wchar_t& c : extension) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return extension;
}

} // namespace velmado::ui
