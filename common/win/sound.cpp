#include "common/win/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "common/win/files.h"

namespace velmado::win {

void PlaySoundFile(const std::wstring& path) {
    if (SafeFileExists(path)) {
        sndPlaySoundW(path.c_str(), SND_ASYNC | SND_NODEFAULT);
    }
}

} // namespace velmado::win
