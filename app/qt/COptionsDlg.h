// Options dialog: the interface lock, which takes effect at once and is kept in system.ini, and the
// two guards of a write (backup before, verification after), kept in system.ini for the next write.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    QCheckBox* LockBox() const { return m_lock; }
    QCheckBox* BackupBox() const { return m_backup; }
    QCheckBox* VerifyBox() const { return m_verify; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // OK: g_bLockInterface from the box and [option] lock_interface = "yes" / "no"; [option]
    // backup_before_write and verify_after_write = "yes" / "no" from the other two boxes.
    void accept() override;

private:
    QCheckBox* m_lock;
    QCheckBox* m_backup;
    QCheckBox* m_verify;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
