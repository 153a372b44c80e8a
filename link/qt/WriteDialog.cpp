// Write window: runs the WriteSession of this window (write or dry run).
#include "link/qt/WriteDialog.h"

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryRecorder.h"
#include "history/SessionRows.h"
#include "link/WriteSession.h"

WriteDialog::WriteDialog(QWidget* parent, std::unique_ptr<SerialPort> port)
    : TransferDialog(parent, std::move(port))
{
    SetTexts(QString::fromStdString(GetLangText(3018)), QString::fromStdString(GetLangText(3005)), true);
    m_recorded = std::make_unique<HistoryLinkUi>(*this);
    m_session = std::make_unique<WriteSession>(Port(), *m_recorded);
}

WriteDialog::~WriteDialog() = default;

bool WriteDialog::BandCheck() const { return m_session->BandCheck(); }

void WriteDialog::StartTransfer()
{
    const WriteOptions options = WriteOptionsFromSettings(); // as the Options window left them
    m_session->SetOptions(options);
    HistoryRecorder history;
    m_recorded->Begin(history.Note());
    m_lastResult = m_session->Run();
    const std::string note = history.Keep(
        WriteRows(*m_session, options, m_lastResult, g_doc.image.Text(), m_recorded->Message()),
        HistoryPortLabel(g_strComPort, Port()), *m_recorded);
    if (!note.empty())
        ShowErrorMessage(QString::fromStdString(note));
    if (m_lastResult.Succeeded())
        FinishSucceeded();
    else
        FinishFailed();
}

void WriteDialog::RunDryRun()
{
    m_lastResult = m_session->DryRun();
    if (m_lastResult.Succeeded())
        FinishSucceeded();
}
