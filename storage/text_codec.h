#pragma once
// Text encodings of the settings files. Bytes are held in std::string; text is std::wstring of
// UTF-16 code units (one unit per element, also where wchar_t is wider).
#include <string>
#include <string_view>

namespace velmado::storage {

enum class Encoding { Ansi, Utf8, Utf16LE, Utf16BE };

enum class ByteOrderMark { Write, Omit };

// The system's ANSI code page. Windows supplies the real one; tests supply a stand-in.
class AnsiCodePage {
public:
    struct Narrow {
        std::string bytes;
        bool lossless = true; // false when a character had no equivalent and was replaced
    };

    virtual ~AnsiCodePage() = default;
    virtual std::wstring ToWide(std::string_view bytes) const = 0;
    virtual Narrow ToNarrow(std::wstring_view text) const = 0;
};

struct DecodedText {
    std::wstring text;
    Encoding encoding = Encoding::Ansi;
};

// Reads the encoding from the byte-order mark (EF BB BF, FF FE, FE FF), which is not part of the
// text; bytes without a mark are taken as `unmarked`. Damaged input never fails: undecodable
// bytes, a lone surrogate and an odd last byte of UTF-16 each become U+FFFD.
DecodedText DecodeText(std::string_view bytes, const AnsiCodePage& ansi,
                       Encoding unmarked = Encoding::Ansi);

// UTF-16 and UTF-8 get their byte-order mark unless told to omit it; ANSI never has one.
// A lone surrogate is written as U+FFFD, so every file written is well-formed.
std::string EncodeText(std::wstring_view text, Encoding encoding, const AnsiCodePage& ansi,
                       ByteOrderMark mark = ByteOrderMark::Write);

// For files that keep the encoding they were found in. An ANSI file whose text the code page
// cannot hold is written as UTF-16LE instead, so that no character turns into '?'.
std::string EncodeKeepingEncoding(std::wstring_view text, Encoding found, const AnsiCodePage& ansi);

} // namespace velmado::storage
