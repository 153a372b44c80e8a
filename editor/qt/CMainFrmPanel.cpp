// The editor page's controls: the settings panel's groups, lists, boxes and fields above the channel
// table, their captions in the current language and, in Chinese, the application font.
#include "editor/qt/CMainFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "codeplug/PanelLogic.h"
#include "editor/qt/CChannelTable.h"
#include "editor/qt/CChannelTableActions.h"
#include "editor/qt/CSpinEdit.h"

namespace {

QString Lang(int number) { return QString::fromStdString(GetLangText(number)); }

} // namespace

void CMainFrm::BuildPanel()
{
    auto addLabel = [this](QGridLayout* grid, int row, const QString& text = QString()) {
        auto* label = new QLabel(text);
        m_labels.append(label);
        grid->addWidget(label, row, 0);
        return label;
    };
    auto newGroup = [this](QBoxLayout* column) {
        auto* group = new QGroupBox;
        m_groups.append(group);
        column->addWidget(group);
        auto* grid = new QGridLayout(group);
        grid->setVerticalSpacing(4);
        return grid;
    };
    auto newSpin = [](std::string (*step)(const std::string&, int), int maxLength) {
        auto* spin = new CSpinEdit;
        spin->Edit()->setMaxLength(maxLength);
        spin->SetStepper([step](const QString& text, int steps) {
            return QString::fromStdString(step(text.toStdString(), steps));
        });
        return spin;
    };

    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    auto* right = new QVBoxLayout;

    QGridLayout* g = newGroup(left); // model
    m_cmbModel = new QComboBox;
    g->addWidget(m_cmbModel, 0, 0, 1, 2);
    g = newGroup(left); // voice prompt
    addLabel(g, 0);
    m_cmbVoice = new QComboBox;
    g->addWidget(m_cmbVoice, 0, 1);
    g = newGroup(left); // key assignment
    addLabel(g, 0, QStringLiteral("PF1"));
    m_cmbPf1 = new QComboBox;
    g->addWidget(m_cmbPf1, 0, 1);
    left->addStretch(1);

    g = newGroup(middle); // optional functions
    addLabel(g, 0);
    m_cmbTimeOut = new QComboBox;
    g->addWidget(m_cmbTimeOut, 0, 1);
    addLabel(g, 1);
    m_cmbPreAlert = new QComboBox;
    g->addWidget(m_cmbPreAlert, 1, 1);
    addLabel(g, 2);
    m_cmbSquelch = new QComboBox;
    g->addWidget(m_cmbSquelch, 2, 1);
    m_chkBatterySave = new QCheckBox;
    g->addWidget(m_chkBatterySave, 3, 0, 1, 2);
    m_chkWiredClone = new QCheckBox;
    g->addWidget(m_chkWiredClone, 4, 0, 1, 2);
    middle->addStretch(1);

    g = newGroup(right); // scan options
    addLabel(g, 0);
    m_cmbPriMode = new QComboBox;
    g->addWidget(m_cmbPriMode, 0, 1);
    addLabel(g, 1);
    m_cmbPriChannel = new QComboBox;
    g->addWidget(m_cmbPriChannel, 1, 1);
    addLabel(g, 2);
    m_spnScanBackA = newSpin(StepScanBackText, 4);
    g->addWidget(m_spnScanBackA, 2, 1);
    addLabel(g, 3);
    m_spnScanBackB = newSpin(StepScanBackText, 4);
    g->addWidget(m_spnScanBackB, 3, 1);
    // The revert-channel entries are the page's longest texts: the list takes the group's whole
    // width on the line below its caption.
    addLabel(g, 4);
    m_cmbRevert = new QComboBox;
    g->addWidget(m_cmbRevert, 5, 0, 1, 2);
    addLabel(g, 6);
    m_spnPause = newSpin(StepSecondsText, 3);
    g->addWidget(m_spnPause, 6, 1);
    addLabel(g, 7);
    m_spnDwell = newSpin(StepSecondsText, 3);
    g->addWidget(m_spnDwell, 7, 1);
    right->addStretch(1);

    auto* panel = new QHBoxLayout;
    panel->addLayout(left, 1);
    panel->addLayout(middle, 1);
    panel->addLayout(right, 1);
    m_table = new CChannelTable;
    auto* page = new QVBoxLayout(this);
    page->addLayout(panel);
    page->addWidget(m_table, 1);

    for (QComboBox* list : {m_cmbVoice, m_cmbPf1, m_cmbTimeOut, m_cmbPreAlert, m_cmbSquelch, m_cmbRevert})
        connect(list, &QComboBox::currentIndexChanged, this, &CMainFrm::OnListChanged);
    connect(m_cmbPriMode, &QComboBox::currentIndexChanged, this, &CMainFrm::OnPriorityModeChanged);
    connect(m_cmbPriChannel, &QComboBox::currentIndexChanged, this, &CMainFrm::OnPriorityChannelChanged);
    connect(m_cmbModel, &QComboBox::currentIndexChanged, this, &CMainFrm::OnModelChanged);
    connect(m_chkBatterySave, &QCheckBox::toggled, this, &CMainFrm::OnListChanged);
    connect(m_chkWiredClone, &QCheckBox::toggled, this, &CMainFrm::OnListChanged);
    for (CSpinEdit* spin : {m_spnScanBackA, m_spnScanBackB, m_spnPause, m_spnDwell})
        spin->Edit()->installEventFilter(this);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &CMainFrm::OnCellDoubleClicked);
    m_tableActions = new CChannelTableActions(this, m_table);
}

void CMainFrm::ApplyFonts()
{
    if (g_nLanguage != kLangChinese)
        return;
    for (QGroupBox* group : m_groups)
        UseAppFont(group);
    for (QLabel* label : m_labels)
        UseAppFont(label);
    for (QComboBox* list : {m_cmbModel, m_cmbVoice, m_cmbPf1, m_cmbTimeOut, m_cmbPreAlert, m_cmbSquelch,
                            m_cmbPriMode, m_cmbPriChannel, m_cmbRevert})
        UseAppFont(list);
    UseAppFont({m_chkBatterySave, m_chkWiredClone});
    // The table's cells use the Song face at 9 points (g_fontApp is that face in Chinese mode).
    m_table->SetCellFont(g_fontApp);
}

void CMainFrm::ApplyCaptions()
{
    static constexpr int kGroups[] = {4001, 4052, 4003, 4005, 4013};
    for (int i = 0; i < m_groups.size(); ++i)
        m_groups[i]->setTitle(Lang(kGroups[i]));
    // Labels in the order BuildPanel made them; 0 stands for the fixed "PF1".
    static constexpr int kLabels[] = {4064, 0, 4006, 4007, 4010, 4429, 4015, 4430, 4431, 4016, 4017, 4018};
    for (int i = 0; i < m_labels.size(); ++i) {
        if (kLabels[i] != 0)
            m_labels[i]->setText(Lang(kLabels[i]));
    }
    m_chkBatterySave->setText(Lang(4029));
    m_chkWiredClone->setText(Lang(4054));
}
