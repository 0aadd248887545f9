#pragma once
// Which program owns a window, what its caption and class are, and what kind of window it is.
// Windows of other programs may vanish at any moment: every helper answers empty or false then.
#include <windows.h>

#include <optional>
#include <string>

namespace velmado::win {

struct WindowIdentity {
    std::wstring caption;
    std::wstring className;
    std::wstring programPath;
    bool operator==(const WindowIdentity&) const = default;
};

// The window's caption and class as the system holds them (no message is sent).
std::wstring WindowCaption(HWND window);
std::wstring WindowClass(HWND window);

// Full image path of the window's process; empty when the process cannot be opened.
std::wstring GetWindowExePath(HWND window);
// The image path of an open process through its volume device path, mapped to a drive letter.
// This also works for a 64-bit process from a 32-bit one.
std::wstring ProcessImagePathByDevice(HANDLE process);

// Caption, class and program path; all three empty unless the window is visible and titled.
WindowIdentity GetWindowIdentity(HWND window);

// The window's owner when that is a "TApplication" window, else null.
HWND GetApplicationOwner(HWND window);
bool IsAppHandleWindow(HWND window);
// A store app's core window, or an app frame without its core window.
bool IsCoreOrEmptyFrame(HWND window, const std::wstring& className);
// Titled, visible, not minimised and not the desktop; with `offscreenCheck` a window that is
// not maximised must also have a readable rectangle that is not entirely off-screen.
bool IsNormalTopWindow(HWND window, bool offscreenCheck);
// A real application window (for example one that just appeared): its identity, or nothing.
std::optional<WindowIdentity> IsListableWindow(HWND window);
// A common open or save dialog.
bool IsFileDialog(HWND window);
// No caption, border, frame, system menu or class-specific style bit.
bool IsBareStyle(HWND window);
bool IsTopmost(HWND window);
// This program may query the window's process (false for an elevated one while we are not).
bool CanQueryProcess(HWND window);

} // namespace velmado::win
