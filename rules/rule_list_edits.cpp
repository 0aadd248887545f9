#include "rules/rule_list_edits.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/text.h"

namespace velmado::rules {

namespace {

// A record that lost step with the rules (it should not) is rebuilt from their flags rather
// than read out of range.
void KeepInStep(const RuleList& rules, std::vector<bool>& listCheck) {
    for (std::size_t i = listCheck.size(); i < rules.size(); ++i) {
        listCheck.push_back(rules[i].enabled);
    }
    listCheck.resize(rules.size());
}

bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view part) {
    for (std::size_t at = 0; part.size() <= text.size() && at <= text.size() - part.size(); ++at) {
        if (common::EqualIgnoringAsciiCase(text.substr(at, part.size()), part)) {
            return true;
        }
    }
    return false;
}

template <typename Predicate>
std::optional<std::size_t> FindAfter(const RuleList& rules, std::optional<std::size_t> selected,
                                     Predicate wanted) {
    for (std::size_t i = selected ? *selected + 1 : 0; i < rules.size(); ++i) {
        if (wanted(rules[i])) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

bool AppendRule(RuleList& rules, std::vector<bool>& listCheck, Rule rule) {
    KeepInStep(rules, listCheck);
    if (rules.size() >= kMaxRules) {
        return false;
    }
    listCheck.push_back(rule.enabled);
    rules.push_back(std::move(rule));
    return true;
}

bool DeleteRule(RuleList& rules, std::vector<bool>& listCheck, std::size_t index) {
    KeepInStep(rules, listCheck);
    if (index >= rules.size()) {
        return false;
    }
    const auto offset = static_cast<std::ptrdiff_t>(index);
    rules.erase(rules.begin() + offset);
    listCheck.erase(listCheck.begin() + offset);
    return true;
}

std::optional<std::size_t> MoveRule(RuleList& rules, std::vector<bool>& listCheck,
                                    std::size_t index, MoveDirection direction) {
    KeepInStep(rules, listCheck);
    if (index >= rules.size()) {
        return std::nullopt;
    }
    const bool up = direction == MoveDirection::Up;
    if (up ? index == 0 : index + 1 == rules.size()) {
        return std::nullopt;
    }
    const std::size_t to = up ? index - 1 : index + 1;
    std::swap(rules[index], rules[to]);
    std::vector<bool>::swap(listCheck[index], listCheck[to]);
    return to;
}

std::optional<std::size_t> FindProgram(const RuleList& rules, std::optional<std::size_t> selected,
                                       const std::wstring& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    return FindAfter(rules, selected, [&text](const Rule& rule) {
        return ContainsIgnoringCase(rule[Rule::Program], text);
    });
}

std::optional<std::size_t>
FindMissingProgram(const RuleList& rules, std::optional<std::size_t> selected,
                   const std::function<bool(const std::wstring& path)>& exists) {
    return FindAfter(rules, selected,
                     [&exists](const Rule& rule) { return !exists(rule[Rule::Program]); });
}

void AddFinderHistory(std::vector<std::wstring>& history, const std::wstring& text) {
    if (!text.empty() && std::find(history.begin(), history.end(), text) == history.end()) {
        history.insert(history.begin(), text);
    }
    if (history.size() > kMaxFinderHistory) {
        history.resize(kMaxFinderHistory);
    }
}

void CleanFinderHistory(std::vector<std::wstring>& history) {
    std::vector<std::wstring> kept;
    for (std::wstring& entry : history) {
        if (kept.size() == kMaxFinderHistory) {
            break;
        }
        if (!entry.empty() && std::find(kept.begin(), kept.end(), entry) == kept.end()) {
            kept.push_back(std::move(entry));
        }
    }
    history = std::move(kept);
}

bool ApplyCheckChanges(RuleList& rules, std::vector<bool>& listCheck,
                       const std::vector<bool>& checks) {
    KeepInStep(rules, listCheck);
    bool changed = false;
    const std::size_t count = std::min(rules.size(), checks.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (checks[i] != listCheck[i]) {
            listCheck[i] = checks[i];
            rules[i].enabled = checks[i];
            changed = true;
        }
    }
    return changed;
}

} // namespace velmado::rules
