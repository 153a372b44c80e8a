// The read window: reads the code plug out of the radio into the image (Read button or Enter).
#pragma once

#include <memory>

#include "app/TransferDialog.h"
#include "link/TransferResult.h"

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

    // The success message comes after the editor page and the title show the new code plug.
    void ReportSuccess(int textNumber) override;

private:
    std::unique_ptr<ReadSession> m_session;
    TransferResult m_lastResult;
};
