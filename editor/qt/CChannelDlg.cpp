// Modal channel editor (template 109): every change is written at once into the page's table row
// and into the channel's record in the image; there is no OK or Cancel. Its controls, the enable
// rules and the writing of the row and the record live here, the event handlers in CChannelDlgEvents.cpp.
#include "editor/qt/CChannelDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ToneCodec.h"
#include "editor/ChannelRules.h"
#include "editor/qt/CMainFrm.h"
#include "editor/qt/CToneList.h"

namespace {

QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }

std::string Std(const QString& text) { return text.toStdString(); }

// Snapshot columns handed over by the page: rx, tx, decode, encode, scan, bandwidth, power.
enum SnapshotIndex {
    kSnapRx,
    kSnapTx,
    kSnapDecode,
    kSnapEncode,
    kSnapScan,
    kSnapWidth,
    kSnapPower,
    kSnapCount
};

QString SnapshotText(int index)
{
    if (g_pMainView == nullptr || index >= g_pMainView->m_rowSnapshot.size()) {
        return {};
    }
    return g_pMainView->m_rowSnapshot.at(index);
}

const QColor kOutOfBandColour(255, 0, 0);

} // namespace

CChannelDlg::CChannelDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Lang(4112));
    BuildControls();
    LoadChannel();
}

CChannelDlg::~CChannelDlg() = default;

void CChannelDlg::BuildControls()
{
    auto* grid = new QGridLayout;
    auto addRow = [&](int row, int text, QWidget* control) {
        auto* label = new QLabel(Lang(text), this);
        label->setBuddy(control);
        UseAppFont(label);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
    };

    m_pNumber = new QSpinBox(this);
    m_pNumber->setRange(1, 16);
    m_pNumber->setSingleStep(1);
    m_pNumber->setWrapping(true);
    m_pRxEdit = new QLineEdit(this);
    m_pTxEdit = new QLineEdit(this);
    m_pDecode = new CToneList(this);
    m_pEncode = new CToneList(this);
    addRow(0, 4019, m_pNumber);
    addRow(1, 4101, m_pRxEdit);
    addRow(2, 4102, m_pTxEdit);
    addRow(3, 4103, m_pDecode);
    addRow(4, 4104, m_pEncode);
    if (g_strModel == "dlra") {
        // This dealer's radios name the tone squelch differently.
        qobject_cast<QLabel*>(grid->itemAtPosition(3, 0)->widget())
            ->setText(QStringLiteral("CTS/DCS Decode"));
        qobject_cast<QLabel*>(grid->itemAtPosition(4, 0)->widget())
            ->setText(QStringLiteral("CTS/DCS Encode"));
    }

    m_pInUse = new QCheckBox(Lang(4108), this);
    m_pTransmit = new QCheckBox(Lang(4109), this);
    m_pScan = new QCheckBox(Lang(4026), this);
    m_pHighPower = new QCheckBox(Lang(4107), this);
    m_pHighPower->setEnabled(false);
    auto* boxes = new QGridLayout;
    boxes->addWidget(m_pInUse, 0, 0);
    boxes->addWidget(m_pTransmit, 0, 1);
    boxes->addWidget(m_pScan, 1, 0);
    boxes->addWidget(m_pHighPower, 1, 1);

    m_pSaveDefault = new QPushButton(Lang(4110), this);
    m_pDeleteAll = new QPushButton(Lang(4111), this);
    m_pExit = new QPushButton(Lang(6), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_pSaveDefault, m_pDeleteAll, m_pExit}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        buttons->addWidget(button);
    }

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(boxes);
    top->addLayout(buttons);

    UseAppFont({m_pNumber, m_pRxEdit, m_pTxEdit, m_pDecode, m_pEncode, m_pInUse, m_pTransmit, m_pScan,
                m_pHighPower, m_pSaveDefault, m_pDeleteAll, m_pExit});

    // Focus loss and the Enter key are handled per control.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_pNumber, m_pRxEdit, m_pTxEdit, m_pDecode, m_pEncode, m_pDecode->lineEdit(),
             m_pEncode->lineEdit(), m_pInUse, m_pTransmit, m_pScan, m_pSaveDefault, m_pDeleteAll, m_pExit}) {
        w->installEventFilter(this);
    }

    connect(m_pNumber, &QSpinBox::valueChanged, this, &CChannelDlg::OnNumberChanged);
    connect(m_pDecode, &QComboBox::activated, this, &CChannelDlg::OnDecodeSelChange);
    connect(m_pEncode, &QComboBox::activated, this, &CChannelDlg::OnEncodeSelChange);
    connect(m_pInUse, &QCheckBox::clicked, this, &CChannelDlg::OnInUseClicked);
    connect(m_pTransmit, &QCheckBox::clicked, this, &CChannelDlg::OnTransmitClicked);
    connect(m_pScan, &QCheckBox::clicked, this, &CChannelDlg::OnScanClicked);
    connect(m_pSaveDefault, &QPushButton::clicked, this, &CChannelDlg::OnSaveDefault);
    connect(m_pDeleteAll, &QPushButton::clicked, this, &CChannelDlg::OnDeleteAll);
    connect(m_pExit, &QPushButton::clicked, this, &CChannelDlg::accept);
}

void CChannelDlg::LoadChannel()
{
    m_bLoading = true;
    m_pDecode->FillToneList(0);
    m_pEncode->FillToneList(0);
    const int row = g_pMainView != nullptr ? g_pMainView->m_nCurRow : 1;
    {
        const QSignalBlocker block(m_pNumber);
        m_pNumber->setValue(row >= 1 && row <= 16 ? row : 1);
    }
    m_pRxEdit->setText(SnapshotText(kSnapRx).trimmed());
    m_pTxEdit->setText(SnapshotText(kSnapTx).trimmed());
    ColourEdit(m_pRxEdit);
    ColourEdit(m_pTxEdit);
    m_pDecode->SelectToneText(SnapshotText(kSnapDecode));
    m_pEncode->SelectToneText(SnapshotText(kSnapEncode));
    m_pScan->setChecked(SnapshotText(kSnapScan) == Lang(90003));
    m_bWide = SnapshotText(kSnapWidth) == Lang(4047);
    m_pHighPower->setChecked(SnapshotText(kSnapPower) == Lang(4049));
    m_nTxClass = 0;
    if (!m_pTxEdit->text().trimmed().isEmpty()) {
        SnapFreq(Std(m_pTxEdit->text()), 4, m_nTxClass);
    }
    ApplyEnableRules();
    m_bLoading = false;
}

void CChannelDlg::ColourEdit(QLineEdit* edit)
{
    const bool red = FreqTextOutOfBand(Std(edit->text()), g_band.lower, g_band.upper);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, red ? kOutOfBandColour : QColor(Qt::black));
    edit->setPalette(pal);
    edit->setProperty("outOfBand", red);
}

bool CChannelDlg::NormalizeEdit(QLineEdit* edit, int& stepClass)
{
    if (edit->text().trimmed().isEmpty()) {
        return false;
    }
    edit->setText(QString::fromStdString(NormalizeFreqText(Std(edit->text()), g_band.code, stepClass)));
    ColourEdit(edit);
    return true;
}

bool CChannelDlg::ControlsEnabled() const { return m_pDecode->isEnabled(); }

void CChannelDlg::ApplyEnableRules()
{
    const ChannelEnableState state =
        ComputeEnableState(Std(m_pRxEdit->text()), Std(m_pTxEdit->text()), g_band.code);
    if (state.channelUsed) {
        m_pRxEdit->setText(QString::fromStdString(state.rxText));
        m_nRxClass = state.rxClass;
        ColourEdit(m_pRxEdit);
        for (QWidget* w : std::initializer_list<QWidget*>{m_pTxEdit, m_pDecode, m_pEncode, m_pScan,
                                                          m_pTransmit, m_pSaveDefault}) {
            w->setEnabled(true);
        }
        m_pInUse->setChecked(true);
        m_pTransmit->setChecked(true);
        // A channel that had no tones yet starts without tone rather than with an empty text.
        if (m_pDecode->currentIndex() < 0 && m_pDecode->currentText().trimmed().isEmpty()) {
            m_pDecode->setCurrentIndex(0);
        }
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{m_pTxEdit, m_pDecode, m_pEncode, m_pScan,
                                                          m_pTransmit, m_pSaveDefault}) {
            w->setEnabled(false);
        }
        m_pRxEdit->clear();
        m_pTxEdit->clear();
        ColourEdit(m_pRxEdit);
        ColourEdit(m_pTxEdit);
        m_pDecode->setCurrentIndex(-1);
        m_pEncode->setCurrentIndex(-1);
        for (QCheckBox* box : {m_pInUse, m_pTransmit, m_pScan, m_pHighPower}) {
            box->setChecked(false);
        }
    }
    if (!m_pTxEdit->text().trimmed().isEmpty()) {
        m_pTransmit->setChecked(true);
        m_pEncode->setEnabled(true);
        if (m_pEncode->currentIndex() < 0 && m_pEncode->currentText().trimmed().isEmpty()) {
            m_pEncode->setCurrentIndex(0);
        }
    } else {
        m_pTransmit->setChecked(false);
        m_pTxEdit->setEnabled(false);
        m_pEncode->setEnabled(false);
        m_pEncode->setCurrentIndex(-1);
    }
}

void CChannelDlg::Commit()
{
    EditStep step; // each change in the editor is one undoable step
    WriteRowToTable();
    StoreChannel();
}

void CChannelDlg::WriteRowToTable()
{
    if (g_pMainView == nullptr) {
        return;
    }
    CMainFrm* page = g_pMainView;
    const int row = page->m_nCurRow;
    QTableWidget* table = page->ChannelTable();
    if (row < 1 || row > 16 || table == nullptr) {
        return;
    }
    auto set = [&](int col, const QString& text) {
        if (QTableWidgetItem* item = table->item(row, col)) {
            item->setText(text);
        }
    };
    if (m_pInUse->isChecked()) {
        set(1, m_pRxEdit->text());
        set(2, m_pTxEdit->text());
        set(3, m_pDecode->isEnabled() ? m_pDecode->currentText() : QString());
        set(4, m_pEncode->isEnabled() ? m_pEncode->currentText() : QString());
        set(7, Lang(m_pScan->isChecked() ? 90003 : 90004));
        set(5, Lang(m_bWide ? 4047 : 4048));
        set(6, Lang(m_pHighPower->isChecked() ? 4049 : 4050));
    } else {
        for (int col = 1; col <= 7; ++col) {
            set(col, QString());
        }
    }
    // Colours: the row stays highlighted while it is edited; frequency cells outside the band red.
    page->PaintRow(row, true);
    const int priority = page->SelectedPriorityChannelData();
    page->RefreshPriorityChannelList();
    page->SelectPriorityChannelData(priority);
}

void CChannelDlg::StoreChannel()
{
    const int n = m_pNumber->value();
    ChannelInput in;
    // An unused channel (in-use box clear, as the table row shows it) is stored empty.
    const std::string rx = m_pInUse->isChecked() ? TrimBlanks(Std(m_pRxEdit->text())) : std::string();
    if (!rx.empty()) {
        // The record always holds normalised frequencies, even when an edit has not been left yet.
        in.rxText = NormalizeFreqText(rx, g_band.code, in.rxClass);
        const std::string tx = TrimBlanks(Std(m_pTxEdit->text()));
        if (!tx.empty() && LeadingNumber(tx) != 0.0) {
            in.txText = NormalizeFreqText(tx, g_band.code, in.txClass);
        }
        in.decodeTone = Std(m_pDecode->currentText());
        in.encodeTone = in.txText.empty() ? std::string() : Std(m_pEncode->currentText());
        in.wide = m_bWide;
        in.highPower = m_pHighPower->isChecked();
    }
    ::StoreChannel(g_doc.image, n, in, !rx.empty() && m_pScan->isChecked());
}

void CChannelDlg::RepaintCurrentRowOnClose()
{
    if (g_pMainView != nullptr && g_pMainView->m_nCurRow >= 1 && g_pMainView->m_nCurRow <= 16) {
        g_pMainView->PaintRow(g_pMainView->m_nCurRow, false);
    }
}
