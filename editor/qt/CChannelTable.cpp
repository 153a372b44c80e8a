// Channel table widget of the editor page.
#include "editor/qt/CChannelTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include "codeplug/ChannelTableLogic.h"
#include "codeplug/ModelCatalogue.h"

namespace {
const QColor kHighlightBack(0, 0, 255);
const QColor kFixedBack(0xE0, 0xE0, 0xE0);
const QColor kSelectedBack(0xCC, 0xE4, 0xFF); // channel cells of selected rows; red marks stay readable
} // namespace

CChannelTable::CChannelTable(QWidget* parent) : QTableWidget(kTableRows, kTableColumns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
            setItem(r, c, item);
            if (r == 0 || c == 0)
                StyleFixedCell(item);
        }
    }
    for (int c = 0; c < kTableColumns; ++c)
        setColumnHidden(c, ColumnWidthTwips(c) == 0);
    LayoutColumns();
    ResetCells();
    UpdateMinimumHeight();
}

void CChannelTable::StyleFixedCell(QTableWidgetItem* item)
{
    item->setBackground(kFixedBack);
    item->setForeground(Qt::black);
}

void CChannelTable::ResetCells()
{
    const auto headers = ChannelTableHeaders();
    for (int c = 0; c < kTableColumns; ++c)
        item(0, c)->setText(QString::fromStdString(headers[static_cast<std::size_t>(c)]));
    for (int r = 1; r < kTableRows; ++r) {
        item(r, 0)->setText(QString::number(r));
        for (int c = 1; c < kTableColumns; ++c) {
            item(r, c)->setText(QString());
            item(r, c)->setForeground(Qt::black);
            item(r, c)->setBackground(Qt::white);
        }
    }
    m_bHighlighted.fill(false);
    m_selection.Clear();
    ShowSelection();
}

void CChannelTable::SetCellFont(const QFont& font)
{
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c)
            item(r, c)->setFont(font);
    }
    setFont(font);
    UpdateMinimumHeight();
}

void CChannelTable::UpdateMinimumHeight()
{
    // Every row stays tall enough to read and every column stays in view (the table has no scroll
    // bars): below that the page scrolls rather than the table.
    const int rowHeight = fontMetrics().height() + 4;
    setMinimumSize(sizeHint().width(), kTableRows * rowHeight + 2 * frameWidth());
}

void CChannelTable::LayoutRows()
{
    const auto heights = RowHeights(viewport()->height());
    if (heights[1] <= 0)
        return;
    setRowHeight(0, heights[0]);
    for (int r = 1; r < kTableRows; ++r)
        setRowHeight(r, heights[1]);
}

void CChannelTable::LayoutColumns()
{
    const auto widths = ColumnWidths(viewport()->width());
    for (int c = 0; c < kTableColumns; ++c) {
        if (widths[static_cast<std::size_t>(c)] > 0)
            setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    }
}

void CChannelTable::PaintRow(int row, bool highlighted)
{
    if (row < 1 || row >= kTableRows)
        return;
    m_bHighlighted[static_cast<std::size_t>(row)] = highlighted;
    for (int c = 1; c < kTableColumns; ++c) {
        item(row, c)->setForeground(highlighted ? Qt::white : Qt::black);
        item(row, c)->setBackground(RowBackground(row));
    }
    MarkOutOfBand(row);
}

QColor CChannelTable::RowBackground(int row) const
{
    if (m_bHighlighted[static_cast<std::size_t>(row)])
        return kHighlightBack;
    return m_selection.IsSelected(row) ? kSelectedBack : QColor(Qt::white);
}

void CChannelTable::ShowSelection()
{
    for (int r = 1; r < kTableRows; ++r) {
        const bool selected = m_selection.IsSelected(r);
        item(r, 0)->setBackground(selected ? palette().color(QPalette::Highlight) : kFixedBack);
        item(r, 0)->setForeground(selected ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        for (int c = 1; c < kTableColumns; ++c)
            item(r, c)->setBackground(RowBackground(r));
    }
    if (m_selection.Current() != 0)
        setCurrentCell(m_selection.Current(), 0);
}

void CChannelTable::SelectRows(int first, int last)
{
    m_selection.SelectRange(first, last);
    ShowSelection();
    emit SelectionChanged();
}

void CChannelTable::ClearSelection()
{
    m_selection.Clear();
    ShowSelection();
    emit SelectionChanged();
}

void CChannelTable::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    const int row = index.isValid() ? index.row() : 0;
    if (row >= 1 && event->button() == Qt::LeftButton && index.column() == 0) {
        // Rows are chosen by their channel number; a click on a channel cell still does nothing.
        const Qt::KeyboardModifiers mods = event->modifiers();
        if (mods & Qt::ShiftModifier)
            m_selection.ShiftClick(row);
        else if (mods & Qt::ControlModifier)
            m_selection.CtrlClick(row);
        else
            m_selection.Click(row);
        ShowSelection();
        emit SelectionChanged();
    } else if (row >= 1 && event->button() == Qt::RightButton && !m_selection.IsSelected(row)) {
        // The context menu acts on the row under the mouse when that row is not selected yet.
        m_selection.Click(row);
        ShowSelection();
        emit SelectionChanged();
    }
    QTableWidget::mousePressEvent(event);
}

void CChannelTable::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        m_selection.Move(event->key() == Qt::Key_Up ? -1 : 1, event->modifiers() & Qt::ShiftModifier);
        ShowSelection();
        emit SelectionChanged();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CChannelTable::MarkOutOfBand(int row)
{
    if (row < 1 || row >= kTableRows)
        return;
    for (int c : {kColRx, kColTx}) {
        if (CellOutOfBand(item(row, c)->text().toStdString(), g_band))
            item(row, c)->setForeground(Qt::red);
    }
}

void CChannelTable::SetRowTexts(int row, const QStringList& texts, bool rxRed, bool txRed)
{
    if (row < 1 || row >= kTableRows)
        return;
    for (int c = 0; c < kTableColumns && c < texts.size(); ++c)
        item(row, c)->setText(texts[c]);
    item(row, kColRx)->setForeground(rxRed ? Qt::red : Qt::black);
    item(row, kColTx)->setForeground(txRed ? Qt::red : Qt::black);
}

QSize CChannelTable::sizeHint() const
{
    int width = 2 * frameWidth();
    for (int c = 0; c < kTableColumns; ++c)
        width += TwipsToPixels(ColumnWidthTwips(c));
    return {width, 17 * 22 + 2 * frameWidth()};
}

void CChannelTable::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    LayoutColumns();
    LayoutRows();
}
