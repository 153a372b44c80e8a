// The editor page: shows the image in the panel and the channel table and writes every panel change
// back into the image at once (the controls are built in CMainFrmPanel.cpp). The rules themselves live
// in PanelLogic and ChannelTableLogic.
#include "editor/qt/CMainFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/CChildFrame.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelTableLogic.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/PanelLogic.h"
#include "editor/qt/BandSelectionFlow.h"
#include "editor/qt/CChannelDlg.h"
#include "editor/qt/CChannelTable.h"
#include "editor/qt/CChannelTableActions.h"
#include "editor/qt/CSpinEdit.h"
#include "editor/qt/InterfaceLock.h"

CMainFrm* g_pMainView = nullptr;

namespace {

QString Lang(int number) { return QString::fromStdString(GetLangText(number)); }

void FillList(QComboBox* list, const std::vector<ListEntry>& entries)
{
    list->clear();
    for (const ListEntry& e : entries)
        list->addItem(QString::fromStdString(e.text), e.data);
}

int SelectedData(const QComboBox* list, int none = 0)
{
    return list->currentIndex() < 0 ? none : list->currentData().toInt();
}

void SelectData(QComboBox* list, int data)
{
    const int index = list->findData(data);
    list->setCurrentIndex(index >= 0 ? index : (list->count() > 0 ? 0 : -1));
}

} // namespace

CMainFrm::CMainFrm(QWidget* parent) : QWidget(parent)
{
    g_pMainView = this;
    SetEditorPageUi(this);
    BuildPanel();
    m_lock = new CInterfaceLock(this);
}

CMainFrm::~CMainFrm()
{
    if (g_pMainView == this)
        g_pMainView = nullptr;
    ClearEditorPageUi(this);
}

void CMainFrm::OnInitialUpdate()
{
    setWindowTitle(Lang(4073));
    if (QMdiSubWindow* sub = PageWindow(this))
        sub->setWindowTitle(Lang(4073));
    ApplyFonts();
    ApplyCaptions();

    m_bLoading = true;
    m_table->ResetCells();
    m_nSelRow = 0;
    FillLists();
    m_bLoading = false;
    SetChannelDefaults();

    m_table->setUpdatesEnabled(false);
    LoadFromImage();
    m_table->setUpdatesEnabled(true);
    m_table->LayoutRows();
    m_lock->SyncCursor();
    m_cmbModel->setFocus();
}

void CMainFrm::FillLists()
{
    m_cmbModel->clear();
    for (const ModelEntry& m : ModelListEntries())
        m_cmbModel->addItem(QString::fromStdString(m.text), QString::fromStdString(m.bandCode));
    FillList(m_cmbPf1, Pf1Entries());
    FillList(m_cmbVoice, VoiceLanguageEntries());
    FillList(m_cmbTimeOut, TimeOutEntries());
    FillList(m_cmbSquelch, SquelchEntries());
    FillList(m_cmbPreAlert, PreAlertEntries());
    FillList(m_cmbPriMode, PriorityModeEntries());
    // A list is never narrower than its longest entry: the page's columns make room for it instead
    // of cutting the text. The revert list holds two or four of its entries, by priority mode; it is
    // as wide as the longest of them all, so that the page keeps its layout whatever the mode.
    FillList(m_cmbRevert, RevertEntries(1));
    for (QComboBox* list : {m_cmbModel, m_cmbVoice, m_cmbPf1, m_cmbTimeOut, m_cmbPreAlert, m_cmbSquelch,
                            m_cmbPriMode, m_cmbPriChannel, m_cmbRevert}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setMinimumWidth(list->sizeHint().width());
        list->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    }
}

void CMainFrm::SetChannelDefaults(bool afterLimitEdit)
{
    if (afterLimitEdit) {
        // After the custom band's limits were edited only the two frequencies follow the new lower limit.
        m_defaults.rx = m_defaults.tx = QString::asprintf("%8.5f", g_band.lower);
        return;
    }
    const double mhz = g_band.code == "F9" ? 446.00625 : g_band.lower;
    m_defaults.rx = m_defaults.tx = QString::fromStdString(FormatMHz(mhz));
    m_defaults.decode = m_defaults.encode = Lang(90020);
    m_defaults.scan = m_defaults.wide = m_defaults.highPower = true;
}

void CMainFrm::LoadFromImage()
{
    const bool wasLoading = m_bLoading;
    m_bLoading = true;
    for (int n = 1; n <= 16; ++n)
        WriteRowToTable(n);
    RefreshPriorityChannelList();

    std::array<bool, 16> scanChannels{};
    for (int n = 1; n <= 16; ++n)
        scanChannels[static_cast<std::size_t>(n - 1)] = RowIsScanChannel(
            m_table->item(n, kColRx)->text().toStdString(), m_table->item(n, kColScan)->text().toStdString());
    const PanelState s = LoadPanelState(g_doc.image, g_band.code, scanChannels);

    m_cmbModel->setCurrentIndex(s.model);
    m_cmbTimeOut->setCurrentIndex(s.timeOut);
    m_cmbPreAlert->setCurrentIndex(s.preAlert);
    m_cmbPf1->setCurrentIndex(s.pf1);
    m_cmbPf1->setEnabled(false);
    m_cmbVoice->setCurrentIndex(s.voiceLanguage);
    m_cmbSquelch->setCurrentIndex(s.squelch);
    m_chkBatterySave->setChecked(s.batterySave);
    m_chkWiredClone->setChecked(s.wiredClone);
    m_cmbPriMode->setCurrentIndex(s.priorityMode);
    FillList(m_cmbRevert, RevertEntries(s.priorityMode));
    m_cmbRevert->setEnabled(true);
    SelectData(m_cmbPriChannel, s.priorityChannelData);
    m_spnScanBackA->Edit()->setText(QString::fromStdString(s.scanBackA));
    m_spnScanBackB->Edit()->setText(QString::fromStdString(s.scanBackB));
    SelectData(m_cmbRevert, s.revertData);
    m_spnPause->Edit()->setText(QString::fromStdString(s.pause));
    m_spnDwell->Edit()->setText(QString::fromStdString(s.dwell));
    ApplyPriorityDependencies();
    m_bLoading = wasLoading;
}

void CMainFrm::StoreToImage()
{
    EditStep step; // a panel change is one undoable step (or part of the change that called it)
    StorePanelState(g_doc.image, CurrentPanelState(), g_band.code);
}

PanelState CMainFrm::CurrentPanelState() const
{
    PanelState s;
    s.model = m_cmbModel->currentIndex();
    s.voiceLanguage = m_cmbVoice->currentIndex();
    s.pf1 = m_cmbPf1->currentIndex();
    s.timeOut = m_cmbTimeOut->currentIndex();
    s.preAlert = m_cmbPreAlert->currentIndex();
    s.squelch = m_cmbSquelch->currentIndex();
    s.batterySave = m_chkBatterySave->isChecked();
    s.wiredClone = m_chkWiredClone->isChecked();
    s.priorityMode = m_cmbPriMode->currentIndex();
    s.priorityChannelData = SelectedPriorityChannelData();
    s.scanBackA = m_spnScanBackA->Edit()->text().toStdString();
    s.scanBackB = m_spnScanBackB->Edit()->text().toStdString();
    s.revertData = SelectedData(m_cmbRevert, DataAt(RevertEntries(s.priorityMode), 0));
    s.pause = m_spnPause->Edit()->text().toStdString();
    s.dwell = m_spnDwell->Edit()->text().toStdString();
    return s;
}

void CMainFrm::RefreshPriorityChannelList()
{
    const int keep = SelectedPriorityChannelData();
    std::array<bool, 16> scanChannels{};
    for (int n = 1; n <= 16; ++n)
        scanChannels[static_cast<std::size_t>(n - 1)] = RowIsScanChannel(
            m_table->item(n, kColRx)->text().toStdString(), m_table->item(n, kColScan)->text().toStdString());
    const bool wasLoading = m_bLoading;
    m_bLoading = true;
    FillList(m_cmbPriChannel, PriorityChannelEntries(scanChannels));
    m_bLoading = wasLoading;
    SelectPriorityChannelData(keep);
}

int CMainFrm::SelectedPriorityChannelData() const { return SelectedData(m_cmbPriChannel); }

void CMainFrm::SelectPriorityChannelData(int data)
{
    const bool wasLoading = m_bLoading;
    m_bLoading = true;
    SelectData(m_cmbPriChannel, data);
    m_bLoading = wasLoading;
    // A priority channel that left the scan list is no priority channel in the radio either.
    if (!m_bLoading && data != 0 && SelectedPriorityChannelData() != data)
        g_doc.image.WriteByte(Addr::kPriorityChannel, 0);
}

void CMainFrm::ClearPriorityForDeleteAll()
{
    const bool wasLoading = m_bLoading;
    m_bLoading = true;
    FillList(m_cmbPriChannel, PriorityChannelEntries({}));
    m_cmbPriChannel->setCurrentIndex(0);
    m_cmbPriChannel->setEnabled(false);
    m_cmbRevert->setCurrentIndex(0);
    m_cmbRevert->setEnabled(false);
    m_bLoading = wasLoading;
    StoreToImage();
}

int CMainFrm::PriorityMode() const { return m_cmbPriMode->currentIndex(); }

void CMainFrm::ApplyPriorityDependencies()
{
    const PriorityDependencies d = PriorityDependenciesOf(PriorityMode());
    m_cmbPriChannel->setEnabled(d.priorityChannelEnabled);
    m_spnScanBackA->setEnabled(d.scanBackEnabled);
    m_spnScanBackB->setEnabled(d.scanBackEnabled);
}

void CMainFrm::RebuildRevertList(int keepData)
{
    const bool wasLoading = m_bLoading;
    m_bLoading = true;
    FillList(m_cmbRevert, RevertEntries(PriorityMode()));
    SelectData(m_cmbRevert, keepData);
    m_bLoading = wasLoading;
}

void CMainFrm::OnListChanged()
{
    if (!m_bLoading)
        StoreToImage();
}

void CMainFrm::OnPriorityModeChanged()
{
    if (m_bLoading)
        return;
    ApplyPriorityDependencies();
    RebuildRevertList(SelectedData(m_cmbRevert));
    StoreToImage();
}

void CMainFrm::OnPriorityChannelChanged()
{
    if (m_bLoading)
        return;
    RebuildRevertList(SelectedData(m_cmbRevert));
    StoreToImage();
}

void CMainFrm::OnScanBackFocusLost(CSpinEdit* field)
{
    field->Edit()->setText(
        QString::fromStdString(NormalizeScanBackText(field->Edit()->text().toStdString())));
    StoreToImage();
}

void CMainFrm::OnSecondsFocusLost(CSpinEdit* field)
{
    field->Edit()->setText(QString::fromStdString(NormalizeSecondsText(field->Edit()->text().toStdString())));
    StoreToImage();
}

bool CMainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !m_bLoading) {
        for (CSpinEdit* spin : {m_spnScanBackA, m_spnScanBackB}) {
            if (watched == spin->Edit())
                OnScanBackFocusLost(spin);
        }
        for (CSpinEdit* spin : {m_spnPause, m_spnDwell}) {
            if (watched == spin->Edit())
                OnSecondsFocusLost(spin);
        }
    }
    return QWidget::eventFilter(watched, event);
}

QTableWidget* CMainFrm::ChannelTable() const { return m_table; }

void CMainFrm::WriteRowToTable(int row)
{
    if (row < 1 || row > 16)
        return;
    const ChannelCells cells = ChannelRowCells(g_doc.image, row, g_band);
    QStringList texts;
    for (const std::string& t : cells.text)
        texts << QString::fromStdString(t);
    m_table->SetRowTexts(row, texts, cells.rxRed, cells.txRed);
}

void CMainFrm::TakeRowSnapshot(int row)
{
    m_rowSnapshot.clear();
    if (row < 1 || row > 16)
        return;
    for (int c : {kColRx, kColTx, kColDecode, kColEncode, kColScan, kColBandwidth, kColPower})
        m_rowSnapshot << m_table->item(row, c)->text();
}

void CMainFrm::PaintRow(int row, bool highlighted) { m_table->PaintRow(row, highlighted); }

void CMainFrm::OnCellDoubleClicked(int row, int /*column*/)
{
    if (g_bLockInterface || row < 1 || row > 16)
        return;
    OpenChannelEditor(row);
}

void CMainFrm::OpenChannelEditor(int row)
{
    m_nCurRow = row;
    TakeRowSnapshot(row);
    if (m_nSelRow >= 1 && m_nSelRow <= 16)
        PaintRow(m_nSelRow, false);
    PaintRow(row, true);
    m_nSelRow = row;
    CChannelDlg dlg(this);
    dlg.exec();
}

void CMainFrm::SelectModelEntryOfImage()
{
    const bool wasLoading = m_bLoading;
    m_bLoading = true;
    m_cmbModel->setCurrentIndex(ModelIndexOf(g_band.code));
    m_bLoading = wasLoading;
}

void CMainFrm::OnModelChanged(int index)
{
    if (m_bLoading || index < 0)
        return;
    const BandSelectionResult result =
        RunBandSelection(this, index, m_cmbModel->itemText(index), m_cmbModel->itemData(index).toString());
    if (result == BandSelectionResult::Reverted)
        SelectModelEntryOfImage();
    else if (result == BandSelectionResult::LimitsEdited) {
        // New limits change which frequencies are drawn red.
        LoadFromImage();
        SetChannelDefaults(true);
    } else if (result == BandSelectionResult::BandChanged)
        OnInitialUpdate();
}
