#include "common/device_path.h"

namespace velmado::common {

std::wstring DevicePathToDrivePath(const std::wstring& devicePath,
                                   const std::vector<std::pair<wchar_t, std::wstring>>& drives) {
    for (const auto& [letter, device] : drives) {
        if (device.empty()) {
            continue;
        }
        // The separator after the device name keeps "\Device\HarddiskVolume1" from matching
        // "\Device\HarddiskVolume10\...".
        const std::wstring prefix = device + L'\\';
        if (devicePath.compare(0, prefix.size(), prefix) == 0) {
            return std::wstring{letter, L':'} + devicePath.substr(device.size());
        }
    }
    return devicePath;
}

} // namespace velmado::common
