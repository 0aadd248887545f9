#pragma once
#include <string>

namespace velmado::win {

// Plays a wave file asynchronously, without the default sound when it cannot; nothing when the
// file does not exist.
void PlaySoundFile(const std::wstring& path);

} // namespace velmado::win
