// Options dialog: the interface lock, which takes effect at once and is kept in system.ini.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    QCheckBox* LockBox() const { return m_lock; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // OK: g_bLockInterface from the box and [option] lock_interface = "yes" / "no".
    void accept() override;

private:
    QCheckBox* m_lock;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
