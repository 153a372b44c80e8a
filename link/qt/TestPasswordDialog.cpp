// Test-password window (template 149), built in code.
#include "link/qt/TestPasswordDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "link/qt/DialogLayout.h"

namespace {
QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
} // namespace

TestPasswordDialog::TestPasswordDialog(QWidget* parent, MenuItemEnabler setMenuItem)
    : QDialog(parent), m_setMenuItem(std::move(setMenuItem))
{
    setWindowTitle(Text(5201));
    m_prompt = new QLabel(Text(5203), this);
    m_code = new QLineEdit(this);
    m_code->setEchoMode(QLineEdit::Password); // typed in front of customers: not shown
    m_code->setMinimumWidth(m_code->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    m_prompt->setBuddy(m_code);
    m_ok = new QPushButton(Text(90000), this);
    m_cancel = new QPushButton(Text(90001), this);
    m_ok->setDefault(true);
    UseAppFont({m_prompt, m_ok, m_cancel});

    auto* row = new QHBoxLayout;
    row->addWidget(m_prompt);
    row->addWidget(m_code, 1);
    LayOutDialog(this, row, {m_ok, m_cancel});

    connect(m_ok, &QPushButton::clicked, this, &TestPasswordDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &TestPasswordDialog::reject);
}

void TestPasswordDialog::accept()
{
    if (!EnterServiceAccessCode(m_code->text().toStdString(), m_setMenuItem))
        ShowTextError(kTextWrongServiceCode);
    QDialog::accept();
}
