#include "commands/win/window_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

using velmado::commands::ApplyWindowsVersionToWindowMenu;
using velmado::commands::BuildWindowMenu;
using velmado::commands::kShieldImage;
using velmado::ui::MenuItem;
using velmado::ui::PopupMenu;
using velmado::ui::RenderMenu;

namespace {

// The native item that stands for the model item, searched through the submenus.
bool FindNative(HMENU menu, const std::vector<MenuItem*>& commands, const MenuItem* wanted,
                MENUITEMINFOW& found) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_BITMAP | MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
            continue;
        }
        if (info.wID >= 1 && info.wID <= commands.size() && commands[info.wID - 1] == wanted) {
            found = info;
            return true;
        }
        if (info.hSubMenu != nullptr && FindNative(info.hSubMenu, commands, wanted, found)) {
            return true;
        }
    }
    return false;
}

// Lets the menu's owner draw the image of an item into a white bitmap; true when it drew.
bool OwnerDrawsImage(PopupMenu& menu, ULONG_PTR image) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = image;
    SendMessageW(menu.OwnerWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, static_cast<UINT>(GetSystemMetrics(SM_CXSMICON)));
    EXPECT_EQ(measure.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYSMICON)));

    constexpr int kSide = 32;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const velmado::win::UniqueGdiObject bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    if (!bitmap || dc == nullptr) {
        ADD_FAILURE() << "no drawing surface";
        if (dc != nullptr) {
            DeleteDC(dc);
        }
        return false;
    }
    auto* pixels = static_cast<DWORD*>(bits);
    std::fill(pixels, pixels + kSide * kSide, 0x00FFFFFFu);
    const HGDIOBJ previous = SelectObject(dc, bitmap.get());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hDC = dc;
    draw.rcItem = {0, 0, kSide, kSide};
    draw.itemData = image;
    SendMessageW(menu.OwnerWindow(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    GdiFlush();
    SelectObject(dc, previous);
    DeleteDC(dc);
    return std::any_of(pixels, pixels + kSide * kSide,
                       [](DWORD pixel) { return (pixel & 0x00FFFFFFu) != 0x00FFFFFFu; });
}

} // namespace

TEST(WindowMenu, ElevatingCommandsCarryTheShieldWhereAccountControlAsks) {
    PopupMenu menu;
    BuildWindowMenu(menu);
    MenuItem& admin = *menu.Find(L"PPExecuteAdmin");
    MenuItem& again = *menu.Find(L"PPReExecuteAdmin");

    ApplyWindowsVersionToWindowMenu(menu, {10, 0, 19045}, true);
    EXPECT_TRUE(admin.visible);
    EXPECT_TRUE(again.visible);
    EXPECT_EQ(admin.imageIndex, kShieldImage);
    EXPECT_EQ(again.imageIndex, kShieldImage);
    ASSERT_NE(menu.Image(kShieldImage), nullptr);

    std::vector<MenuItem*> commands;
    const velmado::win::UniqueMenu native = RenderMenu(menu.Items(), commands);
    MENUITEMINFOW info{};
    ASSERT_TRUE(FindNative(native.get(), commands, &admin, info));
    EXPECT_EQ(info.hbmpItem, HBMMENU_CALLBACK);
    EXPECT_EQ(info.dwItemData, static_cast<ULONG_PTR>(kShieldImage));
    EXPECT_TRUE(OwnerDrawsImage(menu, kShieldImage));

    // Account control off, and a system before it existed.
    const std::pair<velmado::common::WindowsVersion, bool> quiet[] = {{{10, 0, 19045}, false},
                                                                      {{5, 1, 2600}, true}};
    for (const auto& [version, uac] : quiet) {
        ApplyWindowsVersionToWindowMenu(menu, version, uac);
        EXPECT_FALSE(admin.visible) << version.major;
        EXPECT_FALSE(again.visible) << version.major;
        EXPECT_EQ(admin.imageIndex, -1) << version.major;
        EXPECT_EQ(menu.Image(kShieldImage), nullptr) << version.major;
    }
    commands.clear();
    admin.visible = true;
    const velmado::win::UniqueMenu plain = RenderMenu(menu.Items(), commands);
    ASSERT_TRUE(FindNative(plain.get(), commands, &admin, info));
    EXPECT_EQ(info.hbmpItem, nullptr);
}
