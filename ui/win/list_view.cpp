#include "ui/win/list_view.h"

#include <commctrl.h>

#include "ui/win/controls.h"

namespace velmado::ui {

namespace {

struct Quiet {
    explicit Quiet(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
    ~Quiet() { flag_ = before_; }

private:
    bool& flag_;
    bool before_;
};

UINT CheckState(bool checked) {
    return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
}

} // namespace

bool ListView::Create(HWND parent, int id, const Options& options, HFONT font) {
    DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                  WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS;
    if (options.editLabels) {
        style |= LVS_EDITLABELS;
    }
    list_ = CreateControl(parent, WC_LISTVIEWW, L"", style, id, font, WS_EX_CLIENTEDGE);
    if (list_ == nullptr) {
        return false;
    }
    DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
    if (options.checkBoxes) {
        extended |= LVS_EX_CHECKBOXES;
    }
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    return true;
}

void ListView::SetColumns(const std::vector<Column>& columns) {
    while (columnCount_ > 0) {
        SendMessageW(list_, LVM_DELETECOLUMN, static_cast<WPARAM>(--columnCount_), 0);
    }
    for (const Column& column : columns) {
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        item.pszText = const_cast<wchar_t*>(column.caption.c_str());
        item.cx = column.width;
        item.iSubItem = columnCount_;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(columnCount_),
                     reinterpret_cast<LPARAM>(&item));
        ++columnCount_;
    }
}

int ListView::ColumnWidth(int column) const {
    return static_cast<int>(
        SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

void ListView::SetColumnWidth(int column, int width) {
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

void ListView::SetImageList(HIMAGELIST images) {
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void ListView::Clear() {
    const Quiet quiet(quiet_);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
}

int ListView::Count() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

int ListView::AddRow(const std::vector<std::wstring>& texts, int image, bool checked) {
    const Quiet quiet(quiet_);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = Count();
    item.pszText = const_cast<wchar_t*>(texts.empty() ? L"" : texts[0].c_str());
    item.iImage = image;
    const int row =
        static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) {
        return row;
    }
    for (std::size_t column = 1; column < texts.size(); ++column) {
        SetText(row, static_cast<int>(column), texts[column]);
    }
    SetChecked(row, checked);
    return row;
}

void ListView::SetRow(int row, const std::vector<std::wstring>& texts, int image, bool checked) {
    const Quiet quiet(quiet_);
    for (std::size_t column = 0; column < texts.size(); ++column) {
        SetText(row, static_cast<int>(column), texts[column]);
    }
    SetImage(row, image);
    SetChecked(row, checked);
}

void ListView::DeleteRow(int row) {
    const Quiet quiet(quiet_);
    SendMessageW(list_, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

std::wstring ListView::Text(int row, int column) const {
    // The control copies at most the buffer; grow until the text fits.
    for (std::size_t size = 256;; size *= 4) {
        std::wstring text(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(SendMessageW(
            list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size || size >= 65536) {
            text.resize(length < size ? length : size - 1);
            return text;
        }
    }
}

void ListView::SetText(int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

int ListView::Image(int row) const {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

void ListView::SetImage(int row, int image) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool ListView::Checked(int row) const {
    const auto state = static_cast<UINT>(
        SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == CheckState(true);
}

void ListView::SetChecked(int row, bool checked) {
    const Quiet quiet(quiet_);
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = CheckState(checked);
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

std::vector<bool> ListView::Checks() const {
    std::vector<bool> checks;
    const int count = Count();
    checks.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        checks.push_back(Checked(row));
    }
    return checks;
}

int ListView::Selected() const {
    return static_cast<int>(
        SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::Select(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Clear every row, then mark the one.
    item.state = 0;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row < 0 || row >= Count()) {
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

std::optional<LRESULT> ListView::Notify(const NMHDR& header) {
    if (header.hwndFrom != list_) {
        return std::nullopt;
    }
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0) {
            return 0;
        }
        const UINT changed = change.uNewState ^ change.uOldState;
        if ((changed & LVIS_STATEIMAGEMASK) != 0 && !quiet_ &&
            (change.uOldState & LVIS_STATEIMAGEMASK) != 0) {
            if (auto handler = OnCheckChanged) {
                handler();
            }
        }
        if ((changed & LVIS_SELECTED) != 0) {
            if (auto handler = OnSelectionChanged) {
                handler();
            }
        }
        return 0;
    }
    case NM_DBLCLK:
    case NM_RETURN: {
        const int row = Selected();
        if (row >= 0) {
            if (auto handler = OnActivate) {
                handler(row);
            }
        }
        return 0;
    }
    case LVN_BEGINLABELEDITW:
        return OnEdited ? FALSE : TRUE;
    case LVN_ENDLABELEDITW: {
        const auto& edit = reinterpret_cast<const NMLVDISPINFOW&>(header);
        if (edit.item.pszText == nullptr) {
            return FALSE; // cancelled
        }
        auto handler = OnEdited;
        return handler && handler(edit.item.iItem, edit.item.pszText) ? TRUE : FALSE;
    }
    default:
        return std::nullopt;
    }
}

} // namespace velmado::ui
