#pragma once
// An INI file held in memory: read whole, changed, written whole. Sections and keys keep the
// order in which they were first read or created, and sections the owner does not know survive.
#include "storage/text_codec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmado::storage {

class IniDocument {
public:
    IniDocument() = default;

    // Lines are trimmed of characters up to U+0020; empty lines, ';' comments and lines before
    // the first "[section]" are dropped; an entry is split at its first '=' (a line without one
    // is a key with an empty value). A section header that repeats a name, in any letter case,
    // continues that section. `encoding` is remembered for saving in the encoding found.
    static IniDocument Parse(std::wstring_view text, Encoding encoding = Encoding::Ansi);

    // "[name]", then "key=value" lines, then one empty line per section; lines end in CR LF.
    // A line break inside a name or value is written as a blank.
    std::wstring Serialize() const;

    Encoding encoding() const { return encoding_; }

    // Names compare without regard to letter case; the first entry of a key counts.
    bool SectionExists(std::wstring_view section) const;
    bool ValueExists(std::wstring_view section, std::wstring_view key) const;
    std::vector<std::wstring> Sections() const;
    std::vector<std::wstring> Keys(std::wstring_view section) const; // each key once

    std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view fallback) const;
    // "0x"/"0X" and at least one more character: hexadecimal (up to 32 bits); otherwise a
    // decimal int. Anything else, also out of range, gives `fallback`.
    int ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const;
    // An integer; non-zero is true.
    bool ReadBool(std::wstring_view section, std::wstring_view key, bool fallback) const;

    // A changed key keeps its place, a new key goes to the end of its section, a new section to
    // the end of the file.
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    void WriteInteger(std::wstring_view section, std::wstring_view key, int value);
    void WriteBool(std::wstring_view section, std::wstring_view key, bool value);

    void EraseSection(std::wstring_view section);
    // Removes every entry of the key, so that no later duplicate takes its place.
    void EraseKey(std::wstring_view section, std::wstring_view key);

private:
    struct Entry {
        std::wstring key;
        std::wstring value;
    };
    struct Section {
        std::wstring name;
        std::vector<Entry> entries;
        std::unordered_map<std::wstring, std::size_t> firstEntry; // folded key -> entry index
    };

    const Section* FindSection(std::wstring_view name) const;
    Section& SectionNamed(std::wstring_view name); // created when missing
    const Entry* FindEntry(std::wstring_view section, std::wstring_view key) const;
    static void Append(Section& section, std::wstring_view key, std::wstring_view value);
    static void ReindexEntries(Section& section);

    std::vector<Section> sections_;
    std::unordered_map<std::wstring, std::size_t> sectionIndex_; // folded name -> index
    Encoding encoding_ = Encoding::Ansi;
};

} // namespace velmado::storage
