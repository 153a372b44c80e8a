// Channel table widget of the editor page.
#include "editor/CChannelTable.h"

#include <QHeaderView>
#include <QResizeEvent>

#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelTableLogic.h"

namespace {
const QColor kHighlightBack(0, 0, 255);
const QColor kFixedBack(0xE0, 0xE0, 0xE0);
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
    for (int c = 1; c < kTableColumns; ++c) {
        item(row, c)->setForeground(highlighted ? Qt::white : Qt::black);
        item(row, c)->setBackground(highlighted ? kHighlightBack : QColor(Qt::white));
    }
    MarkOutOfBand(row);
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
