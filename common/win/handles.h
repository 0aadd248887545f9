#pragma once
// Owning wrappers for the handles this program opens itself. Windows of other programs are
// plain HWND values: we never own them.
#include <windows.h>

#include <utility>

namespace velmado::win {

// Traits name the handle type, its "none" value and how to close it.
template <typename Traits> class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~Unique() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }
    Handle release() { return std::exchange(handle_, Traits::None()); }
    void reset(Handle handle = Traits::None()) {
        if (handle_ != Traits::None()) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::None();
};

template <typename H, auto CloseFunction> struct NullTraits {
    using Handle = H;
    static Handle None() { return nullptr; }
    static void Close(Handle h) { CloseFunction(h); }
};

template <auto CloseFunction> struct InvalidValueTraits {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseFunction(h); }
};

using UniqueHandle = Unique<NullTraits<HANDLE, CloseHandle>>;
using UniqueFile = Unique<InvalidValueTraits<CloseHandle>>; // CreateFile, toolhelp snapshots
using UniqueFind = Unique<InvalidValueTraits<FindClose>>;
using UniqueModule = Unique<NullTraits<HMODULE, FreeLibrary>>;
using UniqueKey = Unique<NullTraits<HKEY, RegCloseKey>>;
using UniqueGdiObject = Unique<NullTraits<HGDIOBJ, DeleteObject>>;
using UniqueIcon = Unique<NullTraits<HICON, DestroyIcon>>;
using UniqueMenu = Unique<NullTraits<HMENU, DestroyMenu>>;
using UniqueHook = Unique<NullTraits<HHOOK, UnhookWindowsHookEx>>;
using UniqueWinEventHook = Unique<NullTraits<HWINEVENTHOOK, UnhookWinEvent>>;

} // namespace velmado::win
