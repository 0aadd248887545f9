#include "common/win/module_path.h"

namespace velmado::win {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ProgramFolder() {
    std::wstring path = ModulePath();
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

} // namespace velmado::win
