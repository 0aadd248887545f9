#pragma once
// The rule files on disk and the files kept beside them in the data folder: the default rule
// file Window.ibk, the recent rule files (WindowMRU.ini), the rule file per desktop rectangle
// (AutoProfile.ini) and the remembered file-dialog rectangle inside a rule file.
//
//   rules::RuleStore store(files);
//   store.LoadRecent();
//   auto loaded = store.Load(ruleFilePath); // loaded.rules; log loaded.dropped and loaded.error
//   store.Save(ruleFilePath, rules);
#include "common/geometry.h"
#include "rules/rule.h"
#include "storage/data_files.h"
#include "storage/win/file_io.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velmado::rules {

// How many recent rule files are kept.
inline constexpr std::size_t kMaxRecentRuleFiles = 10;

struct LoadedRules {
    RuleList rules;
    std::size_t dropped = 0; // rules beyond the list's capacity
    std::wstring error; // for the error log: a file beside the rule file that could not be written
};

class RuleStore {
public:
    explicit RuleStore(const storage::DataFiles& files);

    const std::wstring& DefaultRuleFile() const { return defaultRuleFile_; }

    // Creates the default rule file empty (UTF-16LE, no sections) when it does not exist.
    storage::FileStatus EnsureDefaultRuleFile() const;

    // Reads the rules of `path` (missing or unreadable: none), after making sure the default rule
    // file exists; then puts `path` at the top of the recent list and records it for the current
    // desktop rectangle.
    LoadedRules Load(const std::wstring& path);

    // Reads the rules of another file, for importing; nothing else is touched.
    static LoadedRules ReadRules(const std::wstring& path);

    // Writes the rules into the file as it is on disk (other sections stay) as UTF-16LE and puts
    // `path` at the top of the recent list. Clears every rule's handle. A file that exists but
    // cannot be read is left alone, as rewriting it would lose its other sections.
    storage::FileStatus Save(const std::wstring& path, RuleList& rules);

    // The recent rule files, newest first, at most kMaxRecentRuleFiles.
    std::vector<std::wstring>& Recent() { return recent_; }
    const std::vector<std::wstring>& Recent() const { return recent_; }
    // Reads WindowMRU.ini, dropping entries whose file is gone, that are not in long form, or
    // that repeat an earlier entry.
    void LoadRecent();
    storage::FileStatus SaveRecent() const;
    // An empty path is never recorded.
    void AddRecent(const std::wstring& path);

    // AutoProfile.ini [DesktopRect]: the rule file last loaded while the desktop had this
    // rectangle (empty when none). An empty path is not recorded.
    storage::FileStatus RecordForDesktop(const std::wstring& path,
                                         const common::Rect& desktop) const;
    std::wstring RuleFileForDesktop(const common::Rect& desktop) const;

    // The "Dialog" section of a rule file; -100 for each missing value.
    static common::XYWH ReadDialogRect(const std::wstring& path);
    static storage::FileStatus WriteDialogRect(const std::wstring& path, const common::XYWH& rect);

private:
    std::wstring defaultRuleFile_;
    std::wstring recentFile_;
    std::wstring autoProfileFile_;
    std::vector<std::wstring> recent_;
};

} // namespace velmado::rules
