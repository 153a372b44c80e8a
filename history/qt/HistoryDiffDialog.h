// The differences between two recorded code plugs, in the editor page's words, in a window to read.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class HistoryDiffDialog : public QDialog {
    Q_OBJECT
public:
    HistoryDiffDialog(QWidget* parent, const QString& text);

    QPlainTextEdit* TextView() const { return m_text; }
    QPushButton* CloseButton() const { return m_close; }

private:
    QPlainTextEdit* m_text;
    QPushButton* m_close;
};
