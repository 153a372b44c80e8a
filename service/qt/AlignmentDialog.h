// The alignment-data window: the radio's alignment block in a frequency table and a parameter table,
// with Clear, Open, Save, Save as, Export, Read, Write and Close. Opened by Batch write test data
// (Ctrl+T) while the service functions are unlocked. Nothing typed is dropped unasked: Open, Read,
// Close and Escape ask first, and Write says what it will change in the radio before it sends.
#pragma once

#include <QDialog>

#include <memory>

#include "app/qt/ui/DialogCursor.h"
#include "history/HistoryRecord.h"
#include "link/LinkUi.h"
#include "link/SerialPort.h"
#include "service/AlignmentEditor.h"

class AlignmentGrid;
class HistoryLinkUi;
class AlignmentSession;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class AlignmentDialog : public QDialog, public LinkUi {
    Q_OBJECT
public:
    // Width of the window without the exchange log (the log lies to the right of it).
    static constexpr int kNarrowWidth = 680;

    // port: the window's own port object (nullptr: a radio port on the current port name), set up
    // with "9600,n,8,1" and opened by the first radio operation.
    explicit AlignmentDialog(QWidget* parent = nullptr, std::unique_ptr<SerialPort> port = nullptr);
    ~AlignmentDialog() override;

    AlignmentEditor& Editor() { return m_editor; }
    AlignmentGrid* ParamGrid() const { return m_params; }
    AlignmentGrid* FreqGrid() const { return m_freqs; }
    QPlainTextEdit* LogView() const { return m_log; }
    QComboBox* CrystalList() const { return m_crystal; }
    QComboBox* VoiceChipList() const { return m_voiceChip; }
    QPushButton* ClearButton() const { return m_clear; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* SaveAsButton() const { return m_saveAs; }
    QPushButton* ExportButton() const { return m_export; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }
    QPushButton* CloseButton() const { return m_close; }

    // A click on a cell of either table, as the mouse gives it (row and column 0 are the captions).
    void ClickParamCell(int row, int col);
    void ClickFreqCell(int row, int col);

    // The buttons' commands (the buttons call these).
    enum class SaveOutcome { Saved, Cancelled, Failed };
    void OnClear();
    void OnOpen();
    SaveOutcome OnSave();
    void OnSaveAs();
    void OnExport();
    void OnRead();
    void OnWrite();
    // Close and Escape: asks first when the tables hold values that are not saved.
    void reject() override;

    // LinkUi: messages through ShowMessage; the log in the service view. There is no progress bar.
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int) override {}
    void ShowLog(const std::string& text) override;
    void ReportMessage(int textNumber, const std::string& detail) override;
    bool AskYesNo(int) override { return false; }
    bool AskWriteAnyway(const PreWriteCheck&) override { return false; } // writes no code plug
    void SetButtonEnabled(bool) override {}
    void SetWaitCursor(bool on) override;

private:
    void BuildControls();
    void LayOut();
    void ShowTables();
    void ShowHeadings(int row);
    void UpdateTitle();
    void EndEditing(bool commit);
    void CommitParam(int row, int col, const QString& text);
    void CommitFreq(int row, int col, const QString& text);
    // Runs a radio operation with the buttons disabled; clicks made meanwhile are dropped. The
    // operation is kept in the radio history as op.
    template <typename Run> AlignmentResult RunRadio(HistoryOp op, Run run);
    // The unsaved values of the tables: Yes saves them, No drops them; true when the command may go on
    // (Cancel, or a save that did not happen, keeps them and ends the command).
    bool KeepOrDropUnsaved();

    AlignmentEditor m_editor;
    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<HistoryLinkUi> m_recorded; // this window, as the session sees it
    std::unique_ptr<AlignmentSession> m_session;
    AlignmentGrid* m_params = nullptr;
    AlignmentGrid* m_freqs = nullptr;
    QLabel* m_freqCaption = nullptr;
    QComboBox* m_crystal = nullptr;
    QComboBox* m_voiceChip = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_saveAs = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_close = nullptr;
    int m_nHeadingRow = 0;
    DialogCursor m_cursor;
};

// Batch write test data (command 32780): nothing unless the service functions are unlocked; for the
// four family model codes the alignment-data window; for other codes text 6801 while the code plug
// was not read from a radio (their dialog is not part of this program).
void RunBatchWriteTest(QWidget* parent);
