#include "ui/win/controls.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/win/list_view.h"
#include "ui/win/modal.h"
#include "ui/win/timer.h"
#include "ui/win/window.h"

namespace velmado::ui {
namespace {

class OwnWindow {
public:
    OwnWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"modal", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    ~OwnWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(ModalTest, OtherWindowsAreDisabledUntilTheModalWindowHides) {
    const OwnWindow other;
    const OwnWindow hidden;
    const OwnWindow modal;
    ShowWindow(other.get(), SW_SHOWNOACTIVATE);
    ShowWindow(modal.get(), SW_SHOWNOACTIVATE);
    bool otherEnabledDuring = true;
    bool modalEnabledDuring = false;
    Timer timer;
    timer.SetInterval(30);
    timer.OnTimer = [&] {
        otherEnabledDuring = IsWindowEnabled(other.get()) != FALSE;
        modalEnabledDuring = IsWindowEnabled(modal.get()) != FALSE;
        timer.SetEnabled(false);
        ShowWindow(modal.get(), SW_HIDE);
    };
    timer.SetEnabled(true);
    RunModal(modal.get());
    EXPECT_FALSE(otherEnabledDuring);
    EXPECT_TRUE(modalEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(other.get()));
    EXPECT_TRUE(IsWindowEnabled(hidden.get()));
}

TEST(ListViewTest, OnlyTheUsersCheckChangesAreReported) {
    ListView list;
    Window parent;
    ASSERT_TRUE(
        parent.Create({}, [&](UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
            if (message == WM_NOTIFY) {
                return list.Notify(*reinterpret_cast<const NMHDR*>(lParam));
            }
            return std::nullopt;
        }));
    ASSERT_TRUE(list.Create(parent.Handle(), 7, {.checkBoxes = true}, nullptr));
    list.SetColumns({{L"A", 50}, {L"B", 50}});
    int reported = 0;
    list.OnCheckChanged = [&] { ++reported; };
    list.AddRow({L"one", L"1"}, -1, true);
    list.AddRow({L"two", L"2"}, -1, false);
    list.SetChecked(0, false);
    EXPECT_EQ(reported, 0);
    EXPECT_EQ(list.Checks(), (std::vector<bool>{false, false}));

    // A change that does not come through the class: the user's click.
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(2);
    SendMessageW(list.Handle(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(list.Checks(), (std::vector<bool>{false, true}));
    EXPECT_EQ(list.Text(1, 1), L"2");
}

TEST(RadioGroupTest, ItemIndexFollowsTheCheckedButton) {
    const OwnWindow parent;
    RadioGroup group;
    group.Create(parent.get(), L"[グループ]", {L"一", L"二", L"三"}, 200, nullptr);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(group.Owns(202));
    EXPECT_FALSE(group.Owns(203));
    const SIZE twoColumns = group.PreferredSize(2, 96);
    const SIZE oneColumn = group.PreferredSize(1, 96);
    EXPECT_LT(twoColumns.cy, oneColumn.cy);
    EXPECT_EQ(ScaleForDpi(100, 144), 150);
}

} // namespace
} // namespace velmado::ui
