// One table of the alignment-data window: a grid whose first row and column are fixed captions, laid
// out in twips as the window was designed, with an edit box that opens over a value cell.
#pragma once

#include <QTableWidget>

class QLineEdit;
class QValidator;

class AlignmentGrid : public QTableWidget {
    Q_OBJECT
public:
    // rows and columns include the fixed caption row and column; labelTwips and valueTwips are the
    // widths of the caption column and of each value column.
    AlignmentGrid(int rows, int columns, int labelTwips, int valueTwips, QWidget* parent = nullptr);

    // Text of any cell, captions included.
    void SetText(int row, int col, const QString& text);
    QString Text(int row, int col) const;
    // Shades a value cell that its row does not have.
    void SetUnused(int row, int col);
    // Widens a column whose captions would be cut, then fixes the grid's size to its cells.
    void FitToTexts();

    // What may be typed into the edit box (numbers only; the rules limit the value afterwards).
    void SetEditValidator(QValidator* validator);
    // Opens the edit box over a value cell with its text selected.
    void OpenEditor(int row, int col);
    // Ends an open edit: commit hands the typed text on through Committed, otherwise it is dropped.
    void CloseEditor(bool commit);
    bool Editing() const { return m_nEditRow > 0; }
    QLineEdit* Editor() const { return m_editor; }

signals:
    void Committed(int row, int col, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int TextWidth(int col) const;

    QLineEdit* m_editor;
    int m_nEditRow = 0;
    int m_nEditCol = 0;
};

// "宋体" 9 point with installed fall-backs: the font of every cell.
QFont AlignmentCellFont();
