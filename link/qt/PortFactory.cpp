// Port objects of the window program: radio ports with Qt SerialPort devices, and the port probe.
#include "link/qt/PortFactory.h"

#include <QSerialPortInfo>

#include "link/RadioPort.h"
#include "link/qt/QtSerialPort.h"

namespace {

std::unique_ptr<SerialPort> MakeQtDevicePort() { return std::make_unique<QtSerialPort>(); }

} // namespace

std::unique_ptr<SerialPort> CreateRadioPort() { return std::make_unique<RadioPort>(&MakeQtDevicePort); }

std::vector<PortProbe> ProbeComPorts()
{
    std::vector<PortProbe> probes = ProbeComPorts(&MakeQtDevicePort);
    // The adapter behind each device as the system describes it (USB product and manufacturer).
    const QList<QSerialPortInfo> known = QSerialPortInfo::availablePorts();
    for (PortProbe& probe : probes) {
        const QString device = QString::fromStdString(probe.device);
        for (const QSerialPortInfo& info : known) {
            if (info.systemLocation() == device || info.portName() == device) {
                probe.description = info.description().toStdString();
                probe.maker = info.manufacturer().toStdString();
                break;
            }
        }
    }
    return probes;
}
