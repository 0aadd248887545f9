#pragma once
// Drives tests/shellstub/shellstub.exe, the stand-in for the shell windows Wine lacks.
#include <windows.h>

#include <string>

#include "tests/e2e/harness.h"

namespace velmado::e2e {

class ShellStub {
public:
    // Starts shellstub.exe with options (see shellstub.cpp) and waits until its windows exist.
    static ShellStub Start(const std::wstring& options = {});
    Process& Program() { return process_; }
    // Sends one request and returns the reply text.
    std::wstring Request(const std::wstring& request) const;
    // The stand-in's top-level window of a class, or null.
    HWND Window(const std::wstring& className) const;

private:
    Process process_;
    HWND control_ = nullptr;
};

} // namespace velmado::e2e
