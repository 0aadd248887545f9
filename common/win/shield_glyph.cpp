#include "common/win/shield_glyph.h"

#include <shellapi.h>

namespace velmado::win {

namespace {

// A 32-bit top-down bitmap, all transparent, with the icon drawn into it.
UniqueGdiObject IconBitmap(HICON icon, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    if (!bitmap || dc == nullptr) {
        if (dc != nullptr) {
            DeleteDC(dc);
        }
        return UniqueGdiObject();
    }
    HGDIOBJ previous = SelectObject(dc, bitmap.get());
    const bool drawn = DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL) != FALSE;
    SelectObject(dc, previous);
    DeleteDC(dc);
    return drawn ? std::move(bitmap) : UniqueGdiObject();
}

} // namespace

UniqueGdiObject SetShieldGlyph(HMENU menu, UINT item, bool byPosition) {
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    SHSTOCKICONINFO stock{};
    stock.cbSize = sizeof(stock);
    UniqueIcon owned;
    HICON icon = nullptr;
    if (SUCCEEDED(SHGetStockIconInfo(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &stock)) &&
        stock.hIcon != nullptr) {
        owned.reset(stock.hIcon);
        icon = stock.hIcon;
    } else {
        // Wine answers without an icon; the system's shared shield is the same picture.
        icon = static_cast<HICON>(
            LoadImageW(nullptr, IDI_SHIELD, IMAGE_ICON, width, height, LR_SHARED));
    }
    if (icon == nullptr) {
        return UniqueGdiObject();
    }
    UniqueGdiObject bitmap = IconBitmap(icon, width, height);
    if (!bitmap) {
        return bitmap;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = static_cast<HBITMAP>(bitmap.get());
    if (!SetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info)) {
        return UniqueGdiObject();
    }
    return bitmap;
}

} // namespace velmado::win
