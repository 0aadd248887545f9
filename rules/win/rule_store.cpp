#include "rules/win/rule_store.h"

#include <windows.h>

#include "common/win/files.h"
#include "common/win/mru_list.h"
#include "common/win/screen.h"
#include "rules/rule_file.h"
#include "storage/win/ansi_code_page.h"
#include "storage/win/text_files.h"

#include <utility>

namespace velmado::rules {

namespace {

constexpr wchar_t kDesktopSection[] = L"DesktopRect";

struct FileForUpdate {
    storage::FileStatus status;
    storage::IniDocument ini;
};

// The whole file as it is on disk, to be changed and written back; a missing file gives an
// empty document, an unreadable one a failure, so that its content is never replaced blindly.
FileForUpdate ReadForUpdate(const std::wstring& path, storage::Encoding unmarked) {
    const storage::FileBytes read = storage::ReadFileBytes(path);
    if (!read.status && read.status.result != storage::FileResult::Missing) {
        return {read.status, {}};
    }
    const storage::DecodedText decoded =
        storage::DecodeText(read.bytes, storage::SystemAnsiCodePage(), unmarked);
    return {{}, storage::IniDocument::Parse(decoded.text, decoded.encoding)};
}

} // namespace

RuleStore::RuleStore(const storage::DataFiles& files)
    : defaultRuleFile_(files.windowIbk), recentFile_(files.windowMruIni),
      autoProfileFile_(files.autoProfileIni) {}

storage::FileStatus RuleStore::EnsureDefaultRuleFile() const {
    if (velmado::win::SafeFileExists(defaultRuleFile_)) {
        return {};
    }
    return storage::SaveIniFile(storage::IniDocument{}, defaultRuleFile_,
                                storage::Encoding::Utf16LE);
}

LoadedRules RuleStore::Load(const std::wstring& path) {
    const storage::FileStatus created = EnsureDefaultRuleFile();
    LoadedRules loaded = ReadRules(path);
    AddRecent(path);
    const storage::FileStatus recorded =
        RecordForDesktop(path, velmado::win::Screen::Get().DesktopRect());
    loaded.error = !created ? created.error : recorded.error;
    return loaded;
}

LoadedRules RuleStore::ReadRules(const std::wstring& path) {
    ReadRulesResult read = ReadRuleList(storage::LoadIniFile(path));
    return {std::move(read.rules), read.dropped, {}};
}

storage::FileStatus RuleStore::Save(const std::wstring& path, RuleList& rules) {
    FileForUpdate file = ReadForUpdate(path, storage::Encoding::Ansi);
    if (!file.status) {
        return file.status;
    }
    WriteRuleList(rules, file.ini);
    const storage::FileStatus saved =
        storage::SaveIniFile(file.ini, path, storage::Encoding::Utf16LE);
    if (saved) {
        AddRecent(path);
    }
    return saved;
}

void RuleStore::LoadRecent() {
    recent_ = storage::LoadListFromFile(recentFile_);
    CleanRecentRuleFiles(recent_, velmado::win::MruFiles());
    // The menus have one item per entry and no more.
    if (recent_.size() > kMaxRecentRuleFiles) {
        recent_.resize(kMaxRecentRuleFiles);
    }
}

storage::FileStatus RuleStore::SaveRecent() const {
    return storage::SaveListToFile(recent_, recentFile_, storage::Encoding::Utf16LE);
}

void RuleStore::AddRecent(const std::wstring& path) {
    if (!path.empty()) {
        velmado::win::AddToMruList(recent_, path, kMaxRecentRuleFiles);
    }
}

storage::FileStatus RuleStore::RecordForDesktop(const std::wstring& path,
                                                const common::Rect& desktop) const {
    if (path.empty()) {
        return {};
    }
    FileForUpdate file = ReadForUpdate(autoProfileFile_, storage::Encoding::Utf16LE);
    if (!file.status) {
        return file.status;
    }
    file.ini.WriteString(kDesktopSection, DesktopKey(desktop), path);
    return storage::SaveIniFile(file.ini, autoProfileFile_, storage::Encoding::Utf16LE);
}

std::wstring RuleStore::RuleFileForDesktop(const common::Rect& desktop) const {
    return storage::LoadIniFile(autoProfileFile_, storage::Encoding::Utf16LE)
        .ReadString(kDesktopSection, DesktopKey(desktop), L"");
}

common::XYWH RuleStore::ReadDialogRect(const std::wstring& path) {
    return rules::ReadDialogRect(storage::LoadIniFile(path));
}

storage::FileStatus RuleStore::WriteDialogRect(const std::wstring& path, const common::XYWH& rect) {
    FileForUpdate file = ReadForUpdate(path, storage::Encoding::Ansi);
    if (!file.status) {
        return file.status;
    }
    rules::WriteDialogRect(rect, file.ini);
    return storage::SaveIniFile(file.ini, path, storage::Encoding::Utf16LE);
}

} // namespace velmado::rules
