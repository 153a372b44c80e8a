// Modal dialog for the custom band: lowest/highest frequency, first IF and high-side oscillator.
// exec() returns 1 after OK (the image was written) and 0 after Cancel (nothing written).
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class CBandLimitDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBandLimitDlg(QWidget* parent = nullptr);
    ~CBandLimitDlg() override;

    QLineEdit* LowEdit() const { return m_pLow; }
    QLineEdit* HighEdit() const { return m_pHigh; }
    QLineEdit* IfEdit() const { return m_pIf; }
    QCheckBox* HighSideBox() const { return m_pHighSide; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    void OnLowKillFocus();
    void OnHighKillFocus();
    void OnIfKillFocus();
    void OnOK();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadFromImage();

    QLineEdit* m_pLow = nullptr;
    QLineEdit* m_pHigh = nullptr;
    QLineEdit* m_pIf = nullptr;
    QCheckBox* m_pHighSide = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bClosing = false;
};
