#include "common/version_info.h"

#include <optional>

namespace velmado::common {

namespace {

constexpr std::size_t kKeyField = 16;
constexpr wchar_t kColon = L'\xFF1A'; // full-width colon

std::wstring Hex4(std::uint16_t value) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(4, L'0');
    for (int i = 3; i >= 0; --i, value = static_cast<std::uint16_t>(value >> 4)) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    }
    return text;
}

std::optional<std::wstring> ValueOf(const std::vector<std::wstring>& lines, std::wstring_view key) {
    for (const std::wstring& line : lines) {
        if (line.size() > kKeyField && line[kKeyField] == kColon &&
            line.compare(0, key.size(), key) == 0 &&
            line.find_first_not_of(L' ', key.size()) == kKeyField) {
            return line.substr(kKeyField + 1);
        }
    }
    return std::nullopt;
}

} // namespace

std::wstring StringTablePath(std::uint16_t language, std::uint16_t codePage) {
    return L"\\StringFileInfo\\" + Hex4(language) + Hex4(codePage) + L"\\";
}

std::wstring VersionInfoLine(std::wstring_view key, std::wstring_view value) {
    std::wstring line(key);
    if (line.size() < kKeyField) {
        line.resize(kKeyField, L' ');
    }
    line += kColon;
    line += value;
    return line;
}

std::wstring FileDescriptionFromLines(const std::vector<std::wstring>& lines) {
    const auto description = ValueOf(lines, L"FileDescription");
    if (!description || *description == ValueOf(lines, L"FileVersion")) {
        return {};
    }
    return *description;
}

} // namespace velmado::common
