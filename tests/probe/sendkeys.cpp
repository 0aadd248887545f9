// Types keys as hardware input goes, for scripts that drive the programs under Wine (X tools'
// synthetic keys do not reach Wine's menus).
//
//   sendkeys.exe KEY...   KEY: a chord such as "down", "return", "alt+y", "z"
#include <windows.h>
#include <shellapi.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

WORD KeyCode(const std::wstring& name) {
    static const struct {
        const wchar_t* name;
        WORD key;
    } kNamed[] = {{L"alt", VK_MENU},    {L"ctrl", VK_CONTROL},  {L"shift", VK_SHIFT},
                  {L"down", VK_DOWN},   {L"up", VK_UP},         {L"left", VK_LEFT},
                  {L"right", VK_RIGHT}, {L"return", VK_RETURN}, {L"home", VK_HOME},
                  {L"end", VK_END},     {L"tab", VK_TAB},       {L"escape", VK_ESCAPE}};
    for (const auto& named : kNamed) {
        if (name == named.name) {
            return named.key;
        }
    }
    return name.size() == 1 ? static_cast<WORD>(std::towupper(name[0])) : 0;
}

void Press(const std::wstring& chord) {
    std::vector<WORD> keys;
    std::size_t start = 0;
    while (start <= chord.size()) {
        const std::size_t plus = chord.find(L'+', start);
        const std::size_t end = plus == std::wstring::npos ? chord.size() : plus;
        if (const WORD key = KeyCode(chord.substr(start, end - start)); key != 0) {
            keys.push_back(key);
        }
        start = end + 1;
    }
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(100);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (argv == nullptr) {
        return 1;
    }
    for (int i = 1; i < count; ++i) {
        Press(argv[i]);
    }
    LocalFree(argv);
    return 0;
}
