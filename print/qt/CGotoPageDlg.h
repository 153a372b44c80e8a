// The preview's go-to-page dialog: a page number field with a spin control, OK and Cancel. The number
// is kept within 1 ... the page count when the field is left and on OK.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class CSpinEdit;

class CGotoPageDlg : public QDialog {
    Q_OBJECT
public:
    CGotoPageDlg(int currentPage, int pageCount, QWidget* parent = nullptr);

    // The page chosen (valid after OK).
    int Page() const { return m_nPage; }

    CSpinEdit* PageField() const { return m_pField; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClampField();
    void OnOK();

    int m_nPageCount;
    int m_nPage;
    QLabel* m_pLabel = nullptr;
    CSpinEdit* m_pField = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
};
