#pragma once
// Edits and searches on the rule list of the editor. `listCheck` is the editor's record of each
// rule's enabled flag as last loaded or seen (one entry per rule); every edit keeps it in step
// with the rules. An index out of range is refused without a change.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rules/rule.h"

namespace velmado::rules {

// Appends a rule and its check; false (nothing changed) when the list already holds kMaxRules.
bool AppendRule(RuleList& rules, std::vector<bool>& listCheck, Rule rule);

// Removes rule `index` and its check; false when there is no such rule.
bool DeleteRule(RuleList& rules, std::vector<bool>& listCheck, std::size_t index);

enum class MoveDirection { Up, Down };

// Swaps rule `index` with its neighbour above or below; each rule keeps its own enabled flag and
// check. Returns the moved rule's new index, or nothing when there is no neighbour that way.
std::optional<std::size_t> MoveRule(RuleList& rules, std::vector<bool>& listCheck,
                                    std::size_t index, MoveDirection direction);

// "検索(&R)": the first rule after `selected` (from the first rule when nothing is selected)
// whose Program contains `text`, ASCII letters compared without regard to case. The search does
// not wrap: past the last rule nothing is found. Empty text finds nothing.
std::optional<std::size_t> FindProgram(const RuleList& rules, std::optional<std::size_t> selected,
                                       const std::wstring& text);

// "無効なプログラム(&S)": the first rule after `selected` (or from the first) whose program file
// does not exist by `exists`; no wrapping either.
std::optional<std::size_t>
FindMissingProgram(const RuleList& rules, std::optional<std::size_t> selected,
                   const std::function<bool(const std::wstring& path)>& exists);

// The program finder's history, newest first.
inline constexpr std::size_t kMaxFinderHistory = 100;

// Puts `text` at the front unless it is already in the history (exact text), then keeps at most
// kMaxFinderHistory entries. Empty text is not recorded.
void AddFinderHistory(std::vector<std::wstring>& history, const std::wstring& text);

// A history as read from its file: empty lines and repeated entries dropped (the first one
// stays), at most kMaxFinderHistory entries kept.
void CleanFinderHistory(std::vector<std::wstring>& history);

// After a click or key press in the list: every rule whose check box in `checks` differs from
// `listCheck` takes that state as its enabled flag, and `listCheck` notes it. Returns whether
// anything changed (the list is then modified). Entries beyond the rules are ignored.
bool ApplyCheckChanges(RuleList& rules, std::vector<bool>& listCheck,
                       const std::vector<bool>& checks);

} // namespace velmado::rules
