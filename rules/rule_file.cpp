#include "rules/rule_file.h"

#include <algorithm>
#include <cstdint>

namespace velmado::rules {

namespace {

constexpr wchar_t kListSection[] = L"List";
constexpr wchar_t kCountKey[] = L"Count";
constexpr wchar_t kEnabledKey[] = L"Enabled";
constexpr wchar_t kDialogSection[] = L"Dialog";

std::wstring RuleSection(std::size_t index) {
    return L"Window" + std::to_wstring(index);
}

std::wstring FieldKey(std::size_t field) {
    return std::to_wstring(field);
}

Rule ReadRule(const storage::IniDocument& ini, const std::wstring& section) {
    Rule rule;
    rule.enabled = ini.ReadBool(section, kEnabledKey, true);
    for (std::size_t field = 0; field < Rule::Handle; ++field) {
        rule.fields[field] = ini.ReadString(section, FieldKey(field), L"");
    }
    return rule;
}

} // namespace

ReadRulesResult ReadRuleList(const storage::IniDocument& ini) {
    ReadRulesResult result;
    // "Count" is the last index, so -1 (the default) and anything below mean no rules.
    const std::int64_t named =
        static_cast<std::int64_t>(ini.ReadInteger(kListSection, kCountKey, -1)) + 1;
    if (named <= 0) {
        return result;
    }
    const auto count = static_cast<std::size_t>(named);
    const std::size_t kept = std::min(count, kMaxRules);
    result.dropped = count - kept;
    result.rules.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        result.rules.push_back(ReadRule(ini, RuleSection(i)));
    }
    return result;
}

void WriteRuleList(RuleList& rules, storage::IniDocument& ini) {
    ini.WriteInteger(kListSection, kCountKey, static_cast<int>(rules.size()) - 1);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        Rule& rule = rules[i];
        rule[Rule::Handle].clear();
        const std::wstring section = RuleSection(i);
        ini.WriteString(section, kEnabledKey, rule.enabled ? L"1" : L"0");
        for (std::size_t field = 0; field < Rule::kFieldCount; ++field) {
            ini.WriteString(section, FieldKey(field), rule.fields[field]);
        }
    }
}

ImportResult ImportRules(const RuleList& incoming, RuleList& rules,
                         const RuleCoveredCheck& matchesExisting) {
    ImportResult result;
    for (const Rule& rule : incoming) {
        if (matchesExisting(rule[Rule::Program], rule[Rule::Caption], rule[Rule::ClassName],
                            rule[Rule::Style])) {
            continue;
        }
        if (rules.size() >= kMaxRules) {
            ++result.refused;
            continue;
        }
        rules.push_back(rule);
        ++result.appended;
    }
    return result;
}

common::XYWH ReadDialogRect(const storage::IniDocument& ini) {
    return {ini.ReadInteger(kDialogSection, L"Left", kNoDialogValue),
            ini.ReadInteger(kDialogSection, L"Top", kNoDialogValue),
            ini.ReadInteger(kDialogSection, L"Width", kNoDialogValue),
            ini.ReadInteger(kDialogSection, L"Height", kNoDialogValue)};
}

void WriteDialogRect(const common::XYWH& rect, storage::IniDocument& ini) {
    ini.WriteInteger(kDialogSection, L"Left", rect.left);
    ini.WriteInteger(kDialogSection, L"Top", rect.top);
    ini.WriteInteger(kDialogSection, L"Width", rect.width);
    ini.WriteInteger(kDialogSection, L"Height", rect.height);
}

std::wstring DesktopKey(const common::Rect& desktop) {
    return std::to_wstring(desktop.left) + L"," + std::to_wstring(desktop.top) + L"x" +
           std::to_wstring(desktop.right) + L"," + std::to_wstring(desktop.bottom);
}

void CleanRecentRuleFiles(std::vector<std::wstring>& items, const common::MruFileSystem& files) {
    for (std::size_t i = items.size(); i-- > 0;) {
        bool keep = files.exists(items[i]);
        if (keep) {
            const std::wstring stored = files.storedPath(items[i]);
            const auto found =
                std::find_if(items.begin(), items.end(), [&](const std::wstring& item) {
                    return files.samePath(item, stored);
                });
            keep = found == items.begin() + static_cast<std::ptrdiff_t>(i);
        }
        if (!keep) {
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

} // namespace velmado::rules
