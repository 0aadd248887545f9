#include "storage/win/text_files.h"

#include "storage/line_list.h"
#include "storage/win/ansi_code_page.h"

namespace velmado::storage {

namespace {

DecodedText ReadText(const std::wstring& path, Encoding unmarked) {
    const FileBytes read = ReadFileBytes(path);
    if (!read.status) {
        return {{}, unmarked};
    }
    return DecodeText(read.bytes, SystemAnsiCodePage(), unmarked);
}

} // namespace

IniDocument LoadIniFile(const std::wstring& path, Encoding unmarked) {
    const DecodedText decoded = ReadText(path, unmarked);
    return IniDocument::Parse(decoded.text, decoded.encoding);
}

FileStatus SaveIniFile(const IniDocument& ini, const std::wstring& path, Encoding encoding) {
    return WriteFileAtomic(path, EncodeText(ini.Serialize(), encoding, SystemAnsiCodePage()));
}

FileStatus SaveIniFile(const IniDocument& ini, const std::wstring& path) {
    return WriteFileAtomic(
        path, EncodeKeepingEncoding(ini.Serialize(), ini.encoding(), SystemAnsiCodePage()));
}

std::vector<std::wstring> LoadListFromFile(const std::wstring& path, Encoding unmarked) {
    return ParseLines(ReadText(path, unmarked).text);
}

FileStatus SaveListToFile(std::span<const std::wstring> lines, const std::wstring& path,
                          Encoding encoding) {
    return WriteFileAtomic(path, EncodeText(JoinLines(lines), encoding, SystemAnsiCodePage()));
}

} // namespace velmado::storage
