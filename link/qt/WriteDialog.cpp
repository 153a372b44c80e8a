// Write window: runs the WriteSession of this window (write or dry run).
#include "link/qt/WriteDialog.h"

#include "app/LangText.h"
#include "link/WriteSession.h"

WriteDialog::WriteDialog(QWidget* parent, std::unique_ptr<SerialPort> port)
    : TransferDialog(parent, std::move(port))
{
    SetTexts(QString::fromStdString(GetLangText(3018)), QString::fromStdString(GetLangText(3005)), true);
    m_session = std::make_unique<WriteSession>(Port(), *this);
}

WriteDialog::~WriteDialog() = default;

bool WriteDialog::BandCheck() const { return m_session->BandCheck(); }

void WriteDialog::StartTransfer()
{
    m_session->SetOptions(WriteOptionsFromSettings()); // as the Options window left them
    m_lastResult = m_session->Run();
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
