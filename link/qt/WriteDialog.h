// The write window: writes the image into the radio (Write button or Enter); in the service view also
// the Test button, a dry run that only logs the frames a write would send.
#pragma once

#include <memory>

#include "link/TransferResult.h"
#include "link/qt/TransferDialog.h"

class HistoryLinkUi;
class WriteSession;

class WriteDialog : public TransferDialog {
    Q_OBJECT
public:
    // port: nullptr for a radio port on the current port name; tests pass their own.
    explicit WriteDialog(QWidget* parent = nullptr, std::unique_ptr<SerialPort> port = nullptr);
    ~WriteDialog() override;

    void StartTransfer() override;
    TransferResult LastResult() const { return m_lastResult; }
    // The band check is passed over only for the one run the user allowed; true again afterwards.
    bool BandCheck() const;

protected:
    void RunDryRun() override;

private:
    std::unique_ptr<HistoryLinkUi> m_recorded; // this window, as the session sees it: kept in the history
    std::unique_ptr<WriteSession> m_session; // one per window: it keeps the band-check flag
    TransferResult m_lastResult;
};
