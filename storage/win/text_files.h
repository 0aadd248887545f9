#pragma once
// INI files and line lists on disk, in the system ANSI code page or a Unicode encoding.
//
//   auto ini = storage::LoadIniFile(path);
//   ini.WriteInteger(L"Start", L"Delay", 3);
//   storage::SaveIniFile(ini, path, storage::Encoding::Utf16LE);
#include "storage/ini_document.h"
#include "storage/text_codec.h"
#include "storage/win/file_io.h"

#include <span>
#include <string>
#include <vector>

namespace velmado::storage {

// The encoding comes from the byte-order mark; a file without one is read as `unmarked`. A
// missing or unreadable file gives an empty document that remembers `unmarked`.
IniDocument LoadIniFile(const std::wstring& path, Encoding unmarked = Encoding::Ansi);

// Replaces the file with the whole document in the named encoding.
FileStatus SaveIniFile(const IniDocument& ini, const std::wstring& path, Encoding encoding);

// Keeps the encoding the document was read with (EncodeKeepingEncoding).
FileStatus SaveIniFile(const IniDocument& ini, const std::wstring& path);

// One item per line, read as LoadIniFile reads; a missing file gives no items.
std::vector<std::wstring> LoadListFromFile(const std::wstring& path,
                                           Encoding unmarked = Encoding::Ansi);

// Fails (InUse) without writing when another program holds the file open.
FileStatus SaveListToFile(std::span<const std::wstring> lines, const std::wstring& path,
                          Encoding encoding);

} // namespace velmado::storage
