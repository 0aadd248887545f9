#pragma once
// Plain line lists: one item per line, taken as it is.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmado::storage {

// Walks text line by line; a line ends at CR LF, LF or CR alone. A final line break ends the
// last line rather than starting an empty one, so empty text has no lines.
class LineSplitter {
public:
    explicit LineSplitter(std::wstring_view text) : rest_(text) {}
    bool Next(std::wstring_view& line);

private:
    std::wstring_view rest_;
};

// Every line is an item: no trimming, no comments; an empty line is an empty item.
std::vector<std::wstring> ParseLines(std::wstring_view text);

// Every item followed by CR LF.
std::wstring JoinLines(std::span<const std::wstring> lines);

// Appends text that must stay on one line: a line break inside it would split it on the next
// read, so each CR and LF becomes a blank.
void AppendAsOneLine(std::wstring& out, std::wstring_view text);

} // namespace velmado::storage
