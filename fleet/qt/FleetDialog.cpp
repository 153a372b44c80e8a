// The fleet window: choosing ports and count, the ports' rows while the run goes on, the list of radios
// handled, and the list saved or printed. The run's callbacks come from the ports' threads and are
// queued to this window's thread.
#include "fleet/qt/FleetDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "fleet/DeliveryList.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetRunner.h"
#include "fleet/FleetTexts.h"
#include "fleet/SimulatedFleetPort.h"
#include "fleet/qt/DeliveryPrint.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryTexts.h"
#include "link/PortNames.h"
#include "link/PreWriteCheck.h"
#include "codeplug/ModelCatalogue.h"
#include "link/RadioPort.h"
#include "link/qt/PortFactory.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
QString TextWith(int number, const std::vector<std::string>& args)
{
    return QString::fromStdString(GetLangTextWith(number, args));
}
QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kCloseText = 90035;
constexpr int kCaption = 90006;
constexpr int kTextProblems = 9620;   // the code plug has problems for the radio's band
constexpr int kTextWriteAnyway = 9621; // write anyway?
constexpr std::size_t kProblemsShown = 12;
constexpr int kSimulatedPorts = 4;
constexpr int kWidth = 860;
constexpr int kHeight = 600;
constexpr int kMaxCount = 9999;
constexpr int kSimulatedRadios = 100; // on each simulated port, one after another

QString StateText(const FleetPortStatus& s)
{
    const std::string step = std::to_string(s.step);
    const std::string steps = std::to_string(s.steps);
    switch (s.state) {
    case FleetPortState::Waiting:
        return Text(fleettext::kWaiting);
    case FleetPortState::Reading:
        return Text(fleettext::kReading);
    case FleetPortState::BackingUp:
        return TextWith(fleettext::kBackingUp, {step, steps});
    case FleetPortState::Writing:
        return TextWith(fleettext::kWriting, {step, steps});
    case FleetPortState::Verifying:
        return TextWith(fleettext::kVerifying, {step, steps});
    case FleetPortState::Done:
        return TextWith(fleettext::kDone, {s.text});
    case FleetPortState::Refused:
        return TextWith(fleettext::kRefused, {s.text});
    case FleetPortState::Failed:
        return TextWith(fleettext::kFailed, {s.text});
    case FleetPortState::WaitUnplug:
        return Text(fleettext::kWaitUnplug);
    case FleetPortState::AllBusy:
        return Text(fleettext::kAllBusy);
    case FleetPortState::Ended:
        return Text(fleettext::kEnded);
    }
    return QString();
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(text);
    return item;
}

} // namespace

// The run's callbacks, from the ports' threads, queued to the window's thread; none reaches a window
// that is gone.
class FleetDialog::Bridge : public FleetUi {
public:
    explicit Bridge(FleetDialog* dialog) : m_dialog(dialog) {}
    void PortStatus(int port, const FleetPortStatus& status) override
    {
        Post([port, status](FleetDialog* d) {
            d->ShowPortStatus(port, status);
            if (status.state == FleetPortState::Ended)
                d->PortEnded();
        });
    }
    void RadioHandled(const FleetRadio& radio) override
    {
        Post([radio](FleetDialog* d) { d->AddRadio(radio); });
    }
    void MayUnplug(int port, const std::string& serial) override
    {
        Post([port, serial](FleetDialog* d) { d->ShowUnplug(port, serial); });
    }

private:
    template <typename Call> void Post(Call call)
    {
        QPointer<FleetDialog> dialog = m_dialog;
        QMetaObject::invokeMethod(
            m_dialog, [dialog, call] { if (dialog) call(dialog.data()); }, Qt::QueuedConnection);
    }
    FleetDialog* m_dialog;
};

FleetDialog::FleetDialog(QWidget* parent, const CodePlug& plug, const std::vector<std::string>& portNames,
                         FleetPortMaker makePort)
    : QDialog(parent), m_plug(plug), m_makePort(std::move(makePort))
{
    setWindowTitle(Text(fleettext::kTitle));
    UseAppFont(this);
    BuildControls(portNames);
    resize(kWidth, kHeight);
}

FleetDialog::~FleetDialog()
{
    // The window goes only once the run has ended (reject waits for it); should it go otherwise, the
    // ports stop after their radios in progress before anything they report to is destroyed.
    m_runner.reset();
}

void FleetDialog::BuildControls(const std::vector<std::string>& portNames)
{
    m_ports = new QListWidget(this);
    for (const std::string& name : portNames) {
        const int simulated = SimulatedFleetPortNumber(name);
        auto* item = new QListWidgetItem(simulated ? TextWith(fleettext::kSimulated, {std::to_string(simulated)}) : Q(name));
        item->setData(Qt::UserRole, Q(name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        m_ports->addItem(item);
    }
    m_ports->setMaximumHeight(m_ports->sizeHintForRow(0) * 5 + 2 * m_ports->frameWidth());
    m_count = new QSpinBox(this);
    m_count->setRange(1, kMaxCount);
    m_count->setValue(1);
    m_start = new QPushButton(Text(fleettext::kStart), this);
    m_stop = new QPushButton(Text(fleettext::kStop), this);
    m_stop->setEnabled(false);

    auto* choose = new QGridLayout;
    auto* portsLabel = new QLabel(Text(fleettext::kPorts), this);
    portsLabel->setBuddy(m_ports);
    auto* countLabel = new QLabel(Text(fleettext::kCount), this);
    countLabel->setBuddy(m_count);
    choose->addWidget(portsLabel, 0, 0, Qt::AlignTop);
    choose->addWidget(m_ports, 0, 1, 3, 1);
    choose->addWidget(countLabel, 0, 2);
    choose->addWidget(m_count, 0, 3);
    choose->addWidget(m_start, 1, 2);
    choose->addWidget(m_stop, 1, 3);
    choose->setColumnStretch(1, 1);

    m_portTable = new QTableWidget(0, 2, this);
    m_portTable->setHorizontalHeaderLabels({Text(histtext::kColumnPort), Text(histtext::kColumnResult)});
    m_portTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_portTable->horizontalHeader()->setStretchLastSection(true);
    m_portTable->verticalHeader()->hide();
    m_progress = new QLabel(this);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);

    m_radioTable = new QTableWidget(0, 7, this);
    m_radioTable->setHorizontalHeaderLabels(
        {Text(histtext::kSerialNumber), Text(histtext::kHardwareVersion), Text(histtext::kFirmware),
         Text(histtext::kColumnPort), Text(fleettext::kColumnEnd), Text(fleettext::kColumnSeconds),
         Text(histtext::kColumnResult)});
    m_radioTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_radioTable->horizontalHeader()->setStretchLastSection(true);
    m_radioTable->verticalHeader()->hide();
    m_radioTable->setSelectionBehavior(QAbstractItemView::SelectRows);

    m_save = new QPushButton(Text(fleettext::kSaveList), this);
    m_print = new QPushButton(Text(fleettext::kPrintList), this);
    m_close = new QPushButton(Text(kCloseText), this);
    m_save->setEnabled(false);
    m_print->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_print);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choose);
    layout->addWidget(m_portTable, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addWidget(m_radioTable, 2);
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, &FleetDialog::OnStart);
    connect(m_stop, &QPushButton::clicked, this, &FleetDialog::OnStop);
    connect(m_save, &QPushButton::clicked, this, &FleetDialog::OnSaveButton);
    connect(m_print, &QPushButton::clicked, this, &FleetDialog::OnPrintButton);
    connect(m_close, &QPushButton::clicked, this, &FleetDialog::reject);
}

void FleetDialog::OnStart()
{
    if (Running())
        return;
    m_chosen.clear();
    QStringList labels;
    for (int i = 0; i < m_ports->count(); ++i) {
        if (m_ports->item(i)->checkState() != Qt::Checked)
            continue;
        m_chosen.push_back(m_ports->item(i)->data(Qt::UserRole).toString().toStdString());
        labels.push_back(m_ports->item(i)->text());
    }
    if (m_chosen.empty()) {
        ShowMessage(GetLangText(fleettext::kNoPort));
        return;
    }
    // The code plug is checked once, against its own band: a radio of another band is refused anyway.
    const PreWriteCheck check = CheckBeforeWrite(m_plug, BandCodeOf(m_plug.Text()));
    if (!check.Clean()) {
        const QString text = Text(kTextProblems) + QStringLiteral("\n\n") +
                             Q(DescribeWriteProblems(check, kProblemsShown)) + QStringLiteral("\n\n") +
                             Text(kTextWriteAnyway);
        if (MsgBox::Ask(this, Text(kCaption), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                        QMessageBox::Warning) != QMessageBox::Yes)
            return;
    }
    m_wanted = m_count->value();
    m_history = std::make_unique<HistoryRecorder>();
    m_run = std::make_unique<FleetRun>(m_plug, m_wanted, m_history.get());
    m_bridge = std::make_unique<Bridge>(this);
    m_runner = std::make_unique<FleetRunner>(*m_run, *m_bridge);
    m_radios.clear();
    m_radioTable->setRowCount(0);
    m_portTable->setRowCount(static_cast<int>(m_chosen.size()));
    for (std::size_t i = 0; i < m_chosen.size(); ++i) {
        m_runner->AddPort(m_makePort(m_chosen[i]), m_chosen[i]);
        const int row = static_cast<int>(i);
        m_portTable->setItem(row, 0, Cell(labels[i]));
        m_portTable->setItem(row, 1, Cell(Text(fleettext::kWaiting)));
    }
    m_status->setText(m_history->Note().empty() ? QString() : Q(m_history->Note()));
    m_portsRunning = static_cast<int>(m_chosen.size());
    for (QWidget* w : std::initializer_list<QWidget*>{m_ports, m_count, m_start, m_save, m_print})
        w->setEnabled(false);
    m_stop->setEnabled(true);
    ShowProgress();
    m_runner->Start();
}

void FleetDialog::OnStop()
{
    if (!Running())
        return;
    m_run->RequestStop();
    m_stop->setEnabled(false);
    m_status->setText(Text(fleettext::kStopping));
}

void FleetDialog::ShowPortStatus(int port, const FleetPortStatus& status)
{
    if (port < 0 || port >= m_portTable->rowCount())
        return;
    m_portTable->setItem(port, 1, Cell(StateText(status)));
}

void FleetDialog::AddRadio(const FleetRadio& radio)
{
    m_radios.push_back(radio);
    const int row = m_radioTable->rowCount();
    m_radioTable->insertRow(row);
    const QString seconds = QString::number(radio.seconds, 'f', 1);
    const QString result = Q(FleetResultText(radio.result)) +
                           (radio.result == FleetResult::Programmed ? QString() : QStringLiteral(": ") + Q(radio.message));
    const QString cells[] = {Q(radio.serial), Q(radio.hardware), Q(radio.firmware), Q(radio.port),
                             Q(HistoryTimeText(radio.end)), seconds, result};
    for (int c = 0; c < 7; ++c)
        m_radioTable->setItem(row, c, Cell(cells[c]));
    m_radioTable->scrollToBottom();
    ShowProgress();
}

void FleetDialog::ShowUnplug(int port, const std::string& serial)
{
    QApplication::beep();
    const std::string name = port >= 0 && port < static_cast<int>(m_chosen.size()) ? m_chosen[static_cast<std::size_t>(port)] : "";
    if (!m_run || !m_run->StopRequested())
        m_status->setText(TextWith(fleettext::kUnplug, {name, serial}));
}

void FleetDialog::ShowProgress()
{
    int done = 0;
    for (const FleetRadio& r : m_radios)
        done += r.result == FleetResult::Programmed ? 1 : 0;
    m_progress->setText(TextWith(fleettext::kProgress, {std::to_string(done), std::to_string(m_wanted)}));
}

void FleetDialog::PortEnded()
{
    if (--m_portsRunning > 0 || !m_runner)
        return;
    m_runner->Wait(); // every port has said its last word: the threads are ending
    m_runner.reset();
    const int programmed = m_run->Programmed();
    m_status->setText(TextWith(fleettext::kRunEnded, {std::to_string(programmed), std::to_string(m_wanted)}));
    for (QWidget* w : std::initializer_list<QWidget*>{m_ports, m_count, m_start})
        w->setEnabled(true);
    m_stop->setEnabled(false);
    m_save->setEnabled(!m_radios.empty());
    m_print->setEnabled(!m_radios.empty());
    emit RunEnded();
    if (m_closeWhenEnded)
        QDialog::reject();
}

bool FleetDialog::SaveList(const QString& path)
{
    std::string error;
    if (SaveFleetCsv(path.toStdString(), m_radios, error)) {
        m_status->setText(TextWith(fleettext::kSaved, {path.toStdString()}));
        return true;
    }
    ShowMessage(GetLangTextWith(fleettext::kNotSaved, {error}));
    return false;
}

bool FleetDialog::SaveDeliveryPdf(const QString& path)
{
    if (WriteDeliveryPdf(MakeDeliveryList(m_radios, m_wanted, std::time(nullptr)), path)) {
        m_status->setText(TextWith(fleettext::kSaved, {path.toStdString()}));
        return true;
    }
    ShowMessage(GetLangTextWith(fleettext::kNotSaved, {path.toStdString()}));
    return false;
}

void FleetDialog::OnSaveButton()
{
    const QString path = QFileDialog::getSaveFileName(this, Text(fleettext::kSaveList), QStringLiteral("fleet.csv"),
                                                      Text(fleettext::kCsvFiles));
    if (!path.isEmpty())
        SaveList(path);
}

void FleetDialog::OnPrintButton() { PrintDeliveryList(this, MakeDeliveryList(m_radios, m_wanted, std::time(nullptr))); }

void FleetDialog::reject()
{
    if (!Running()) {
        QDialog::reject();
        return;
    }
    // Radios are being written: the window closes once they are done, if the user wants it to.
    const auto answer = MsgBox::Ask(this, windowTitle(), Text(fleettext::kCloseRunning),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_closeWhenEnded = true;
    OnStop();
}

std::vector<std::string> FleetPortNames()
{
    std::vector<std::string> names;
    for (const PortProbe& probe : ProbeComPorts())
        if (probe.available && probe.device != kSimulatorPortName)
            names.push_back(probe.name);
    for (int n = 1; n <= kSimulatedPorts; ++n)
        names.push_back(std::string(kSimulatorPortName) + (n == 1 ? "" : std::to_string(n)));
    return names;
}

std::unique_ptr<SerialPort> MakeFleetPort(const std::string& name)
{
    if (const int simulated = SimulatedFleetPortNumber(name))
        return MakeSimulatedFleetPort(simulated, kSimulatedRadios);
    std::unique_ptr<SerialPort> port = CreateRadioPort();
    ConfigureRadioPort(*port, name, kCodePlugLineSettings);
    return port;
}

void OpenFleetDialog(QWidget* parent)
{
    FleetDialog dialog(parent, g_doc.image, FleetPortNames(), &MakeFleetPort);
    dialog.exec();
}
