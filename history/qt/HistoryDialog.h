// The radio-history window (Tools > Radio History): the recorded radio operations in a table, filtered
// by serial number, operation and dates; a recorded code plug opened as an unsaved document, and the
// differences between two recorded code plugs.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "history/HistoryView.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    // path: the history file; a file that cannot be opened shows an empty table and says why.
    explicit HistoryDialog(QWidget* parent = nullptr, const std::string& path = HistoryStore::DefaultPath());

    HistoryView& View() { return m_view; }
    QComboBox* SerialList() const { return m_serial; }
    QComboBox* OperationList() const { return m_operation; }
    QDateEdit* FromDate() const { return m_from; }
    QDateEdit* ToDate() const { return m_to; }
    QTableWidget* Table() const { return m_table; }
    QPlainTextEdit* DetailsView() const { return m_details; }
    QLabel* StatusLabel() const { return m_status; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* CompareButton() const { return m_compare; }
    QPushButton* CloseButton() const { return m_close; }

    // The buttons' commands. Open asks about unsaved work first (Cancel keeps everything), then the
    // selected entry's code plug becomes the document and the window closes.
    void OnOpenDocument();
    void OnCompare();

private:
    void BuildControls();
    void FillFilters();
    void ApplyFilter();
    void ShowTable();
    void SelectionChanged();
    std::vector<const HistoryRecord*> Selected() const;

    HistoryView m_view;
    std::string m_error; // why the history could not be read ("" when it could)
    bool m_filling = false;
    QComboBox* m_serial = nullptr;
    QComboBox* m_operation = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QTableWidget* m_table = nullptr;
    QPlainTextEdit* m_details = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_close = nullptr;
};

// Tools > Radio History: the window, modal.
void OpenRadioHistory(QWidget* parent);
