// Go-to-page dialog of the print preview.
#include "print/qt/CGotoPageDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "editor/qt/CSpinEdit.h"
#include "print/ReportJob.h"

namespace {
QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }
} // namespace

CGotoPageDlg::CGotoPageDlg(int currentPage, int pageCount, QWidget* parent)
    : QDialog(parent), m_nPageCount(std::max(1, pageCount)),
      m_nPage(std::clamp(currentPage, 1, std::max(1, pageCount)))
{
    setWindowTitle(Lang(9514));
    m_pLabel = new QLabel(Lang(9515), this);
    m_pField = new CSpinEdit(this);
    m_pField->Edit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), m_pField->Edit()));
    m_pField->Edit()->setText(QString::number(m_nPage));
    // The arrows count within the pages and stop at either end.
    const int pages = m_nPageCount;
    m_pField->SetStepper([pages](const QString& text, int steps) {
        return QString::number(std::clamp(ClampPageNumber(text.toStdString(), pages) + steps, 1, pages));
    });
    m_pLabel->setBuddy(m_pField->Edit());
    m_pField->Edit()->installEventFilter(this);

    m_pOk = new QPushButton(Lang(90000), this);
    m_pCancel = new QPushButton(Lang(90001), this);
    m_pOk->setDefault(true);
    auto* field = new QHBoxLayout;
    field->addWidget(m_pLabel);
    field->addWidget(m_pField, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    auto* top = new QVBoxLayout(this);
    top->addLayout(field);
    top->addLayout(buttons);
    UseAppFont({m_pLabel, m_pField->Edit(), m_pOk, m_pCancel});

    connect(m_pOk, &QPushButton::clicked, this, &CGotoPageDlg::OnOK);
    connect(m_pCancel, &QPushButton::clicked, this, &CGotoPageDlg::reject);
    m_pField->Edit()->selectAll();
    m_pField->setFocus();
}

void CGotoPageDlg::ClampField()
{
    const int page = ClampPageNumber(m_pField->Edit()->text().toStdString(), m_nPageCount);
    m_pField->Edit()->setText(QString::number(page));
}

void CGotoPageDlg::OnOK()
{
    ClampField();
    m_nPage = ClampPageNumber(m_pField->Edit()->text().toStdString(), m_nPageCount);
    accept();
}

bool CGotoPageDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pField->Edit() && event->type() == QEvent::FocusOut)
        ClampField();
    return QDialog::eventFilter(watched, event);
}
