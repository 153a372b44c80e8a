// Options dialog with the interface lock box and the write's backup and verification boxes.
#include "app/qt/COptionsDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/ui/AppFont.h"
#include "link/WriteSession.h"

namespace {
QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
} // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(7801));
    m_lock = new QCheckBox(Text(7802), this);
    m_lock->setChecked(g_bLockInterface);
    const WriteOptions write = WriteOptionsFromSettings();
    m_backup = new QCheckBox(Text(9555), this);
    m_backup->setChecked(write.backup);
    m_verify = new QCheckBox(Text(9556), this);
    m_verify->setChecked(write.verify);
    m_ok = new QPushButton(Text(90000), this);
    m_cancel = new QPushButton(Text(90001), this);
    m_ok->setDefault(true);
    UseAppFont({m_ok, m_cancel, m_lock, m_backup, m_verify});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lock);
    layout->addWidget(m_backup);
    layout->addWidget(m_verify);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &COptionsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &COptionsDlg::reject);
}

void COptionsDlg::accept()
{
    g_bLockInterface = m_lock->isChecked();
    WriteYesSetting("option", "lock_interface", g_bLockInterface);
    WriteYesSetting("option", "backup_before_write", m_backup->isChecked());
    WriteYesSetting("option", "verify_after_write", m_verify->isChecked());
    QDialog::accept();
}
