#include "rules/rule_plan.h"

#include <algorithm>
#include <limits>

#include "common/text.h"

namespace velmado::rules {

namespace {

bool KeepsSize(const std::wstring& action) {
    return action == L"最大化" || action == L"全画面";
}

// The field's number; an anchored edge without its marker is read whole.
int FieldValue(const std::wstring& text, bool anchored) {
    const std::wstring_view marker = kAnchorMarker;
    std::wstring_view digits = text;
    if (anchored && digits.starts_with(marker)) {
        digits.remove_prefix(marker.size());
    }
    return common::SafeStrToInt(digits);
}

void PlanSize(const std::wstring& field, int& size, bool keepSize, bool& acted) {
    if (field.empty()) {
        return;
    }
    const int value = FieldValue(field, false);
    if (value != size) {
        if (!keepSize) {
            size = value;
        }
        acted = true;
    }
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

void PlanEdge(const std::wstring& field, int& edge, int size, bool anchored, bool& acted) {
    if (field.empty()) {
        return;
    }
    const long long value = FieldValue(field, anchored);
    // Anchored, the value is the far edge: right = left + width, bottom = top + height.
    const long long current = anchored ? static_cast<long long>(edge) + size : edge;
    if (current != value) {
        edge = ClampToInt(anchored ? value - size : value);
        acted = true;
    }
}

} // namespace

bool IsGeometryAction(const std::wstring& action) {
    return action == L"通常" || KeepsSize(action);
}

GeometryPlan PlanGeometry(const Rule& rule, const common::XYWH& current) {
    GeometryPlan plan{current, false};
    common::XYWH& t = plan.target;
    const bool keepSize = KeepsSize(rule[Rule::Action]);
    const bool anchored = rule[Rule::Left].find(kAnchorMarker) != std::wstring::npos;
    // The size first, so that anchored edges land where the rule says.
    PlanSize(rule[Rule::Height], t.height, keepSize, plan.acted);
    PlanSize(rule[Rule::Width], t.width, keepSize, plan.acted);
    PlanEdge(rule[Rule::Top], t.top, t.height, anchored, plan.acted);
    PlanEdge(rule[Rule::Left], t.left, t.width, anchored, plan.acted);
    if (keepSize) {
        plan.acted = true;
    }
    return plan;
}

std::optional<std::wstring> TextAfterMarker(const std::wstring& action,
                                            const std::wstring& marker) {
    const std::size_t at = action.find(marker);
    if (at == std::wstring::npos || at + marker.size() == action.size()) {
        return std::nullopt;
    }
    return action.substr(at + marker.size());
}

std::optional<std::wstring> KeyTextOf(const std::wstring& action) {
    return TextAfterMarker(action, kKeyMarker);
}

std::optional<std::uint32_t> PriorityClassOf(const std::wstring& action) {
    const auto level = TextAfterMarker(action, kPriorityMarker);
    if (!level) {
        return std::nullopt;
    }
    static constexpr struct {
        const wchar_t* level;
        std::uint32_t priorityClass;
    } kLevels[] = {
        {L"通常", 0x20}, {L"低", 0x40}, {L"高", 0x80}, {L"通常以下", 0x4000}, {L"通常以上", 0x8000},
    };
    for (const auto& entry : kLevels) {
        if (*level == entry.level) {
            return entry.priorityClass;
        }
    }
    return 0x20;
}

std::optional<int> OpacityPercentOf(const std::wstring& action) {
    const auto text = TextAfterMarker(action, kOpacityMarker);
    if (!text) {
        return std::nullopt;
    }
    // The last character is the "%".
    return common::SafeStrToInt(std::wstring_view(*text).substr(0, text->size() - 1));
}

std::wstring NormaliseMessageText(const std::wstring& text) {
    static constexpr wchar_t kLineBreak[] = L"{改行}";
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            if (i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
            out += kLineBreak;
        } else if (text[i] == L'\n') {
            out += kLineBreak;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool MessageConditionHolds(const std::wstring& condition, const std::wstring& text) {
    return NormaliseMessageText(text).find(condition) != std::wstring::npos;
}

} // namespace velmado::rules
