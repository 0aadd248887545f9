#include "common/paths.h"

#include "common/text.h"

namespace velmado::common {

std::wstring StripExtension(std::wstring_view path) {
    const std::size_t folderEnd = path.find_last_of(L"\\/:");
    std::wstring_view name =
        folderEnd == std::wstring_view::npos ? path : path.substr(folderEnd + 1);
    const std::size_t dot = LastCharPos(L'.', name);
    if (dot != 0) {
        name = name.substr(0, dot - 1);
    }
    return std::wstring(name);
}

std::wstring FileBaseName(std::wstring_view path) {
    return StripExtension(path);
}

std::optional<std::wstring> SysnativePath(std::wstring_view path) {
    constexpr std::wstring_view kSystem32 = L"\\system32\\";
    for (std::size_t i = 0; i + kSystem32.size() <= path.size(); ++i) {
        if (EqualIgnoringAsciiCase(path.substr(i, kSystem32.size()), kSystem32)) {
            std::wstring result(path.substr(0, i));
            result += L"\\Sysnative\\";
            result += path.substr(i + kSystem32.size());
            return result;
        }
    }
    return std::nullopt;
}

std::wstring StoredPathForm(const std::wstring& absolutePath, const StoredNameLookup& storedName) {
    std::wstring remaining = absolutePath;
    std::wstring result;
    // A last "\" at index 2 or later separates a component from the head ("C:\x": index 2).
    for (std::size_t slash = remaining.rfind(L'\\'); slash != std::wstring::npos && slash >= 2;
         slash = remaining.rfind(L'\\')) {
        std::wstring component = remaining.substr(slash + 1);
        if (!component.empty() && component.find_first_of(L"*?") == std::wstring::npos) {
            if (auto stored = storedName(remaining)) {
                component = std::move(*stored);
            }
        }
        result.insert(0, L"\\" + component);
        remaining.resize(slash);
    }
    // The drive letter as the system shows it.
    if (remaining.size() == 2 && remaining[1] == L':' && remaining[0] >= L'a' &&
        remaining[0] <= L'z') {
        remaining[0] = static_cast<wchar_t>(remaining[0] - (L'a' - L'A'));
    }
    return remaining + result;
}

} // namespace velmado::common
