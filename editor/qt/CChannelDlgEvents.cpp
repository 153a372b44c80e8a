// Channel editor: what leaving a field, clicking a box or a button and the Enter key do. Each change
// is stored at once (Commit); closing the window stores what the field being left holds.
#include "editor/qt/CChannelDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "app/LangText.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "editor/ChannelRules.h"
#include "editor/qt/CMainFrm.h"

namespace {

QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }

std::string Std(const QString& text) { return text.toStdString(); }

} // namespace

void CChannelDlg::OnRxKillFocus()
{
    if (!m_pRxEdit->text().trimmed().isEmpty()) {
        const bool wasEmptyChannel = !ControlsEnabled();
        NormalizeEdit(m_pRxEdit, m_nRxClass);
        if (!m_pInUse->isChecked()) {
            m_pTxEdit->setText(m_pRxEdit->text());
            m_nTxClass = m_nRxClass;
            ColourEdit(m_pTxEdit);
            m_pTransmit->setChecked(true);
            m_pEncode->setEnabled(true);
        }
        if (wasEmptyChannel && g_pMainView != nullptr) {
            const ChannelDefaults& d = g_pMainView->m_defaults;
            m_pScan->setChecked(d.scan);
            m_bWide = d.wide;
            m_pHighPower->setChecked(d.highPower);
        }
    } else {
        m_pInUse->setChecked(false);
    }
    ApplyEnableRules();
    if (m_pDecode->isEnabled()) {
        Commit();
    }
}

void CChannelDlg::OnTxKillFocus()
{
    // The edit was disabled while the focus moved into it (the receive edit was left empty and the
    // channel is shown unused): nothing was typed here, and storing now would empty the channel.
    if (!m_pTxEdit->isEnabled()) {
        return;
    }
    if (LeadingNumber(Std(m_pTxEdit->text())) != 0.0) {
        NormalizeEdit(m_pTxEdit, m_nTxClass);
        m_pTransmit->setChecked(true);
        m_pEncode->setEnabled(true);
        if (m_pEncode->currentIndex() < 0 && m_pEncode->currentText().trimmed().isEmpty()) {
            m_pEncode->setCurrentIndex(0);
        }
    } else {
        m_pTxEdit->clear();
        ColourEdit(m_pTxEdit);
        m_pTransmit->setChecked(false);
        m_pEncode->setCurrentIndex(-1);
        m_pEncode->setEnabled(false);
    }
    Commit();
}

void CChannelDlg::OnDecodeKillFocus()
{
    if (!m_pDecode->isEnabled()) {
        return;
    }
    m_pDecode->NormalizeToneText();
    if (m_pEncode->isEnabled() && m_pEncode->currentIndex() == 0) {
        const QString text = m_pDecode->currentText();
        m_pEncode->setCurrentIndex(-1);
        m_pEncode->setEditText(text);
    }
    Commit();
}

void CChannelDlg::OnEncodeKillFocus()
{
    if (!m_pEncode->isEnabled()) {
        return;
    }
    m_pEncode->NormalizeToneText();
    Commit();
}

void CChannelDlg::OnDecodeSelChange()
{
    if (m_bLoading) {
        return;
    }
    if (m_pTransmit->isChecked() && m_pEncode->currentText().trimmed().isEmpty()) {
        m_pEncode->setCurrentIndex(0);
    }
    Commit();
}

void CChannelDlg::OnEncodeSelChange()
{
    if (m_bLoading) {
        return;
    }
    Commit();
}

void CChannelDlg::OnScanClicked() { Commit(); }

void CChannelDlg::OnInUseClicked()
{
    if (m_pInUse->isChecked()) {
        if (g_pMainView != nullptr) {
            const ChannelDefaults& d = g_pMainView->m_defaults;
            m_pRxEdit->setText(d.rx.trimmed());
            m_pTxEdit->setText(d.tx.trimmed());
            ColourEdit(m_pRxEdit);
            ColourEdit(m_pTxEdit);
            m_pDecode->SelectToneText(d.decode);
            m_pEncode->SelectToneText(d.encode);
            m_pScan->setChecked(d.scan);
            m_bWide = d.wide;
            m_pHighPower->setChecked(d.highPower);
            m_nTxClass = 0;
            if (!m_pTxEdit->text().isEmpty()) {
                NormalizeEdit(m_pTxEdit, m_nTxClass);
            }
        }
    } else {
        m_pRxEdit->clear();
        m_pTxEdit->clear();
        m_pDecode->setCurrentIndex(0);
        m_pEncode->setCurrentIndex(0);
        for (QCheckBox* box : {m_pInUse, m_pTransmit, m_pScan, m_pHighPower}) {
            box->setChecked(false);
        }
    }
    ApplyEnableRules();
    Commit();
}

void CChannelDlg::OnTransmitClicked()
{
    if (m_pTransmit->isChecked()) {
        if (g_pMainView != nullptr) {
            m_pTxEdit->setText(g_pMainView->m_defaults.tx.trimmed());
            NormalizeEdit(m_pTxEdit, m_nTxClass);
            m_pEncode->SelectToneText(g_pMainView->m_defaults.encode);
        }
        m_pTxEdit->setEnabled(true);
        m_pEncode->setEnabled(true);
        if (m_pTxEdit->text().trimmed().isEmpty()) {
            // No default transmit frequency: the channel stays receive-only.
            m_pTransmit->setChecked(false);
        }
    } else {
        m_pTxEdit->clear();
        ColourEdit(m_pTxEdit);
        m_pTxEdit->setEnabled(false);
        m_pEncode->setCurrentIndex(-1);
        m_pEncode->setEnabled(false);
    }
    Commit();
}

void CChannelDlg::OnNumberChanged(int n)
{
    if (m_bLoading || g_pMainView == nullptr) {
        return;
    }
    const int clamped = n < 1 ? 1 : (n > 16 ? 16 : n);
    if (clamped != n) {
        const QSignalBlocker block(m_pNumber);
        m_pNumber->setValue(clamped);
    }
    CMainFrm* page = g_pMainView;
    const int previous = page->m_nCurRow;
    if (previous >= 1 && previous <= 16) {
        page->PaintRow(previous, false);
    }
    page->PaintRow(clamped, true);
    page->TakeRowSnapshot(clamped);
    QTableWidgetItem* numberCell = page->ChannelTable()->item(clamped, 0);
    const int fromTable = numberCell != nullptr ? numberCell->text().toInt() : 0;
    page->m_nCurRow = fromTable >= 1 && fromTable <= 16 ? fromTable : clamped;
    LoadChannel();
    page->m_nSelRow = clamped;
}

void CChannelDlg::OnSaveDefault()
{
    if (g_pMainView == nullptr) {
        return;
    }
    ChannelDefaults& d = g_pMainView->m_defaults;
    d.rx = m_pRxEdit->text();
    d.tx = m_pTxEdit->text();
    d.decode = m_pDecode->currentText();
    d.encode = m_pEncode->currentText();
    d.scan = m_pScan->isChecked();
    d.wide = m_bWide;
    d.highPower = m_pHighPower->isChecked();
}

void CChannelDlg::OnDeleteAll()
{
    const QMessageBox::StandardButton answer =
        MsgBox::Ask(this, Lang(90006), Lang(4113), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
                    QMessageBox::Question);
    if (answer != QMessageBox::Ok || g_pMainView == nullptr) {
        return;
    }
    EditStep step; // the panel store and the emptied table are one step
    CMainFrm* page = g_pMainView;
    QTableWidget* table = page->ChannelTable();
    for (int row = 1; row <= 16; ++row) {
        for (int col = 1; col <= 7; ++col) {
            if (QTableWidgetItem* item = table->item(row, col)) {
                item->setText(QString());
            }
        }
    }
    m_pInUse->setChecked(false);
    if (page->m_nCurRow >= 1 && page->m_nCurRow <= 16) {
        page->PaintRow(page->m_nCurRow, false);
    }
    page->ClearPriorityForDeleteAll();
    DeleteAllChannels(g_doc.image);
    // Show the now empty channel, so that leaving an edit cannot bring the old channel back.
    if (page->m_nCurRow >= 1 && page->m_nCurRow <= 16) {
        page->TakeRowSnapshot(page->m_nCurRow);
    }
    LoadChannel();
}

bool CChannelDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (m_bClosing) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut) {
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason) {
            if (watched == m_pRxEdit) {
                if (!m_bEnterToTx) {
                    OnRxKillFocus();
                }
            } else if (watched == m_pTxEdit) {
                OnTxKillFocus();
            } else if (watched == m_pDecode) {
                OnDecodeKillFocus();
            } else if (watched == m_pEncode) {
                OnEncodeKillFocus();
            }
        }
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OnEnterKey(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CChannelDlg::OnEnterKey(QObject* watched)
{
    if (watched == m_pRxEdit) {
        // The receive edit is left first: its enable rules would otherwise close the transmit edit
        // of a receive-only channel again while the focus moves there.
        OnRxKillFocus();
        if (!m_pInUse->isChecked()) {
            focusNextChild();
            return;
        }
        m_bEnterToTx = true;
        m_pTxEdit->setEnabled(true);
        m_pTxEdit->setFocus(Qt::TabFocusReason);
        m_bEnterToTx = false;
        m_pTxEdit->selectAll();
    } else if (watched == m_pTxEdit) {
        OnTxKillFocus();
        m_pDecode->setFocus(Qt::TabFocusReason);
        if (m_pDecode->lineEdit() != nullptr) {
            m_pDecode->lineEdit()->selectAll();
        }
    } else if (watched == m_pSaveDefault || watched == m_pDeleteAll || watched == m_pExit) {
        static_cast<QPushButton*>(watched)->click();
    } else {
        focusNextChild();
    }
}

void CChannelDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CChannelDlg::done(int result)
{
    if (!m_bClosing) {
        // Leaving an edit by closing still stores what it holds.
        QWidget* focus = focusWidget();
        if (focus == m_pRxEdit) {
            OnRxKillFocus();
        } else if (focus == m_pTxEdit) {
            OnTxKillFocus();
        } else if (focus == m_pDecode ||
                   (m_pDecode->lineEdit() != nullptr && focus == m_pDecode->lineEdit())) {
            OnDecodeKillFocus();
        } else if (focus == m_pEncode ||
                   (m_pEncode->lineEdit() != nullptr && focus == m_pEncode->lineEdit())) {
            OnEncodeKillFocus();
        }
        m_bClosing = true;
        RepaintCurrentRowOnClose();
    }
    QDialog::done(result);
}
