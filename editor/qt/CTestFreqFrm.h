// Test-frequency editor page: a 16-row grid of receive/transmit test frequencies,
// written into the image's 128-byte test-frequency field only on OK. Rows 5 to 12 are the radio's
// calibration: shown as such, never edited here.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class CTestFreqFrm : public QWidget {
    Q_OBJECT
public:
    explicit CTestFreqFrm(QWidget* parent = nullptr);
    ~CTestFreqFrm() override;

    // Fills the grid from the image.
    void OnInitialUpdate();

    QTableWidget* Grid() const { return m_pGrid; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QLineEdit* CellEditor() const { return m_pCellEdit; }
    QLabel* CalibrationNote() const { return m_pCalibrationNote; }

    // Normalises and stores a typed text into cell (row 1..16, col 1..2) following the commit rule;
    // the calibration rows take nothing.
    void CommitText(int row, int col, const QString& text);
    void OnOK();
    void OnCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCellClicked(int row, int col);
    void OpenEditor(int row, int col);
    void CommitEditor();
    void MoveToNextCell();
    void LayoutRows();
    void SetCell(int row, int col, const QString& text);
    void CloseWindow();
    QTableWidgetItem* Cell(int row, int col) const;

    QTableWidget* m_pGrid = nullptr;
    QLineEdit* m_pCellEdit = nullptr; // in-place editor over the cell being edited
    QLabel* m_pCalibrationNote = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    int m_nEditRow = 0; // cell being edited (0 = none)
    int m_nEditCol = 0;
};
