#pragma once
// The rule list in a rule file (".ibk"): section "List" with "Count" (number of rules minus 1),
// then one section "Window" + index per rule with "Enabled" and the fields as keys "0" … "15".
// The "Dialog" section of the same file keeps the remembered file-dialog rectangle.
#include "common/geometry.h"
#include "common/mru_list.h"
#include "rules/rule.h"
#include "storage/ini_document.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velmado::rules {

struct ReadRulesResult {
    RuleList rules;
    std::size_t dropped = 0; // rules the file names beyond kMaxRules, for the error log
};

// At most kMaxRules rules; missing keys read as empty text, a missing or non-numeric "Enabled"
// as enabled. A window handle found under the handle key belongs to an earlier run and is not
// taken over.
ReadRulesResult ReadRuleList(const storage::IniDocument& ini);

// Writes the list into the document as read from the file, so that other sections and keys
// keep their content and place; sections of rules beyond the new count stay but are ignored on
// reading. Clears each rule's handle, which is always written empty.
void WriteRuleList(RuleList& rules, storage::IniDocument& ini);

// Whether a rule already in the list would act on a window with this program, caption, class
// and style. Asked against the list as it grows, so a rule repeated in the imported file is
// appended once.
using RuleCoveredCheck =
    std::function<bool(const std::wstring& program, const std::wstring& caption,
                       const std::wstring& className, const std::wstring& style)>;

struct ImportResult {
    std::size_t appended = 0;
    std::size_t refused = 0; // not covered, but the list was full
};

// Appends, in file order, each incoming rule that no rule in `rules` covers yet.
ImportResult ImportRules(const RuleList& incoming, RuleList& rules,
                         const RuleCoveredCheck& matchesExisting);

// The remembered file-dialog rectangle; -100 for each value the file lacks.
inline constexpr int kNoDialogValue = -100;
common::XYWH ReadDialogRect(const storage::IniDocument& ini);
void WriteDialogRect(const common::XYWH& rect, storage::IniDocument& ini);

// The rectangle around all monitors as left "," top "x" right "," bottom, e.g. "-1920,0x1920,1200".
std::wstring DesktopKey(const common::Rect& desktop);

// Cleans a recent-rule-file list as read from its file: from the last entry to the first, drops
// each entry whose file is gone or whose stored form is not found at the entry's own index, that
// is an entry not in its stored (long) form and each later duplicate.
void CleanRecentRuleFiles(std::vector<std::wstring>& items, const common::MruFileSystem& files);

} // namespace velmado::rules
