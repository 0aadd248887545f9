#pragma once
// Windows of the shell itself that look like application windows (sliders, drag images, the
// start button, menus and tool tips of the taskbar).
#include <string>

namespace velmado::common {

// Captions and classes compare exactly, the program by its file name without regard to case.
bool IsShellOwnWindow(const std::wstring& caption, const std::wstring& className,
                      const std::wstring& programPath);

} // namespace velmado::common
