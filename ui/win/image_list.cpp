#include "ui/win/image_list.h"

namespace velmado::ui {

bool ImageList::Create(int size) {
    Destroy();
    list_ = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 16, 16);
    return list_ != nullptr;
}

void ImageList::Destroy() {
    if (list_ != nullptr) {
        ImageList_Destroy(list_);
        list_ = nullptr;
    }
}

int ImageList::Add(HICON icon) {
    return list_ != nullptr && icon != nullptr ? ImageList_ReplaceIcon(list_, -1, icon) : -1;
}

bool ImageList::Replace(int index, HICON icon) {
    return list_ != nullptr && icon != nullptr && ImageList_ReplaceIcon(list_, index, icon) >= 0;
}

void ImageList::Clear() {
    if (list_ != nullptr) {
        ImageList_RemoveAll(list_);
    }
}

int ImageList::Count() const {
    return list_ != nullptr ? ImageList_GetImageCount(list_) : 0;
}

} // namespace velmado::ui
