#include "app/config/win/main_config_file.h"

#include "storage/win/ansi_code_page.h"
#include "storage/win/text_files.h"

namespace velmado::app {

LoadedMainConfig LoadMainConfig(const std::wstring& path, const SystemSnapshot& system,
                                const RuleFileLookup& ruleFile) {
    return ReadMainConfig(storage::LoadIniFile(path), system, ruleFile);
}

storage::FileStatus SaveMainConfig(const std::wstring& path, const MainConfig& config,
                                   int argumentCount, const std::wstring& ruleFile) {
    const storage::FileBytes read = storage::ReadFileBytes(path);
    if (!read.status && read.status.result != storage::FileResult::Missing) {
        return read.status;
    }
    const storage::DecodedText decoded =
        storage::DecodeText(read.bytes, storage::SystemAnsiCodePage());
    storage::IniDocument ini = storage::IniDocument::Parse(decoded.text, decoded.encoding);
    WriteMainConfig(config, argumentCount, ruleFile, ini);
    return storage::SaveIniFile(ini, path, storage::Encoding::Utf16LE);
}

} // namespace velmado::app
