#pragma once
// Showing one of our windows modally: the other windows of the thread are disabled while it is
// up, and a nested message loop with dialog keyboard handling runs until it is hidden or gone.
#include <windows.h>

#include <functional>

namespace velmado::ui {

// Sees each message before the dialog keyboard handling; true when it handled the message.
using KeyFilter = std::function<bool(const MSG&)>;

// Returns once the window is hidden or destroyed. A quit request ends the loop early and is
// posted again for the outer loop.
void RunModal(HWND window, const KeyFilter& keys = {});

} // namespace velmado::ui
