// The page's 17 x 8 channel table: header row and channel-number column as fixed-looking cells,
// centred texts, column widths from twips, row heights shared out from the grid's height.
#pragma once

#include <QTableWidget>

#include <array>

#include "editor/RowSelection.h"

class CChannelTable : public QTableWidget {
    Q_OBJECT
public:
    explicit CChannelTable(QWidget* parent = nullptr);

    // Clears every channel cell, puts the headers and channel numbers back, black on white.
    void ResetCells();
    // Cell font of every cell (the CJK face in Chinese mode).
    void SetCellFont(const QFont& font);
    // Shares the grid's height out among the rows: h / 17 each, the header takes the rest.
    void LayoutRows();
    // Column widths from twips; a grid wider than that shares the extra width among the columns.
    void LayoutColumns();
    // Colours of columns 1 ... 7 of a channel row: white on blue when highlighted, black on white
    // otherwise; then frequency cells outside the band turn red.
    void PaintRow(int row, bool highlighted);
    void MarkOutOfBand(int row);
    // Sets the texts of a channel row (columns 0 ... 7) and red marks of its frequency cells.
    void SetRowTexts(int row, const QStringList& texts, bool rxRed, bool txRed);

    // Rows chosen by their channel number (click, shift-click, ctrl-click, arrow keys) for copy, cut,
    // paste and delete: the number cell takes the selection colour, the channel cells a light tint.
    const RowSelection& Selection() const { return m_selection; }
    void SelectRows(int first, int last);
    void ClearSelection();

    QSize sizeHint() const override;

signals:
    void SelectionChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void StyleFixedCell(QTableWidgetItem* item);
    void UpdateMinimumHeight();
    void ShowSelection();
    QColor RowBackground(int row) const;

    RowSelection m_selection;
    std::array<bool, 17> m_bHighlighted{}; // rows drawn white on blue (open in the channel editor)
};
