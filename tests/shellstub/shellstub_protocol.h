#pragma once
// The request channel between the end-to-end tests and the shell stand-in: WM_COPYDATA with this
// tag, sent to the stand-in's message-only control window with the reply window in wParam; the
// answer comes back as a WM_COPYDATA of the same tag before the handler returns.
#include <cstdint>

namespace velmado::shellstub {

inline constexpr std::uintptr_t kRequestTag = 0x53485354; // "SHST"
inline constexpr wchar_t kControlWindowClass[] = L"VelmadoShellStubControl";

} // namespace velmado::shellstub
