// Modal channel editor: edits one channel of the page's table and stores every change at once
// into the table row and the channel's 16-byte record in the image.
#pragma once

#include <QDialog>
#include <QString>

#include "editor/qt/CToneList.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CChannelDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChannelDlg(QWidget* parent = nullptr);
    ~CChannelDlg() override;

    // Widgets, reachable for the page and for tests driving the dialog as a user would.
    QSpinBox* NumberEdit() const { return m_pNumber; }
    QLineEdit* RxEdit() const { return m_pRxEdit; }
    QLineEdit* TxEdit() const { return m_pTxEdit; }
    CToneList* DecodeList() const { return m_pDecode; }
    CToneList* EncodeList() const { return m_pEncode; }
    QCheckBox* InUseBox() const { return m_pInUse; }
    QCheckBox* TransmitBox() const { return m_pTransmit; }
    QCheckBox* ScanBox() const { return m_pScan; }
    QCheckBox* HighPowerBox() const { return m_pHighPower; }
    QPushButton* SaveDefaultButton() const { return m_pSaveDefault; }
    QPushButton* DeleteAllButton() const { return m_pDeleteAll; }
    QPushButton* ExitButton() const { return m_pExit; }

    bool IsWide() const { return m_bWide; }
    int RxStepClass() const { return m_nRxClass; }
    int TxStepClass() const { return m_nTxClass; }

    // Shows the channel of the page's current row (snapshot) and applies the enable rules.
    void LoadChannel();
    // Writes the dialog's state into the page's current row and rebuilds the priority list.
    void WriteRowToTable();
    // Writes the channel record and scan bit of the channel in the number edit into the image.
    void StoreChannel();

    // Event handlers (CChannelDlgEvents.cpp): each stores the change at once.
    void OnRxKillFocus();
    void OnTxKillFocus();
    void OnDecodeKillFocus();
    void OnEncodeKillFocus();
    void OnDecodeSelChange();
    void OnEncodeSelChange();
    void OnInUseClicked();
    void OnTransmitClicked();
    void OnScanClicked();
    void OnNumberChanged(int n);
    void OnSaveDefault();
    void OnDeleteAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    void ApplyEnableRules();
    void ColourEdit(QLineEdit* edit);
    bool NormalizeEdit(QLineEdit* edit, int& stepClass);
    bool ControlsEnabled() const;
    void Commit();
    void RepaintCurrentRowOnClose();
    void OnEnterKey(QObject* watched);

    QSpinBox* m_pNumber = nullptr;
    QLineEdit* m_pRxEdit = nullptr;
    QLineEdit* m_pTxEdit = nullptr;
    CToneList* m_pDecode = nullptr;
    CToneList* m_pEncode = nullptr;
    QCheckBox* m_pInUse = nullptr;
    QCheckBox* m_pTransmit = nullptr;
    QCheckBox* m_pScan = nullptr;
    QCheckBox* m_pHighPower = nullptr;
    QPushButton* m_pSaveDefault = nullptr;
    QPushButton* m_pDeleteAll = nullptr;
    QPushButton* m_pExit = nullptr;

    bool m_bWide = true;
    int m_nRxClass = 0;
    int m_nTxClass = 0;
    bool m_bLoading = false;   // suppresses stores while controls are filled programmatically
    bool m_bClosing = false;   // the dialog is ending: focus changes no longer store
    bool m_bEnterToTx = false; // Enter moves from the receive edit, already left, to the transmit edit
};
