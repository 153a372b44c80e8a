// The main editor page: the general-settings panel above and the 16-channel table below,
// both kept in step with the code plug image (g_doc.image).
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/qt/ui/EditorPageUi.h"
#include "codeplug/PanelLogic.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;
class QEvent;
class CChannelTable;
class CChannelTableActions;
class CInterfaceLock;
class CSpinEdit;

// What the channel editor puts into an empty channel.
struct ChannelDefaults {
    QString rx, tx;         // "%9.5f" texts
    QString decode, encode; // tone texts (text 90020 = no tone)
    bool scan = true, wide = true, highPower = true;
};

class CMainFrm : public QWidget, public EditorPageUi {
    Q_OBJECT
public:
    explicit CMainFrm(QWidget* parent = nullptr);
    ~CMainFrm() override;

    // (Re)initialises the whole page from the image: lists, captions, fonts, table.
    void OnInitialUpdate() override;
    // Shows the image's settings and channels in the panel and the table.
    void LoadFromImage();
    // Writes every panel setting to the image.
    void StoreToImage();
    // What the panel's controls show now (selections and edit texts), as StoreToImage writes it.
    PanelState CurrentPanelState() const;
    // Rebuilds the priority-channel list from the channels in use, keeping the selection when possible.
    void RefreshPriorityChannelList();

    QTableWidget* ChannelTable() const;       // 17 x 8: row 0 header, column 0 channel number
    void TakeRowSnapshot(int row);            // fills m_rowSnapshot from columns 1,2,3,4,7,5,6 of row
    void PaintRow(int row, bool highlighted); // white-on-blue or black-on-white for columns 1..7,
                                              // then re-marks out-of-band frequency cells red
    int SelectedPriorityChannelData() const;  // data of the selected priority-channel entry (0 = none)
    void SelectPriorityChannelData(int data); // select entry with that data, first entry when gone
    void ClearPriorityForDeleteAll();         // priority list -> first entry only, selected, disabled;
                                              // revert list first entry, disabled; StoreToImage()

    // Writes one channel of the image into its table row (row 1..16).
    void WriteRowToTable(int row);

    // The table with its row selection, and its copy, cut, paste and delete commands.
    CChannelTable* Table() const { return m_table; }
    CChannelTableActions* TableActions() const { return m_tableActions; }

    int m_nSelRow = 0;         // row last opened in the channel editor (0 = none)
    int m_nCurRow = 0;         // row being edited
    QStringList m_rowSnapshot; // rx, tx, decode, encode, scan, bandwidth, power
    ChannelDefaults m_defaults;

    // Widgets reachable by tests and the main window.
    QComboBox* ModelList() const { return m_cmbModel; }
    QComboBox* VoiceLanguageList() const { return m_cmbVoice; }
    QComboBox* Pf1List() const { return m_cmbPf1; }
    QComboBox* TimeOutList() const { return m_cmbTimeOut; }
    QComboBox* PreAlertList() const { return m_cmbPreAlert; }
    QComboBox* SquelchList() const { return m_cmbSquelch; }
    QCheckBox* BatterySaveBox() const { return m_chkBatterySave; }
    QCheckBox* WiredCloneBox() const { return m_chkWiredClone; }
    QComboBox* PriorityModeList() const { return m_cmbPriMode; }
    QComboBox* PriorityChannelList() const { return m_cmbPriChannel; }
    QComboBox* RevertChannelList() const { return m_cmbRevert; }
    CSpinEdit* ScanBackA() const { return m_spnScanBackA; }
    CSpinEdit* ScanBackB() const { return m_spnScanBackB; }
    CSpinEdit* PauseTime() const { return m_spnPause; }
    CSpinEdit* DwellTime() const { return m_spnDwell; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, their captions and fonts (CMainFrmPanel.cpp).
    void BuildPanel();
    void ApplyCaptions();
    void ApplyFonts();
    void FillLists();
    void SetChannelDefaults(bool afterLimitEdit = false);
    void ApplyPriorityDependencies();
    void RebuildRevertList(int keepData);
    int PriorityMode() const;
    void SelectModelEntryOfImage();
    void OpenChannelEditor(int row);

    void OnListChanged();
    void OnPriorityModeChanged();
    void OnPriorityChannelChanged();
    void OnModelChanged(int index);
    void OnScanBackFocusLost(CSpinEdit* field);
    void OnSecondsFocusLost(CSpinEdit* field);
    void OnCellDoubleClicked(int row, int column);

    QList<QGroupBox*> m_groups;
    QList<QLabel*> m_labels;
    QComboBox* m_cmbModel = nullptr;
    QComboBox* m_cmbVoice = nullptr;
    QComboBox* m_cmbPf1 = nullptr;
    QComboBox* m_cmbTimeOut = nullptr;
    QComboBox* m_cmbPreAlert = nullptr;
    QComboBox* m_cmbSquelch = nullptr;
    QCheckBox* m_chkBatterySave = nullptr;
    QCheckBox* m_chkWiredClone = nullptr;
    QComboBox* m_cmbPriMode = nullptr;
    QComboBox* m_cmbPriChannel = nullptr;
    QComboBox* m_cmbRevert = nullptr;
    CSpinEdit* m_spnScanBackA = nullptr;
    CSpinEdit* m_spnScanBackB = nullptr;
    CSpinEdit* m_spnPause = nullptr;
    CSpinEdit* m_spnDwell = nullptr;
    CChannelTable* m_table = nullptr;
    CChannelTableActions* m_tableActions = nullptr;
    CInterfaceLock* m_lock = nullptr;
    bool m_bLoading = false; // controls are being filled from the image: their signals store nothing
};

extern CMainFrm* g_pMainView;
