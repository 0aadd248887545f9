#pragma once
// Turning a window shown on the registration page into a rule, and the texts the page shows.
#include <cstddef>
#include <optional>
#include <string>

#include "common/geometry.h"
#include "rules/rule.h"
#include "rules/rule_matcher.h"

namespace velmado::rules {

// Which of caption and class the rule keeps (radio group RDCapCls).
enum class CapClsChoice { CaptionAndClass = 0, Caption = 1, Class = 2 };

// The action (radio group RGSize, in its item order).
enum class SizeChoice {
    Normal = 0,
    Maximize,
    Minimize,
    Hide,
    FullScreen,
    Close,
    Enter,
    Esc,
    Key,
    Priority,
    Opacity
};

// Which of position and size a "通常" rule keeps, and what a fixed rule fixes (RDPosSize).
enum class PosSizeChoice { PositionAndSize = 0, Position = 1, Size = 2 };

// What the registration page holds when the window is registered.
struct Registration {
    std::wstring program; // the path with doubled ampersands already undone (UnescapeAmpersands)
    std::wstring caption;
    std::wstring className;
    std::wstring styleText;   // 8 hexadecimal digits as shown (stored upper-case)
    bool partial = false;     // CHKParts: the caption is a part ("一部") rather than the whole
    bool rightBottom = false; // CHKRightBottom: anchor at the right and bottom edges
    bool useStyle = false;    // CHKStyle
    bool useMessage = false;  // CHKMessage
    std::wstring messageMemo; // the memo's text, lines separated by CR LF
    CapClsChoice capCls = CapClsChoice::CaptionAndClass;
    SizeChoice size = SizeChoice::Normal;
    PosSizeChoice posSize = PosSizeChoice::PositionAndSize;
    bool fixed = false;       // CHKFix
    bool hideTaskbar = false; // CHKNonTaskBar
    bool onlyOne = false;     // CHKOnly
    bool topmost = false;     // ChkTop
    common::XYWH rect;        // the window's left, top, width, height
    // The window's normal (restored) placement while it is maximised; absent otherwise.
    std::optional<common::XYWH> restored;
    std::wstring keyText; // SizeChoice::Key: shortcut text chosen in the sub dialog
    std::wstring priorityText; // SizeChoice::Priority: "通常", "低", "高", "通常以下", "通常以上"
    int opacityPercent = 100; // SizeChoice::Opacity: 10 to 100 (clamped)
};

// The rule's Action text: "通常", "最大化", "最小化", "隠す", "全画面", "閉じる", "[Enter]",
// "[Esc]", "[キー]" + key text, "優先度：" + level, "半透明：" + percent + "%". A key choice
// without key text or a priority choice with an unknown level gives "通常", as the page does when
// the sub dialog ends without a choice.
std::wstring ActionText(const Registration& registration);

// The new rule: enabled, Program = the path, caption/match/class by the CapCls choice, the
// action and its position fields, the options, the message (CR LF as "{改行}") and the style
// when chosen; Handle empty. "最大化" stores the restored width and height of a maximised
// window; the anchor stores "(右下基準)" + right and "(右下基準)" + bottom in Left and Top.
// The PosSize choice selects the position fields of "通常" only; Fixed names its kind whenever
// `fixed` is set.
Rule BuildRule(const Registration& registration);

// Which category an action belongs to for re-registration: the window states ("通常",
// "最大化", "最小化", "隠す", "全画面", "閉じる") share one; "[Enter]", "[Esc]" and texts
// containing "[キー]", "優先度：" or "半透明：" have one each. Any other text belongs to none.
enum class ActionCategory { None, WindowState, Enter, Esc, Key, Priority, Opacity };
ActionCategory CategoryOf(const std::wstring& action);

// The rule to replace when a window is registered again: the lowest flagged rule whose action
// is in the same category as `newAction`; nothing when there is none or `newAction` is in no
// category. `flags` are the matcher's flags for the window (Func_FindItemWindow).
std::optional<std::size_t> RuleToReRegister(const RuleList& rules, const MatchFlags& flags,
                                            const std::wstring& newAction);
// The same, running the matcher with the page's program, caption, class and style text (the
// style text whether or not it is chosen) and taking the action from ActionText.
std::optional<std::size_t> RuleToReRegister(const RuleList& rules,
                                            const Registration& registration);

// Whether "登録(&G)" may register the window: the list has room, the window is not of class
// "TApplication" and has a positive width and height.
bool CanRegister(std::size_t ruleCount, const std::wstring& className, const common::XYWH& rect);

// TXTPosSize: "左：" + left + " 上：" + top + " 横：" + width + " 縦：" + height; with the anchor
// "右：" + (left + width) + " 下：" + (top + height) + " 横：" + width + " 縦：" + height.
std::wstring PositionText(const common::XYWH& rect, bool rightBottom);

// The sub dialog's opacity: tens item index (0 = "10" … 9 = "100") and units item index
// (0 … 9; negative = none chosen, read as 0) give 10 × tens + units + 10, kept within 10 … 100.
// An index outside its list is taken as its nearest end.
int OpacityPercent(int tensIndex, int unitsIndex);

// The memo's text as a message condition: every line break (CR LF, or a lone CR or LF) becomes
// "{改行}", the form in which dialog texts are compared.
std::wstring MemoToMessage(const std::wstring& memo);
// A message condition shown in the memo: every "{改行}" becomes CR LF.
std::wstring MessageToMemo(const std::wstring& message);

} // namespace velmado::rules
