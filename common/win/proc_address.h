#pragma once
// Typed addresses of functions that a system library may or may not export.
#include <windows.h>

namespace velmado::win {

// The function `name` of a loaded module as type F (a function pointer), or null.
template <typename F> F ProcAddress(const wchar_t* module, const char* name) {
    const HMODULE handle = GetModuleHandleW(module);
    const FARPROC proc = handle != nullptr ? GetProcAddress(handle, name) : nullptr;
    // Through void(*)() so that the compiler accepts the change of function type.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(proc));
}

} // namespace velmado::win
