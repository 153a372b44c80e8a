// The alignment-data window: widgets over AlignmentEditor, the file dialogs and message boxes of its
// commands, and the radio operations through one AlignmentSession.
#include "service/qt/AlignmentDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Startup.h"
#include "app/qt/ui/FileDialogs.h"
#include "app/qt/ui/MsgBox.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryRecorder.h"
#include "history/SessionRows.h"
#include "link/PortNames.h"
#include "link/RadioPort.h"
#include "link/qt/PortFactory.h"
#include "service/AlignmentSession.h"
#include "service/qt/AlignmentGrid.h"

namespace {

QString Text(int number) { return number == 0 ? QString() : QString::fromStdString(GetLangText(number)); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kLogWidth = 300;
constexpr int kButtonWidth = 160;

} // namespace

AlignmentDialog::AlignmentDialog(QWidget* parent, std::unique_ptr<SerialPort> port)
    : QDialog(parent), m_port(port ? std::move(port) : CreateRadioPort())
{
    SetWaitCursor(true);
    BuildControls();
    LayOut();
    ShowHeadings(0);
    ShowTables();
    UpdateTitle();
    ConfigureRadioPort(*m_port, g_strComPort, kServiceLineSettings);
    m_recorded = std::make_unique<HistoryLinkUi>(*this);
    m_session = std::make_unique<AlignmentSession>(*m_port, *m_recorded);
    SetWaitCursor(false);
}

AlignmentDialog::~AlignmentDialog()
{
    SetWaitCursor(false);
    if (m_port && m_port->IsOpen())
        m_port->Close();
}

void AlignmentDialog::BuildControls()
{
    m_params = new AlignmentGrid(kParamRows + 1, kParamColumns + 1, 2600, 820, this);
    m_freqs = new AlignmentGrid(kFreqRows + 1, kFreqColumns + 1, 1150, 1200, this);
    for (int row = 0; row <= kParamRows; ++row) {
        m_params->SetText(row, 0, Text(ParamRowLabel(row)));
        for (int col = ParamRowColumns(row) + 1; row > 0 && col <= kParamColumns; ++col)
            m_params->SetUnused(row, col);
    }
    for (int row = 0; row <= kFreqRows; ++row)
        m_freqs->SetText(row, 0, Text(FreqRowLabel(row)));
    for (int col = 1; col <= kFreqColumns; ++col)
        m_freqs->SetText(0, col, Text(FreqColumnHeading(col)));
    // The widest headings of the parameter table decide its columns.
    for (HeadingLayout layout : {HeadingLayout::A, HeadingLayout::B, HeadingLayout::C}) {
        const auto headings = ParamHeadings(layout);
        for (int col = 1; col <= kParamColumns; ++col)
            m_params->SetText(0, col, Text(headings[static_cast<std::size_t>(col - 1)]));
        m_params->FitToTexts();
    }
    m_freqs->FitToTexts();
    m_params->SetEditValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-+]?[0-9]{0,5}([.][0-9]{0,3})?")), this));
    m_freqs->SetEditValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,4}([.][0-9]{0,6})?")), this));

    m_freqCaption = new QLabel(Text(6844), this);
    // The hidden lists of the template: they follow the crystal and voice-chip bytes.
    m_crystal = new QComboBox(this);
    m_voiceChip = new QComboBox(this);
    m_crystal->hide();
    m_voiceChip->hide();

    m_log = new QPlainTextEdit(this);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setFont(QFont(QStringLiteral("Monospace"), 9));

    m_clear = new QPushButton(Text(7021), this);
    m_open = new QPushButton(Text(7017), this);
    m_save = new QPushButton(Text(7018), this);
    m_saveAs = new QPushButton(Text(7019), this);
    m_export = new QPushButton(Text(7020), this);
    m_read = new QPushButton(Text(3004), this);
    m_write = new QPushButton(Text(3005), this);
    m_close = new QPushButton(Text(90035), this);
    for (QPushButton* b : {m_clear, m_open, m_save, m_saveAs, m_export, m_read, m_write, m_close}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(kButtonWidth);
    }
    // No default button: Enter never writes the radio (nor does anything else) by surprise.

    connect(m_params, &QTableWidget::cellClicked, this, &AlignmentDialog::ClickParamCell);
    connect(m_freqs, &QTableWidget::cellClicked, this, &AlignmentDialog::ClickFreqCell);
    connect(m_params, &AlignmentGrid::Committed, this, &AlignmentDialog::CommitParam);
    connect(m_freqs, &AlignmentGrid::Committed, this, &AlignmentDialog::CommitFreq);
    connect(m_clear, &QPushButton::clicked, this, &AlignmentDialog::OnClear);
    connect(m_open, &QPushButton::clicked, this, &AlignmentDialog::OnOpen);
    connect(m_save, &QPushButton::clicked, this, &AlignmentDialog::OnSave);
    connect(m_saveAs, &QPushButton::clicked, this, &AlignmentDialog::OnSaveAs);
    connect(m_export, &QPushButton::clicked, this, &AlignmentDialog::OnExport);
    connect(m_read, &QPushButton::clicked, this, &AlignmentDialog::OnRead);
    connect(m_write, &QPushButton::clicked, this, &AlignmentDialog::OnWrite);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void AlignmentDialog::LayOut()
{
    auto* tables = new QVBoxLayout;
    tables->addWidget(m_params);
    tables->addSpacing(8);
    tables->addWidget(m_freqCaption);
    auto* freqRow = new QHBoxLayout;
    freqRow->addWidget(m_freqs);
    freqRow->addWidget(m_crystal);
    freqRow->addWidget(m_voiceChip);
    freqRow->addStretch();
    tables->addLayout(freqRow);
    tables->addStretch();

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_clear, m_open, m_save, m_saveAs, m_export})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* top = new QHBoxLayout(this);
    top->addLayout(tables);
    top->addSpacing(10);
    top->addStretch();
    top->addLayout(buttons);
    top->addSpacing(12);
    top->addWidget(m_log);
    m_log->setFixedWidth(kLogWidth);

    // Without the service view the log is out of sight and the window ends at 680 pixels.
    m_log->setVisible(g_bServiceView);
    const int height = sizeHint().height();
    setFixedSize(g_bServiceView ? kNarrowWidth + kLogWidth : kNarrowWidth, height);
}

void AlignmentDialog::UpdateTitle() { setWindowTitle(Q(m_editor.Title())); }

void AlignmentDialog::ShowHeadings(int row)
{
    m_nHeadingRow = row;
    const auto headings = ParamHeadings(LayoutForRow(row));
    for (int col = 1; col <= kParamColumns; ++col)
        m_params->SetText(0, col, Text(headings[static_cast<std::size_t>(col - 1)]));
}

void AlignmentDialog::ShowTables()
{
    const AlignmentTables& t = m_editor.Tables();
    for (int row = 1; row <= kParamRows; ++row)
        for (int col = 1; col <= kParamColumns; ++col)
            m_params->SetText(row, col, Q(t.ParamText(row, col)));
    for (int row = 1; row <= kFreqRows; ++row)
        for (int col = 1; col <= kFreqColumns; ++col)
            m_freqs->SetText(row, col, Q(t.FreqText(row, col)));
    m_crystal->clear();
    m_voiceChip->clear();
    if (t.Filled()) {
        for (const std::string& entry : CrystalEntries())
            m_crystal->addItem(Q(entry));
        for (const std::string& entry : VoiceChipEntries())
            m_voiceChip->addItem(Q(entry));
        m_crystal->setCurrentIndex(t.CrystalIndex());
        m_voiceChip->setCurrentIndex(t.VoiceChipIndex());
    }
}

void AlignmentDialog::EndEditing(bool commit)
{
    m_params->CloseEditor(commit);
    m_freqs->CloseEditor(commit);
}

void AlignmentDialog::ClickParamCell(int row, int col)
{
    EndEditing(true);
    ShowHeadings(row);
    if (row >= 1 && col >= 1 && m_editor.Tables().CanEditParam(row, col))
        m_params->OpenEditor(row, col);
}

void AlignmentDialog::ClickFreqCell(int row, int col)
{
    EndEditing(true);
    if (row >= 1 && col >= 1 && m_editor.Tables().CanEditFreq(row, col))
        m_freqs->OpenEditor(row, col);
}

void AlignmentDialog::CommitParam(int row, int col, const QString& text)
{
    m_editor.Tables().CommitParam(row, col, text.toStdString());
    ShowTables();
}

void AlignmentDialog::CommitFreq(int row, int col, const QString& text)
{
    m_editor.Tables().CommitFreq(row, col, text.toStdString(), g_band.lower, g_band.upper);
    ShowTables();
}

void AlignmentDialog::OnClear()
{
    EndEditing(false);
    m_editor.Clear();
    ShowTables();
    UpdateTitle();
}

bool AlignmentDialog::KeepOrDropUnsaved()
{
    // A block read from the radio and not edited is asked about as the main window asks about a read.
    const bool unedited = m_editor.Current() == m_editor.FromRadio();
    const QString name = m_editor.Path().empty() ? Text(90026) : Q(m_editor.Path());
    const QString question = unedited ? Text(2002) : name + QStringLiteral(" ") + Text(2004);
    const QMessageBox::StandardButton answer =
        MsgBox::Ask(this, Text(90006), question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    // Yes saves first; when that does not happen the values stay and the command ends.
    return answer != QMessageBox::Yes || OnSave() == SaveOutcome::Saved;
}

void AlignmentDialog::OnOpen()
{
    EndEditing(true);
    if (m_editor.IsModified() && !KeepOrDropUnsaved())
        return;
    // An alignment data file, or a code plug read from the radio (its backup) holding the block.
    const QString chosen =
        AskFilePath(this, false, Text(2013) + QStringLiteral(" (*.dts *.dat)"), QStringLiteral("dts"));
    if (chosen.isEmpty())
        return;
    if (const int rc = m_editor.Open(chosen.toStdString()); rc != 0) {
        ShowOpenFileError(Text(rc));
        return;
    }
    ShowTables();
    UpdateTitle();
}

AlignmentDialog::SaveOutcome AlignmentDialog::OnSave()
{
    EndEditing(true);
    if (const int rc = m_editor.CheckData(); rc != 0) {
        ShowTextMessage(rc);
        return SaveOutcome::Failed;
    }
    std::string path = m_editor.Path();
    if (path.empty()) {
        const QString chosen =
            AskFilePath(this, true, Text(90007) + QStringLiteral(" (*.dts)"), QStringLiteral("dts"));
        if (chosen.isEmpty())
            return SaveOutcome::Cancelled;
        path = chosen.toStdString();
    }
    if (const int rc = m_editor.SaveTo(path); rc != 0) {
        ShowTextMessage(rc);
        return SaveOutcome::Failed;
    }
    UpdateTitle();
    return SaveOutcome::Saved;
}

void AlignmentDialog::OnSaveAs()
{
    // The file is forgotten so that Save asks for a name (a cancelled dialog leaves the data without a
    // file, as in the main window); a save that failed keeps the file it had.
    const std::string previous = m_editor.Path();
    m_editor.ForgetPath();
    if (OnSave() == SaveOutcome::Failed)
        m_editor.SetPath(previous);
    UpdateTitle();
}

void AlignmentDialog::OnExport()
{
    EndEditing(true);
    const QString chosen =
        AskFilePath(this, true, Text(7023) + QStringLiteral(" (*.xlsx)"), QStringLiteral("xlsx"));
    if (chosen.isEmpty())
        return;
    ShowMessage(SheetExportMessage(m_editor.Export(chosen.toStdString())));
}

template <typename Run> AlignmentResult AlignmentDialog::RunRadio(HistoryOp op, Run run)
{
    EndEditing(true);
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* b : buttons)
        b->setEnabled(false);
    HistoryRecorder history;
    m_recorded->Begin(history.Note());
    const AlignmentResult result = run();
    const std::string note =
        history.Keep(AlignmentRows(op, result, m_session->Identity(), m_editor.Held(), m_recorded->Message()),
                     HistoryPortLabel(g_strComPort, *m_port), *m_recorded);
    if (!note.empty())
        ShowErrorMessage(Q(note));
    // Clicks made while the radio was busy reach disabled buttons and go no further.
    QApplication::processEvents();
    for (QPushButton* b : buttons)
        b->setEnabled(true);
    ShowTables();
    UpdateTitle();
    return result;
}

void AlignmentDialog::OnRead()
{
    EndEditing(true);
    if (m_editor.HasUnkeptEdits() && !KeepOrDropUnsaved())
        return;
    RunRadio(HistoryOp::AlignRead, [this] { return m_editor.Read(*m_session); });
}

void AlignmentDialog::OnWrite()
{
    EndEditing(true);
    if (m_editor.CheckData() == 0) {
        const QMessageBox::StandardButton answer =
            MsgBox::Ask(this, Text(90006), Q(m_editor.WriteQuestion()), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::No, QMessageBox::Question);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (RunRadio(HistoryOp::AlignWrite, [this] { return m_editor.Write(*m_session); }).Succeeded())
        ShowTextMessage(9531); // "Alignment data written to the radio."
}

void AlignmentDialog::reject()
{
    EndEditing(true);
    if (m_editor.IsModified() && !KeepOrDropUnsaved())
        return;
    QDialog::reject();
}

void AlignmentDialog::ShowLog(const std::string& text)
{
    m_log->setPlainText(Q(text));
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
    if (m_log->isVisible())
        m_log->viewport()->repaint(); // the radio operation blocks the event loop: paint now
}

void AlignmentDialog::ReportMessage(int textNumber, const std::string& detail)
{
    m_cursor.ShowText(textNumber, detail);
}

void AlignmentDialog::SetWaitCursor(bool on) { m_cursor.SetWait(on); }

void RunBatchWriteTest(QWidget* parent)
{
    if (!g_bTestEnabled)
        return;
    if (IsFamilyCode(g_strModel)) {
        AlignmentDialog dialog(parent);
        dialog.exec();
        return;
    }
    if (!g_doc.fromRadio)
        ShowTextMessage(6801);
}
