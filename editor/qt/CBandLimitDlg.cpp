// Band-limit dialog (template 110) for the custom band: corrects its values silently when an edit
// is left and writes the model block, limits, intermediate frequency and oscillator flag on OK.
#include "editor/qt/CBandLimitDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/BandLimitRules.h"

namespace {
QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }
} // namespace

CBandLimitDlg::CBandLimitDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Lang(4027));
    auto* grid = new QGridLayout;
    m_pLow = new QLineEdit(this);
    m_pHigh = new QLineEdit(this);
    m_pIf = new QLineEdit(this);
    m_pHighSide = new QCheckBox(Lang(4304), this);
    QList<QLabel*> labels;
    int row = 0;
    for (auto [text, edit] : {std::pair{4301, m_pLow}, std::pair{4302, m_pHigh}, std::pair{4303, m_pIf}}) {
        auto* label = new QLabel(Lang(text), this);
        label->setBuddy(edit);
        labels << label;
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        edit->installEventFilter(this);
        ++row;
    }
    grid->addWidget(m_pHighSide, row, 1);
    m_pOk = new QPushButton(Lang(90000), this);
    m_pCancel = new QPushButton(Lang(90001), this);
    m_pOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(buttons);
    for (QLabel* label : labels) {
        UseAppFont(label);
    }
    UseAppFont({m_pLow, m_pHigh, m_pIf, m_pHighSide, m_pOk, m_pCancel});
    connect(m_pOk, &QPushButton::clicked, this, &CBandLimitDlg::OnOK);
    connect(m_pCancel, &QPushButton::clicked, this, &CBandLimitDlg::reject);
    LoadFromImage();
}

CBandLimitDlg::~CBandLimitDlg() = default;

void CBandLimitDlg::LoadFromImage()
{
    const BandLimitValues v = ReadBandLimits(g_doc.image);
    m_pLow->setText(QString::fromStdString(v.lower));
    m_pHigh->setText(QString::fromStdString(v.upper));
    m_pIf->setText(QString::fromStdString(v.ifText));
    m_pHighSide->setChecked(v.highSideLo);
}

namespace {
BandLimitValues ValuesOf(const QLineEdit* low, const QLineEdit* high, const QLineEdit* ifEdit,
                         const QCheckBox* box)
{
    BandLimitValues v;
    v.lower = low->text().toStdString();
    v.upper = high->text().toStdString();
    v.ifText = ifEdit->text().toStdString();
    v.highSideLo = box->isChecked();
    return v;
}
} // namespace

void CBandLimitDlg::OnLowKillFocus()
{
    BandLimitValues v = ValuesOf(m_pLow, m_pHigh, m_pIf, m_pHighSide);
    CorrectLowerLimit(v);
    m_pLow->setText(QString::fromStdString(v.lower));
    m_pHigh->setText(QString::fromStdString(v.upper));
    m_pIf->setText(QString::fromStdString(v.ifText));
}

void CBandLimitDlg::OnHighKillFocus()
{
    BandLimitValues v = ValuesOf(m_pLow, m_pHigh, m_pIf, m_pHighSide);
    CorrectUpperLimit(v);
    m_pLow->setText(QString::fromStdString(v.lower));
    m_pHigh->setText(QString::fromStdString(v.upper));
}

void CBandLimitDlg::OnIfKillFocus()
{
    BandLimitValues v = ValuesOf(m_pLow, m_pHigh, m_pIf, m_pHighSide);
    CorrectIntermediateFreq(v);
    m_pIf->setText(QString::fromStdString(v.ifText));
}

void CBandLimitDlg::OnOK()
{
    // The edit that still has the focus is corrected as if it had been left, and the other values
    // are made consistent, so that no half-typed limit reaches the radio.
    BandLimitValues v = ValuesOf(m_pLow, m_pHigh, m_pIf, m_pHighSide);
    if (focusWidget() == m_pHigh) {
        CorrectUpperLimit(v);
        CorrectLowerLimit(v);
    } else {
        CorrectLowerLimit(v);
        CorrectUpperLimit(v);
    }
    CorrectIntermediateFreq(v);
    m_bClosing = true;
    WriteBandLimits(g_doc.image, v, CustomBandCode());
    done(1);
}

bool CBandLimitDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_bClosing && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == m_pLow) {
            OnLowKillFocus();
        } else if (watched == m_pHigh) {
            OnHighKillFocus();
        } else if (watched == m_pIf) {
            OnIfKillFocus();
        }
    }
    return QDialog::eventFilter(watched, event);
}
