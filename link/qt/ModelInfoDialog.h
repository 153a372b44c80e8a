// The model-information window: serial number, versions, last programming time and data-file name
// of the code plug in memory, read-only, with an OK button.
#pragma once

#include <QDialog>

#include <array>

#include "codeplug/Document.h"

class QLabel;
class QLineEdit;
class QPushButton;

class ModelInfoDialog : public QDialog {
    Q_OBJECT
public:
    // The rows in the order the window shows them.
    enum Row { SerialNumber, HardwareVersion, McuVersion, PcVersion, LastProgrammed, FileName, kRows };

    explicit ModelInfoDialog(QWidget* parent = nullptr, const CodePlug& image = g_doc.image);

    QLabel* Label(Row row) const { return m_labels[row]; }
    QLineEdit* Value(Row row) const { return m_values[row]; }
    QPushButton* OkButton() const { return m_ok; }

private:
    std::array<QLabel*, kRows> m_labels{};
    std::array<QLineEdit*, kRows> m_values{};
    QPushButton* m_ok;
};
