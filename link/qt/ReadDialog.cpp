// Read window: runs a ReadSession and, when it succeeded, brings the window program in step with the
// new image (editor page, title).
#include "link/qt/ReadDialog.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/EditorPageUi.h"
#include "app/qt/ui/MsgBox.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/Document.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryRecorder.h"
#include "history/SessionRows.h"
#include "link/ReadSession.h"

namespace {
constexpr int kReadDoneText = 3007;
constexpr int kReadTwiceText = 9501;
} // namespace

ReadDialog::ReadDialog(QWidget* parent, std::unique_ptr<SerialPort> port)
    : TransferDialog(parent, std::move(port))
{
    SetTexts(QString::fromStdString(GetLangText(3017)), QString::fromStdString(GetLangText(3004)), false);
    m_recorded = std::make_unique<HistoryLinkUi>(*this);
    m_session = std::make_unique<ReadSession>(Port(), *m_recorded);
    // Below the auto-close box, in the service area; the log moves down to make room.
    m_readTwice = new QCheckBox(QString::fromStdString(GetLangText(kReadTwiceText)), this);
    m_readTwice->setGeometry(16, 142, 300, 22);
    const QRect log = LogView()->geometry();
    LogView()->setGeometry(log.x(), 170, log.width(), log.bottom() - 170 + 1);
}

ReadDialog::~ReadDialog() = default;

void ReadDialog::StartTransfer()
{
    // The read replaces the code plug in memory: unsaved edits are offered for saving first, and
    // Cancel ends the read before anything is sent to the radio.
    if (!UnsavedEditsPromptBeforeRead(this))
        return;
    m_session->SetReadTwice(m_readTwice->isChecked());
    HistoryRecorder history;
    m_recorded->Begin(history.Note());
    m_lastResult = m_session->Run();
    const std::string note =
        history.Keep(ReadRows(m_lastResult, m_session->Identity(), g_doc.image.Text(), m_recorded->Message()),
                     HistoryPortLabel(g_strComPort, Port()), *m_recorded);
    if (!note.empty())
        ShowErrorMessage(QString::fromStdString(note));
    if (m_lastResult.Succeeded())
        FinishSucceeded();
    else
        FinishFailed();
}

void ReadDialog::ReportSuccess(int textNumber, const std::string& detail)
{
    // 3007 ends a complete read: the image has been replaced, so the page and the title follow it
    // before the user is told.
    if (textNumber == kReadDoneText)
        ImageReplaced();
    TransferDialog::ReportSuccess(textNumber, detail);
}
