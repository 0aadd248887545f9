#include "storage/line_list.h"

namespace velmado::storage {

bool LineSplitter::Next(std::wstring_view& line) {
    if (rest_.empty()) {
        return false;
    }
    std::size_t end = 0;
    while (end < rest_.size() && rest_[end] != L'\r' && rest_[end] != L'\n') {
        ++end;
    }
    if (end == rest_.size()) {
        line = rest_;
        rest_ = {};
        return true;
    }
    line = rest_.substr(0, end);
    const bool crLf = rest_[end] == L'\r' && end + 1 < rest_.size() && rest_[end + 1] == L'\n';
    rest_.remove_prefix(end + (crLf ? 2 : 1));
    return true;
}

std::vector<std::wstring> ParseLines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    LineSplitter splitter(text);
    for (std::wstring_view line; splitter.Next(line);) {
        lines.emplace_back(line);
    }
    return lines;
}

void AppendAsOneLine(std::wstring& out, std::wstring_view text) {
    const std::size_t start = out.size();
    out += text;
    for (std::size_t i = start; i < out.size(); ++i) {
        if (out[i] == L'\r' || out[i] == L'\n') {
            out[i] = L' ';
        }
    }
}

std::wstring JoinLines(std::span<const std::wstring> lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::wstring text;
    text.reserve(size);
    for (const auto& line : lines) {
        AppendAsOneLine(text, line);
        text += L"\r\n";
    }
    return text;
}

} // namespace velmado::storage
