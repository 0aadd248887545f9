#pragma once
// A report-view list view: columns, rows of texts with an icon, optional check boxes, one
// selected row and in-place editing of the first column.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmado::ui {

class ListView {
public:
    struct Column {
        std::wstring caption;
        int width = 100;
    };
    struct Options {
        bool checkBoxes = false;
        bool editLabels = false;
    };

    bool Create(HWND parent, int id, const Options& options, HFONT font);
    HWND Handle() const { return list_; }

    void SetColumns(const std::vector<Column>& columns);
    int ColumnCount() const { return columnCount_; }
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    // The small-icon list; the caller keeps it alive.
    void SetImageList(HIMAGELIST images);

    void Clear();
    int Count() const;
    // Appends a row; returns its index.
    int AddRow(const std::vector<std::wstring>& texts, int image, bool checked = false);
    void SetRow(int row, const std::vector<std::wstring>& texts, int image, bool checked);
    void DeleteRow(int row);
    std::wstring Text(int row, int column) const;
    void SetText(int row, int column, const std::wstring& text);
    int Image(int row) const;
    void SetImage(int row, int image);
    bool Checked(int row) const;
    void SetChecked(int row, bool checked);
    std::vector<bool> Checks() const;

    // The selected row, or -1.
    int Selected() const;
    // Selects and focuses the row (-1: none) and scrolls it into view.
    void Select(int row);

    // The parent passes its WM_NOTIFY here; a value answers the notification.
    std::optional<LRESULT> Notify(const NMHDR& header);

    // The user changed a check box.
    std::function<void()> OnCheckChanged;
    std::function<void()> OnSelectionChanged;
    // Double click or Enter on a row.
    std::function<void(int row)> OnActivate;
    // The first column of the row was edited in place; true keeps the new text.
    std::function<bool(int row, const std::wstring& text)> OnEdited;

private:
    HWND list_ = nullptr;
    int columnCount_ = 0;
    // Changes made through this class are not the user's.
    bool quiet_ = false;
};

} // namespace velmado::ui
