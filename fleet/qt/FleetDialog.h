// The fleet window (Tools > Program Many Radios): the ports to use and the number of radios, one row
// per port with its state, the count of radios done, a bell and a line when a radio may be unplugged,
// Stop, and the list of radios handled, which can be saved as CSV or printed as a delivery list. The
// ports run on worker threads; their reports come to this window's thread queued.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"
#include "fleet/FleetRadio.h"
#include "fleet/FleetUi.h"

class FleetRun;
class FleetRunner;
class HistoryRecorder;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class SerialPort;

// Makes the port for a name of the chooser (closed, configured for a code-plug transfer).
using FleetPortMaker = std::function<std::unique_ptr<SerialPort>(const std::string& name)>;

class FleetDialog : public QDialog {
    Q_OBJECT
public:
    // plug: the code plug to write (copied now); portNames: what the chooser offers.
    FleetDialog(QWidget* parent, const CodePlug& plug, const std::vector<std::string>& portNames,
                FleetPortMaker makePort);
    ~FleetDialog() override;

    QListWidget* PortList() const { return m_ports; }
    QSpinBox* CountBox() const { return m_count; }
    QPushButton* StartButton() const { return m_start; }
    QPushButton* StopButton() const { return m_stop; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* PrintButton() const { return m_print; }
    QTableWidget* PortTable() const { return m_portTable; }
    QTableWidget* RadioTable() const { return m_radioTable; }
    QLabel* ProgressLabel() const { return m_progress; }
    QLabel* StatusLabel() const { return m_status; }
    bool Running() const { return m_runner != nullptr; }
    const std::vector<FleetRadio>& Radios() const { return m_radios; }

    void OnStart();
    void OnStop();
    // The list as CSV / as a PDF delivery list in a file; the file dialogs are the buttons' part.
    bool SaveList(const QString& path);
    bool SaveDeliveryPdf(const QString& path);

    // Close box, Escape, Close: while radios are written, asks, then closes once they are done.
    void reject() override;

signals:
    // The run has ended and every port's thread is done.
    void RunEnded();

private:
    class Bridge;
    void BuildControls(const std::vector<std::string>& portNames);
    void ShowPortStatus(int port, const FleetPortStatus& status);
    void AddRadio(const FleetRadio& radio);
    void ShowUnplug(int port, const std::string& serial);
    void PortEnded();
    void ShowProgress();
    void OnSaveButton();
    void OnPrintButton();

    const CodePlug m_plug;
    FleetPortMaker m_makePort;
    std::unique_ptr<HistoryRecorder> m_history;
    std::unique_ptr<FleetRun> m_run;
    std::unique_ptr<Bridge> m_bridge;
    std::unique_ptr<FleetRunner> m_runner;
    std::vector<FleetRadio> m_radios;
    std::vector<std::string> m_chosen;
    int m_portsRunning = 0;
    int m_wanted = 0;
    bool m_closeWhenEnded = false;

    QListWidget* m_ports = nullptr;
    QSpinBox* m_count = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
    QTableWidget* m_portTable = nullptr;
    QTableWidget* m_radioTable = nullptr;
    QLabel* m_progress = nullptr;
    QLabel* m_status = nullptr;
};

// The chooser's names: COM1..COM16 that can be opened now, then four simulated ports.
std::vector<std::string> FleetPortNames();
// The window program's ports: "simulatorN" a port of its own with simulated radios plugged in turn
// (serial numbers SIMN-0001, ...), real time; any other name a radio port.
std::unique_ptr<SerialPort> MakeFleetPort(const std::string& name);

// Tools > Program Many Radios: the window on a copy of the document's code plug, modal.
void OpenFleetDialog(QWidget* parent);
