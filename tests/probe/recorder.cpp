// Stand-in for a program that another one starts: appends its raw command line, as UTF-8, to
// "commandline.txt" beside itself, then ends.
#include <windows.h>

#include <string>

#include "common/win/handles.h"
#include "common/win/module_path.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velmado;
    const std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), size,
                        nullptr, nullptr);
    const win::UniqueFile file(CreateFileW((win::ProgramFolder() + L"commandline.txt").c_str(),
                                           FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), utf8.data(), static_cast<DWORD>(utf8.size()), &written,
                             nullptr)
               ? 0
               : 1;
}
