#include "storage/ini_document.h"

#include "storage/line_list.h"

#include <cstdint>
#include <optional>

namespace velmado::storage {

namespace {

std::wstring_view Trim(std::wstring_view text) {
    const auto blank = [](wchar_t c) { return static_cast<std::uint32_t>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Simple case folding for the letters that names can realistically hold: ASCII, Latin-1,
// basic Greek and Cyrillic, and the full-width Latin letters of Japanese text.
wchar_t FoldCase(wchar_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    const bool upper = (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7) ||
                       (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) || (u >= 0x410 && u <= 0x42F) ||
                       (u >= 0xFF21 && u <= 0xFF3A);
    if (upper) {
        return static_cast<wchar_t>(u + 0x20);
    }
    if (u >= 0x400 && u <= 0x40F) {
        return static_cast<wchar_t>(u + 0x50);
    }
    return c;
}

std::wstring Folded(std::wstring_view name) {
    std::wstring folded(name);
    for (auto& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

std::optional<int> ParseInteger(std::wstring_view text) {
    if (text.size() >= 3 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        // Up to 32 bits; 0xFFFFFFFF is -1 as in the colour values other tools write.
        std::uint64_t value = 0;
        for (const wchar_t c : text.substr(2)) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
        }
        return static_cast<int>(static_cast<std::uint32_t>(value));
    }
    const bool negative = !text.empty() && text.front() == L'-';
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - L'0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

IniDocument IniDocument::Parse(std::wstring_view text, Encoding encoding) {
    IniDocument document;
    document.encoding_ = encoding;
    Section* current = nullptr;
    LineSplitter lines(text);
    for (std::wstring_view line; lines.Next(line);) {
        line = Trim(line);
        if (line.empty() || line.front() == L';') {
            continue;
        }
        if (line.front() == L'[' && line.back() == L']') {
            current = &document.SectionNamed(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        const std::size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos) {
            Append(*current, line, {});
        } else {
            Append(*current, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
        }
    }
    return document;
}

std::wstring IniDocument::Serialize() const {
    std::wstring text;
    for (const Section& section : sections_) {
        text += L'[';
        AppendAsOneLine(text, section.name);
        text += L"]\r\n";
        for (const Entry& entry : section.entries) {
            AppendAsOneLine(text, entry.key);
            text += L'=';
            AppendAsOneLine(text, entry.value);
            text += L"\r\n";
        }
        text += L"\r\n";
    }
    return text;
}

bool IniDocument::SectionExists(std::wstring_view section) const {
    return FindSection(section) != nullptr;
}

bool IniDocument::ValueExists(std::wstring_view section, std::wstring_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::vector<std::wstring> IniDocument::Sections() const {
    std::vector<std::wstring> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_) {
        names.push_back(section.name);
    }
    return names;
}

std::vector<std::wstring> IniDocument::Keys(std::wstring_view section) const {
    std::vector<std::wstring> keys;
    if (const Section* found = FindSection(section)) {
        for (std::size_t i = 0; i < found->entries.size(); ++i) {
            const std::wstring& key = found->entries[i].key;
            if (found->firstEntry.at(Folded(key)) == i) {
                keys.push_back(key);
            }
        }
    }
    return keys;
}

std::wstring IniDocument::ReadString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view fallback) const {
    const Entry* entry = FindEntry(section, key);
    return std::wstring(entry != nullptr ? std::wstring_view(entry->value) : fallback);
}

int IniDocument::ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const {
    const Entry* entry = FindEntry(section, key);
    return entry != nullptr ? ParseInteger(entry->value).value_or(fallback) : fallback;
}

bool IniDocument::ReadBool(std::wstring_view section, std::wstring_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniDocument::WriteString(std::wstring_view section, std::wstring_view key,
                              std::wstring_view value) {
    Section& target = SectionNamed(section);
    const auto found = target.firstEntry.find(Folded(key));
    if (found != target.firstEntry.end()) {
        target.entries[found->second].value = value;
    } else {
        Append(target, key, value);
    }
}

void IniDocument::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
    WriteString(section, key, std::to_wstring(value));
}

void IniDocument::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
    WriteString(section, key, value ? L"1" : L"0");
}

void IniDocument::EraseSection(std::wstring_view section) {
    const auto found = sectionIndex_.find(Folded(section));
    if (found == sectionIndex_.end()) {
        return;
    }
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sectionIndex_.emplace(Folded(sections_[i].name), i);
    }
}

void IniDocument::EraseKey(std::wstring_view section, std::wstring_view key) {
    const auto found = sectionIndex_.find(Folded(section));
    if (found == sectionIndex_.end()) {
        return;
    }
    Section& target = sections_[found->second];
    const std::wstring folded = Folded(key);
    if (target.firstEntry.erase(folded) == 0) {
        return;
    }
    std::erase_if(target.entries, [&](const Entry& entry) { return Folded(entry.key) == folded; });
    ReindexEntries(target);
}

const IniDocument::Section* IniDocument::FindSection(std::wstring_view name) const {
    const auto found = sectionIndex_.find(Folded(name));
    return found != sectionIndex_.end() ? &sections_[found->second] : nullptr;
}

IniDocument::Section& IniDocument::SectionNamed(std::wstring_view name) {
    const auto [found, added] = sectionIndex_.emplace(Folded(name), sections_.size());
    if (added) {
        sections_.push_back(Section{std::wstring(name), {}, {}});
    }
    return sections_[found->second];
}

const IniDocument::Entry* IniDocument::FindEntry(std::wstring_view section,
                                                 std::wstring_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return nullptr;
    }
    const auto entry = found->firstEntry.find(Folded(key));
    return entry != found->firstEntry.end() ? &found->entries[entry->second] : nullptr;
}

void IniDocument::Append(Section& section, std::wstring_view key, std::wstring_view value) {
    section.firstEntry.emplace(Folded(key), section.entries.size());
    section.entries.push_back(Entry{std::wstring(key), std::wstring(value)});
}

void IniDocument::ReindexEntries(Section& section) {
    section.firstEntry.clear();
    for (std::size_t i = 0; i < section.entries.size(); ++i) {
        section.firstEntry.emplace(Folded(section.entries[i].key), i);
    }
}

} // namespace velmado::storage
