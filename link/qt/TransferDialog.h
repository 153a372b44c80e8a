// Common part of the read and write windows: progress bar, start button, auto-close box, exchange log
// (service view only) and the window side of a transfer (LinkUi). Without the service view the window
// shrinks to 110 pixels so that only the progress bar and the button show.
#pragma once

#include <QDialog>

#include <memory>

#include "app/qt/ui/DialogCursor.h"
#include "link/LinkUi.h"
#include "link/SerialPort.h"

class QCheckBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class TransferDialog : public QDialog, public LinkUi {
    Q_OBJECT
public:
    // port: the window's own port object (nullptr: a radio port on the current port name). The port
    // is configured with "9600,n,8,2" here and opened by the first transfer.
    TransferDialog(QWidget* parent, std::unique_ptr<SerialPort> port);
    ~TransferDialog() override;

    QProgressBar* Progress() const { return m_progress; }
    QPushButton* StartButton() const { return m_start; }
    QCheckBox* AutoCloseBox() const { return m_autoClose; }
    QPlainTextEdit* LogView() const { return m_log; }
    QPushButton* TestButton() const { return m_test; }

    // Runs the transfer, as the start button and the Enter key do.
    virtual void StartTransfer() = 0;

    // LinkUi
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int pos) override;
    void ShowLog(const std::string& text) override;
    void ReportMessage(int textNumber, const std::string& detail) override; // warning box
    void ReportSuccess(int textNumber, const std::string& detail) override; // plain message box
    bool AskYesNo(int textNumber) override;
    bool AskWriteAnyway(const PreWriteCheck& check) override; // the problems listed, Yes/No, No default
    void SetButtonEnabled(bool enabled) override;
    void SetWaitCursor(bool on) override;

protected:
    // Texts of the window (title, start button) and whether it has the Test button.
    void SetTexts(const QString& title, const QString& startText, bool withTestButton);
    // After a transfer that succeeded: focus on the button; closes the window when auto-close is set
    // (without storing the box, which only the close box does).
    void FinishSucceeded();
    // After a transfer that failed: the progress bar is emptied, so that it never looks complete.
    void FinishFailed();
    SerialPort& Port() { return *m_port; }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    virtual void RunDryRun() {}

private:
    std::unique_ptr<SerialPort> m_port;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QCheckBox* m_autoClose;
    QPlainTextEdit* m_log;
    QPushButton* m_test;
    DialogCursor m_cursor;
};
