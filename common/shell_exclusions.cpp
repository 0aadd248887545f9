#include "common/shell_exclusions.h"

#include <algorithm>
#include <array>

#include "common/text.h"

namespace velmado::common {

namespace {

struct ShellWindow {
    const wchar_t* caption;
    const wchar_t* className;
    const wchar_t* program; // file name; nullptr for any program
};

constexpr std::array<ShellWindow, 6> kShellWindows = {{
    {L"表示スライダー コントロール", L"ViewControlClass", nullptr},
    {L"Drag", L"SysDragImage", nullptr},
    {L"スタート", L"Button", L"EXPLORER.EXE"},
    {L"スタート メニュー", L"DV2ControlHost", nullptr},
    {L"View Available Networks (Tooltip)", L"VANUITooltip", nullptr},
    {L"ジャンプ リスト", L"DV2ControlHost", nullptr},
}};

std::wstring FileName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

bool IsShellOwnWindow(const std::wstring& caption, const std::wstring& className,
                      const std::wstring& programPath) {
    return std::any_of(kShellWindows.begin(), kShellWindows.end(), [&](const ShellWindow& w) {
        return caption == w.caption && className == w.className &&
               (w.program == nullptr || EqualIgnoringAsciiCase(FileName(programPath), w.program));
    });
}

} // namespace velmado::common
