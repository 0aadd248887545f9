// Feeds arbitrary bytes through the settings readers: decode, parse, write and read again.
// Whatever a damaged file reads as must survive our own writing unchanged.
#include "storage/ini_document.h"
#include "storage/latin1_code_page.h"
#include "storage/line_list.h"
#include "storage/text_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace velmado::storage;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckSameLookUps(const IniDocument& first, const IniDocument& second) {
    Require(first.Sections() == second.Sections());
    for (const std::wstring& section : first.Sections()) {
        Require(first.Keys(section) == second.Keys(section));
        for (const std::wstring& key : first.Keys(section)) {
            Require(first.ReadString(section, key, L"?") == second.ReadString(section, key, L"?"));
            Require(first.ReadInteger(section, key, -1) == second.ReadInteger(section, key, -1));
        }
    }
}

void CheckText(std::string_view bytes, Encoding unmarked) {
    const Latin1CodePage ansi;
    const DecodedText decoded = DecodeText(bytes, ansi, unmarked);

    // Decoded text is well-formed: it round-trips through every encoding we write.
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        Require(DecodeText(EncodeText(decoded.text, encoding, ansi), ansi).text == decoded.text);
    }
    const std::string kept = EncodeKeepingEncoding(decoded.text, decoded.encoding, ansi);
    Require(DecodeText(kept, ansi, decoded.encoding).text == decoded.text);

    const IniDocument ini = IniDocument::Parse(decoded.text, decoded.encoding);
    const std::wstring written = ini.Serialize();
    const IniDocument reread = IniDocument::Parse(written, decoded.encoding);
    CheckSameLookUps(ini, reread);
    Require(reread.Serialize() == written);

    const std::vector<std::wstring> lines = ParseLines(decoded.text);
    Require(ParseLines(JoinLines(lines)) == lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const Encoding unmarked :
         {Encoding::Ansi, Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        CheckText(bytes, unmarked);
    }
    return 0;
}
