// Options dialog with the interface lock box.
#include "app/COptionsDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppFont.h"
#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"

namespace {
QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
} // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(7801));
    m_lock = new QCheckBox(Text(7802), this);
    m_lock->setChecked(g_bLockInterface);
    m_ok = new QPushButton(Text(90000), this);
    m_cancel = new QPushButton(Text(90001), this);
    m_ok->setDefault(true);
    UseAppFont({m_ok, m_cancel, m_lock});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lock);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &COptionsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &COptionsDlg::reject);
}

void COptionsDlg::accept()
{
    g_bLockInterface = m_lock->isChecked();
    WriteSetting("option", "lock_interface", g_bLockInterface ? "yes" : "no");
    QDialog::accept();
}
