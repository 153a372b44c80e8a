// Row selection of the channel table, kept apart from the widget so its rules can be tested directly.
#include "editor/RowSelection.h"

#include <algorithm>

RowSelection::RowSelection(int rows) : m_rows(rows), m_selected(static_cast<std::size_t>(rows), false) {}

void RowSelection::Click(int row)
{
    if (!Valid(row))
        return;
    Clear();
    m_selected[static_cast<std::size_t>(row - 1)] = true;
    m_anchor = m_current = row;
}

void RowSelection::ShiftClick(int row)
{
    if (!Valid(row))
        return;
    if (m_anchor == 0) {
        Click(row);
        return;
    }
    const int anchor = m_anchor;
    SelectRange(anchor, row);
    m_anchor = anchor;
}

void RowSelection::CtrlClick(int row)
{
    if (!Valid(row))
        return;
    const auto i = static_cast<std::size_t>(row - 1);
    m_selected[i] = !m_selected[i];
    m_anchor = m_current = row;
}

void RowSelection::Move(int delta, bool extend)
{
    const int from = m_current == 0 ? (delta > 0 ? 0 : m_rows + 1) : m_current;
    const int to = std::clamp(from + delta, 1, m_rows);
    if (extend && m_anchor != 0)
        ShiftClick(to);
    else
        Click(to);
}

void RowSelection::SelectRange(int first, int last)
{
    if (!Valid(first) || !Valid(last))
        return;
    Clear();
    for (int r = std::min(first, last); r <= std::max(first, last); ++r)
        m_selected[static_cast<std::size_t>(r - 1)] = true;
    m_anchor = first;
    m_current = last;
}

void RowSelection::Clear()
{
    std::fill(m_selected.begin(), m_selected.end(), false);
    m_anchor = m_current = 0;
}

bool RowSelection::IsSelected(int row) const
{
    return Valid(row) && m_selected[static_cast<std::size_t>(row - 1)];
}

std::vector<int> RowSelection::Rows() const
{
    std::vector<int> rows;
    for (int r = 1; r <= m_rows; ++r)
        if (IsSelected(r))
            rows.push_back(r);
    return rows;
}

int RowSelection::PasteRow() const
{
    const std::vector<int> rows = Rows();
    if (!rows.empty())
        return rows.front();
    return m_current != 0 ? m_current : 1;
}
