#pragma once
// What a rule's action and position fields ask of a window, worked out without touching it.
#include <cstdint>
#include <optional>
#include <string>

#include "common/geometry.h"
#include "rules/rule.h"

namespace velmado::rules {

inline constexpr wchar_t kAnchorMarker[] = L"(右下基準)";
inline constexpr wchar_t kKeyMarker[] = L"[キー]";
inline constexpr wchar_t kPriorityMarker[] = L"優先度：";
inline constexpr wchar_t kOpacityMarker[] = L"半透明：";

// The actions that place and size the window.
bool IsGeometryAction(const std::wstring& action);

struct GeometryPlan {
    common::XYWH target;
    bool acted = false; // something differs, or the action maximises or fills the screen
};

// The rectangle the rule's Left/Top/Width/Height ask for, given the current one. Empty fields
// keep the current value; a field that is not a number counts as 0. With the anchor marker in
// Left, Left and Top give the right and bottom edges (after the size is settled). "最大化" and
// "全画面" keep the current size: they only place the window.
GeometryPlan PlanGeometry(const Rule& rule, const common::XYWH& current);

// The text after the marker, or nothing when the action lacks the marker or nothing follows it.
std::optional<std::wstring> TextAfterMarker(const std::wstring& action, const std::wstring& marker);

// "[キー]" + shortcut text: the shortcut text.
std::optional<std::wstring> KeyTextOf(const std::wstring& action);
// "優先度：" + level: the process priority class; an unknown level means normal (0x20).
std::optional<std::uint32_t> PriorityClassOf(const std::wstring& action);
// "半透明：" + percent + "%": the percent (0 when it is not a number).
std::optional<int> OpacityPercentOf(const std::wstring& action);

// A dialog's message text as conditions store it: CR LF, CR and LF each become "{改行}".
std::wstring NormaliseMessageText(const std::wstring& text);
// The rule's message condition holds for a dialog whose message is `text`.
bool MessageConditionHolds(const std::wstring& condition, const std::wstring& text);

} // namespace velmado::rules
