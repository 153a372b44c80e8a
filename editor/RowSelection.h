// Which rows of the channel table are selected for copy, cut, paste and delete: a click on a channel
// number selects its row, a shift-click the rows from the last click to it, a ctrl-click adds or
// removes one row; the arrow keys move the current row.
#pragma once

#include <vector>

class RowSelection {
public:
    explicit RowSelection(int rows = 16);

    void Click(int row);      // this row alone; it becomes the anchor and the current row
    void ShiftClick(int row); // the rows from the anchor to this one
    void CtrlClick(int row);  // this row added or removed
    // The current row moves by delta (kept within the table); extend keeps the anchor (shift + arrow).
    void Move(int delta, bool extend);
    void SelectRange(int first, int last); // first ... last alone, first the anchor, last current
    void Clear();

    bool IsSelected(int row) const;
    std::vector<int> Rows() const;            // ascending
    int Current() const { return m_current; } // 0 when nothing was clicked yet
    // Where a paste begins: the topmost selected row, else the current row, else row 1.
    int PasteRow() const;

private:
    bool Valid(int row) const { return row >= 1 && row <= m_rows; }

    int m_rows;
    std::vector<bool> m_selected; // index row - 1
    int m_anchor = 0;
    int m_current = 0;
};
