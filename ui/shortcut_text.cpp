#include "ui/shortcut_text.h"

#include <array>

namespace velmado::ui {

namespace {

struct NamedKey {
    int key;
    const wchar_t* name;
};

// Fixed names, independent of the keyboard layout, so that a stored text means the same key on
// every machine. Letters, digits, function keys and the keypad digits are formed in KeyName.
constexpr std::array kNamedKeys{
    NamedKey{0x08, L"BkSp"},     NamedKey{0x09, L"Tab"},         NamedKey{0x0C, L"Clear"},
    NamedKey{0x0D, L"Enter"},    NamedKey{0x13, L"Pause"},       NamedKey{0x14, L"Caps Lock"},
    NamedKey{0x15, L"Kana"},     NamedKey{0x19, L"Kanji"},       NamedKey{0x1B, L"Esc"},
    NamedKey{0x1C, L"Convert"},  NamedKey{0x1D, L"NoConvert"},   NamedKey{0x20, L"Space"},
    NamedKey{0x21, L"PgUp"},     NamedKey{0x22, L"PgDn"},        NamedKey{0x23, L"End"},
    NamedKey{0x24, L"Home"},     NamedKey{0x25, L"Left"},        NamedKey{0x26, L"Up"},
    NamedKey{0x27, L"Right"},    NamedKey{0x28, L"Down"},        NamedKey{0x2C, L"PrtSc"},
    NamedKey{0x2D, L"Ins"},      NamedKey{0x2E, L"Del"},         NamedKey{0x5B, L"LWin"},
    NamedKey{0x5C, L"RWin"},     NamedKey{0x5D, L"Apps"},        NamedKey{0x5F, L"Sleep"},
    NamedKey{0x6A, L"Num *"},    NamedKey{0x6B, L"Num +"},       NamedKey{0x6C, L"Separator"},
    NamedKey{0x6D, L"Num -"},    NamedKey{0x6E, L"Num Del"},     NamedKey{0x6F, L"Num /"},
    NamedKey{0x90, L"Num Lock"}, NamedKey{0x91, L"Scroll Lock"}, NamedKey{0xBA, L";"},
    NamedKey{0xBB, L"="},        NamedKey{0xBC, L","},           NamedKey{0xBD, L"-"},
    NamedKey{0xBE, L"."},        NamedKey{0xBF, L"/"},           NamedKey{0xC0, L"`"},
    NamedKey{0xDB, L"["},        NamedKey{0xDC, L"\\"},          NamedKey{0xDD, L"]"},
    NamedKey{0xDE, L"'"},
};

constexpr std::wstring_view kHexDigits = L"0123456789ABCDEF";

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

bool ConsumePrefix(std::wstring_view& text, std::wstring_view prefix) {
    if (text.size() < prefix.size() || !EqualsIgnoringCase(text.substr(0, prefix.size()), prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::wstring KeyName(int key) {
    if (key <= 0 || key >= 0xFF) {
        return {};
    }
    if ((key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A)) {
        return std::wstring(1, static_cast<wchar_t>(key));
    }
    if (key >= 0x60 && key <= 0x69) {
        // Keypad digits keep their own names: "5" would read back as the main digit key.
        return L"Num " + std::wstring(1, static_cast<wchar_t>(L'0' + key - 0x60));
    }
    if (key >= 0x70 && key <= 0x87) {
        return L"F" + std::to_wstring(key - 0x6F);
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.key == key) {
            return named.name;
        }
    }
    // Keys without a usual name (media, browser, IME and vendor keys) still round-trip.
    return std::wstring(L"VK_") + kHexDigits[key >> 4] + kHexDigits[key & 0xF];
}

std::wstring ShortCutToText(ShortCut shortCut) {
    std::wstring name = KeyName(ShortCutKey(shortCut));
    if (name.empty()) {
        return {};
    }
    std::wstring text;
    if (shortCut & kShortCutShift) {
        text += L"Shift+";
    }
    if (shortCut & kShortCutCtrl) {
        text += L"Ctrl+";
    }
    if (shortCut & kShortCutAlt) {
        text += L"Alt+";
    }
    return text + name;
}

ShortCut TextToShortCut(std::wstring_view text) {
    text = TrimBlanks(text);
    ShortCut modifiers = 0;
    for (;;) {
        if (ConsumePrefix(text, L"Shift+")) {
            modifiers |= kShortCutShift;
        } else if (ConsumePrefix(text, L"Ctrl+") || ConsumePrefix(text, L"^")) {
            modifiers |= kShortCutCtrl;
        } else if (ConsumePrefix(text, L"Alt+")) {
            modifiers |= kShortCutAlt;
        } else {
            break;
        }
    }
    if (text.empty()) {
        return 0;
    }
    for (int key = 1; key < 0xFF; ++key) {
        if (EqualsIgnoringCase(text, KeyName(key))) {
            return static_cast<ShortCut>(key | modifiers);
        }
    }
    return 0;
}

} // namespace velmado::ui
