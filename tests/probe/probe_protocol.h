#pragma once
// The request channel between the end-to-end tests and the probe program: WM_COPYDATA with this
// tag both ways. The test sends a command text with its reply window in wParam; the probe answers
// with a WM_COPYDATA of the same tag to that window before its handler returns.
#include <cstdint>

namespace velmado::probe {

inline constexpr std::uintptr_t kRequestTag = 0x50524F42; // "PROB"

} // namespace velmado::probe
