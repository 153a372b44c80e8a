// About box: product name, models, version, date and maker, in the interface language.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* NameLine() const { return m_name; }
    QLabel* ModelsLine() const { return m_models; }
    QLabel* VersionLine() const { return m_version; }
    QLabel* DateLine() const { return m_date; }
    QLabel* MakerLine() const { return m_maker; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QLabel* m_name;
    QLabel* m_models;
    QLabel* m_version;
    QLabel* m_date;
    QLabel* m_maker;
    QPushButton* m_ok;
};
