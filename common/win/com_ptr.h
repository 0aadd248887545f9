#pragma once
// Owning pointers for COM interfaces and the automation strings and variants they hand out.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include "common/win/handles.h"

namespace velmado::win {

template <typename Interface> void ReleaseInterface(Interface* object) {
    object->Release();
}

template <typename Interface>
using ComPtr = Unique<NullTraits<Interface*, ReleaseInterface<Interface>>>;
using UniqueBstr = Unique<NullTraits<BSTR, SysFreeString>>;

// COM on this thread for the lifetime of the object; balanced only when this call started it
// (a thread already in another apartment model keeps its own).
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

} // namespace velmado::win
