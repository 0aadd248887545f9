// Start-up: how long Velmado.exe takes until its main window exists, against a minimal program
// of ours (the probe) until its window exists.
#include <chrono>

#include "bench/bench.h"
#include "tests/e2e/harness.h"

namespace velmado::bench {
namespace {

double TimeUntilWindow(const std::wstring& program, const std::wstring& arguments,
                       const std::function<bool(HWND)>& isIt) {
    const auto start = std::chrono::steady_clock::now();
    e2e::Process process = e2e::Process::Start(program, arguments);
    const DWORD id = process.Id();
    e2e::WaitForWindow(
        [&](HWND window) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            return owner == id && isIt(window);
        },
        std::chrono::seconds(10));
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    process.Kill();
    return ms;
}

const Register startup({
    "startup",
    "Velmado.exe",
    "probe.exe",
    [] {
        return TimeUntilWindow(e2e::BinFolder() + L"Velmado.exe", L"",
                               [](HWND w) { return e2e::ClassName(w) == L"TTrayForm"; });
    },
    [] {
        return TimeUntilWindow(e2e::BinFolder() + L"probe.exe", L"",
                               [](HWND w) { return e2e::ClassName(w) == L"VelmadoProbe"; });
    },
});

} // namespace
} // namespace velmado::bench
