// The read window: reads the code plug out of the radio into the image (Read button or Enter).
#pragma once

#include <memory>

#include "link/TransferResult.h"
#include "link/qt/TransferDialog.h"

class HistoryLinkUi;
class QCheckBox;
class ReadSession;

class ReadDialog : public TransferDialog {
    Q_OBJECT
public:
    // port: nullptr for a radio port on the current port name; tests pass their own.
    explicit ReadDialog(QWidget* parent = nullptr, std::unique_ptr<SerialPort> port = nullptr);
    ~ReadDialog() override;

    // Asks about unsaved edits first (the read replaces the code plug), then reads.
    void StartTransfer() override;
    // How the last read ended.
    TransferResult LastResult() const { return m_lastResult; }
    // Service area: read the radio twice and accept only two equal images (starts unchecked).
    QCheckBox* ReadTwiceBox() const { return m_readTwice; }

    // The success message comes after the editor page and the title show the new code plug.
    void ReportSuccess(int textNumber, const std::string& detail) override;

private:
    std::unique_ptr<HistoryLinkUi> m_recorded; // this window, as the session sees it: kept in the history
    std::unique_ptr<ReadSession> m_session;
    QCheckBox* m_readTwice;
    TransferResult m_lastResult;
};
