#pragma once
// Rule files and other UTF-16LE settings files as the tests write and read them.
#include <string>
#include <vector>

namespace velmado::e2e {

// One rule as the rule file stores it: keys "0" to "11" (the rest stay empty).
struct RuleSpec {
    std::wstring program, caption, match, className, action;
    std::wstring left = {}, top = {}, width = {}, height = {}, fixed = {}, multiple = {};
};

// Writes the text as UTF-16LE with a byte-order mark, creating the folder when needed.
void WriteUtf16File(const std::wstring& path, const std::wstring& text);
// Reads a UTF-16LE file with its byte-order mark (the mark is not returned).
std::wstring ReadUtf16File(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);

// Writes a rule file named `name` into the test's scratch folder and returns its path.
std::wstring WriteRuleFile(const std::wstring& name, const std::vector<RuleSpec>& rules);

} // namespace velmado::e2e
