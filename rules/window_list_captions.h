#pragma once
// Captions of the window-list menu's entries.
#include <cstddef>
#include <string>
#include <string_view>

namespace velmado::rules {

// The menu has this many entries; windows beyond them are not listed.
inline constexpr int kWindowListMaxEntries = 100;
// Entries 0..34 get the accelerators "1".."9", "A".."Z".
inline constexpr int kWindowListAccelerators = 35;
// Longest entry caption, the accelerator's "(&1)" included.
inline constexpr std::size_t kWindowListCaptionMax = 64;

// The menu caption of entry `index` for a window caption: "(&1)Caption" for the first nine,
// "(&A)Caption" .. "(&Z)Caption" for the next twenty-six, the bare caption from then on; cut to
// 64 characters (never between the halves of a surrogate pair). The window's own "&" is then
// doubled so that it shows as written instead of marking an accelerator.
std::wstring WindowListCaption(int index, std::wstring_view caption);

} // namespace velmado::rules
