#include "tests/e2e/rule_files.h"

#include <windows.h>

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/e2e/harness.h"

namespace velmado::e2e {

void WriteUtf16File(const std::wstring& path, const std::wstring& text) {
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos) {
        SHCreateDirectoryExW(nullptr, path.substr(0, slash).c_str(), nullptr);
    }
    std::ofstream out(path.c_str(), std::ios::binary);
    out.put('\xFF').put('\xFE');
    for (wchar_t c : text) {
        out.put(static_cast<char>(c & 0xFF)).put(static_cast<char>((c >> 8) & 0xFF));
    }
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring ReadUtf16File(const std::wstring& path) {
    const std::string bytes = ReadBytes(path);
    std::wstring text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                            static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
}

std::wstring WriteRuleFile(const std::wstring& name, const std::vector<RuleSpec>& rules) {
    std::wostringstream ini;
    ini << L"[List]\r\nCount=" << static_cast<int>(rules.size()) - 1 << L"\r\n\r\n";
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const RuleSpec& r = rules[i];
        const std::wstring fields[] = {r.program, r.caption, r.match, r.className,
                                       r.action,  r.left,    r.top,   r.width,
                                       r.height,  r.fixed,   L"",     r.multiple};
        ini << L"[Window" << i << L"]\r\nEnabled=1\r\n";
        for (int key = 0; key < 12; ++key) {
            ini << key << L"=" << fields[key] << L"\r\n";
        }
        ini << L"\r\n";
    }
    const std::wstring path = ScratchFolder() + name;
    WriteUtf16File(path, ini.str());
    return path;
}

} // namespace velmado::e2e
