#pragma once
// A stand-in for the system ANSI code page where there is none (native tests, fuzzing):
// ISO 8859-1, whose bytes are exactly U+0000 to U+00FF.
#include "storage/text_codec.h"

namespace velmado::storage {

class Latin1CodePage final : public AnsiCodePage {
public:
    std::wstring ToWide(std::string_view bytes) const override {
        std::wstring text;
        text.reserve(bytes.size());
        for (const char byte : bytes) {
            text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
        }
        return text;
    }

    Narrow ToNarrow(std::wstring_view text) const override {
        Narrow narrow;
        narrow.bytes.reserve(text.size());
        for (const wchar_t c : text) {
            const bool fits = static_cast<unsigned long>(c) <= 0xFF;
            narrow.bytes.push_back(fits ? static_cast<char>(c) : '?');
            narrow.lossless = narrow.lossless && fits;
        }
        return narrow;
    }
};

} // namespace velmado::storage
