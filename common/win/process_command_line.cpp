// Reading another process's command line from its process environment block, with the block
// layout of the target's bitness.
#include "common/win/processes.h"

#include <wbemidl.h>

#include <cstdint>

#include "common/win/com_ptr.h"
#include "common/win/proc_address.h"

namespace velmado::win {

namespace {

using NtQueryInformationProcessFunction = LONG(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kProcessBasicInformation = 0;
constexpr ULONG kProcessWow64Information = 26;

// Offsets of the process parameters in the block and of the command line in the parameters.
struct BlockLayout {
    std::uint64_t parameters;
    std::uint64_t commandLine;
    bool pointers64;
};
constexpr BlockLayout kLayout64{0x20, 0x70, true};
constexpr BlockLayout kLayout32{0x10, 0x40, false};

struct BasicInformation {
    LONG_PTR exitStatus;
    PVOID environmentBlock;
    ULONG_PTR affinityMask;
    LONG_PTR basePriority;
    ULONG_PTR processId;
    ULONG_PTR parentProcessId;
};

// Reads `size` bytes at an address of the target; false when any byte cannot be read.
class MemoryReader {
public:
    virtual ~MemoryReader() = default;
    virtual bool Read(std::uint64_t address, void* buffer, std::size_t size) const = 0;
};

class NativeReader : public MemoryReader {
public:
    explicit NativeReader(HANDLE process) : process_(process) {}
    bool Read(std::uint64_t address, void* buffer, std::size_t size) const override {
        if (address > UINTPTR_MAX) {
            return false;
        }
        SIZE_T done = 0;
        return ReadProcessMemory(process_,
                                 reinterpret_cast<LPCVOID>(static_cast<std::uintptr_t>(address)),
                                 buffer, size, &done) &&
               done == size;
    }

private:
    HANDLE process_;
};

std::optional<std::uint64_t> ReadPointer(const MemoryReader& reader, std::uint64_t address,
                                         bool pointers64) {
    if (pointers64) {
        std::uint64_t value = 0;
        return reader.Read(address, &value, sizeof(value)) ? std::optional(value) : std::nullopt;
    }
    std::uint32_t value = 0;
    return reader.Read(address, &value, sizeof(value)) ? std::optional<std::uint64_t>(value)
                                                       : std::nullopt;
}

std::optional<std::wstring> ReadCommandLine(const MemoryReader& reader, std::uint64_t block,
                                            const BlockLayout& layout) {
    if (block == 0) {
        return std::nullopt;
    }
    const auto parameters = ReadPointer(reader, block + layout.parameters, layout.pointers64);
    if (!parameters || *parameters == 0) {
        return std::nullopt;
    }
    // The counted string: 16-bit length in bytes, 16-bit maximum, then the buffer address
    // aligned to the pointer size. The 16-bit length caps the text at 32767 characters.
    const std::uint64_t descriptor = *parameters + layout.commandLine;
    std::uint16_t bytes = 0;
    if (!reader.Read(descriptor, &bytes, sizeof(bytes)) || bytes % 2 != 0) {
        return std::nullopt;
    }
    const auto buffer =
        ReadPointer(reader, descriptor + (layout.pointers64 ? 8 : 4), layout.pointers64);
    if (!buffer || (bytes != 0 && *buffer == 0)) {
        return std::nullopt;
    }
    std::wstring text(bytes / 2, L'\0');
    if (bytes != 0 && !reader.Read(*buffer, text.data(), bytes)) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::uint64_t> QueryPointer(HANDLE process, ULONG informationClass) {
    static const auto query =
        ProcAddress<NtQueryInformationProcessFunction>(L"ntdll.dll", "NtQueryInformationProcess");
    if (query == nullptr) {
        return std::nullopt;
    }
    if (informationClass == kProcessWow64Information) {
        ULONG_PTR block = 0;
        if (query(process, informationClass, &block, sizeof(block), nullptr) != 0) {
            return std::nullopt;
        }
        return block;
    }
    BasicInformation information{};
    if (query(process, informationClass, &information, sizeof(information), nullptr) != 0) {
        return std::nullopt;
    }
    return reinterpret_cast<std::uintptr_t>(information.environmentBlock);
}

bool IsWow64Target(HANDLE process) {
    BOOL wow64 = FALSE;
    return IsWow64Process(process, &wow64) && wow64;
}

#ifdef _WIN64

std::optional<std::wstring> ReadFromProcess(HANDLE process) {
    const NativeReader reader(process);
    // A 32-bit target keeps its own 32-bit block beside the 64-bit one; its command line is there.
    if (IsWow64Target(process)) {
        const auto block = QueryPointer(process, kProcessWow64Information);
        return block ? ReadCommandLine(reader, *block, kLayout32) : std::nullopt;
    }
    const auto block = QueryPointer(process, kProcessBasicInformation);
    return block ? ReadCommandLine(reader, *block, kLayout64) : std::nullopt;
}

#else

using NtWow64QueryInformationProcess64Function = LONG(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
using NtWow64ReadVirtualMemory64Function = LONG(NTAPI*)(HANDLE, ULONG64, PVOID, ULONG64, PULONG64);

struct alignas(8) BasicInformation64 {
    LONG exitStatus;
    ULONG padding1;
    ULONG64 environmentBlock;
    ULONG64 affinityMask;
    LONG basePriority;
    ULONG padding2;
    ULONG64 processId;
    ULONG64 parentProcessId;
};

// A 32-bit process on 64-bit Windows reads a 64-bit target through the system's 64-bit calls.
class Wow64Reader : public MemoryReader {
public:
    Wow64Reader(HANDLE process, NtWow64ReadVirtualMemory64Function read)
        : process_(process), read_(read) {}
    bool Read(std::uint64_t address, void* buffer, std::size_t size) const override {
        ULONG64 done = 0;
        return read_(process_, address, buffer, size, &done) == 0 && done == size;
    }

private:
    HANDLE process_;
    NtWow64ReadVirtualMemory64Function read_;
};

std::optional<std::wstring> ReadFromProcess(HANDLE process) {
    if (IsWow64Target(GetCurrentProcess()) && !IsWow64Target(process)) {
        static const auto query = ProcAddress<NtWow64QueryInformationProcess64Function>(
            L"ntdll.dll", "NtWow64QueryInformationProcess64");
        static const auto read = ProcAddress<NtWow64ReadVirtualMemory64Function>(
            L"ntdll.dll", "NtWow64ReadVirtualMemory64");
        BasicInformation64 information{};
        if (query == nullptr || read == nullptr ||
            query(process, kProcessBasicInformation, &information, sizeof(information), nullptr) !=
                0) {
            return std::nullopt;
        }
        return ReadCommandLine(Wow64Reader(process, read), information.environmentBlock, kLayout64);
    }
    const auto block = QueryPointer(process, kProcessBasicInformation);
    return block ? ReadCommandLine(NativeReader(process), *block, kLayout32) : std::nullopt;
}

#endif

} // namespace

std::optional<std::wstring> ProcessCommandLine(DWORD processId) {
    const UniqueHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        return std::nullopt;
    }
    return ReadFromProcess(process.get());
}

std::optional<std::wstring> ManagementCommandLine(DWORD processId) {
    const ComScope com;
    IWbemLocator* locatorRaw = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void**>(&locatorRaw)))) {
        return std::nullopt;
    }
    const ComPtr<IWbemLocator> locator(locatorRaw);
    const UniqueBstr space(SysAllocString(L"ROOT\\CIMV2"));
    IWbemServices* servicesRaw = nullptr;
    if (!space || FAILED(locator.get()->ConnectServer(space.get(), nullptr, nullptr, nullptr, 0,
                                                      nullptr, nullptr, &servicesRaw))) {
        return std::nullopt;
    }
    const ComPtr<IWbemServices> services(servicesRaw);
    CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    const std::wstring path = L"Win32_Process.Handle=\"" + std::to_wstring(processId) + L"\"";
    const UniqueBstr objectPath(SysAllocString(path.c_str()));
    IWbemClassObject* objectRaw = nullptr;
    if (!objectPath ||
        FAILED(services.get()->GetObject(objectPath.get(), 0, nullptr, &objectRaw, nullptr)) ||
        objectRaw == nullptr) {
        return std::nullopt;
    }
    const ComPtr<IWbemClassObject> object(objectRaw);
    VARIANT value;
    VariantInit(&value);
    std::optional<std::wstring> commandLine;
    if (SUCCEEDED(object.get()->Get(L"CommandLine", 0, &value, nullptr, nullptr)) &&
        value.vt == VT_BSTR && value.bstrVal != nullptr) {
        commandLine.emplace(value.bstrVal, SysStringLen(value.bstrVal));
    }
    VariantClear(&value);
    return commandLine;
}

} // namespace velmado::win
