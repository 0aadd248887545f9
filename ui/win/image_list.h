#pragma once
// An image list of small icons that this program owns.
#include <windows.h>
#include <commctrl.h>

namespace velmado::ui {

class ImageList {
public:
    ImageList() = default;
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList() { Destroy(); }

    // A new, empty list of icons of that size in pixels; the old list is destroyed.
    bool Create(int size);
    void Destroy();
    HIMAGELIST Handle() const { return list_; }
    // The index of the added copy of the icon; -1 without one.
    int Add(HICON icon);
    // Replaces the image at `index` with a copy of the icon; false without one.
    bool Replace(int index, HICON icon);
    void Clear();
    int Count() const;

private:
    HIMAGELIST list_ = nullptr;
};

} // namespace velmado::ui
