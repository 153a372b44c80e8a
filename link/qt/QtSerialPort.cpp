// Qt SerialPort adapter, blocking use without an event loop.
#include "link/qt/QtSerialPort.h"

#include <QString>

#include "link/LineSettings.h"
#include "link/PortNames.h"

QtSerialPort::QtSerialPort() : m_port(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() { Close(); }

void QtSerialPort::SetPortName(const std::string& name)
{
    m_name = name;
    m_port->setPortName(QString::fromStdString(name));
}

void QtSerialPort::SetLineSettings(const std::string& settings)
{
    LineSettings line;
    LineSettings::Parse(settings, line);
    m_port->setBaudRate(line.baud);
    switch (line.dataBits) {
    case 5:
        m_port->setDataBits(QSerialPort::Data5);
        break;
    case 6:
        m_port->setDataBits(QSerialPort::Data6);
        break;
    case 7:
        m_port->setDataBits(QSerialPort::Data7);
        break;
    default:
        m_port->setDataBits(QSerialPort::Data8);
        break;
    }
    switch (line.parity) {
    case 'e':
        m_port->setParity(QSerialPort::EvenParity);
        break;
    case 'o':
        m_port->setParity(QSerialPort::OddParity);
        break;
    case 'm':
        m_port->setParity(QSerialPort::MarkParity);
        break;
    case 's':
        m_port->setParity(QSerialPort::SpaceParity);
        break;
    default:
        m_port->setParity(QSerialPort::NoParity);
        break;
    }
    m_port->setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::Open(std::string& error)
{
    if (m_port->isOpen())
        return true;
    m_port->clearError();
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError e = m_port->error();
        const PortFailure kind = e == QSerialPort::PermissionError       ? PortFailure::PermissionDenied
                                 : e == QSerialPort::DeviceNotFoundError ? PortFailure::NotFound
                                                                         : PortFailure::Other;
        error = PortOpenFailureText(m_name, m_port->errorString().toStdString(), kind);
        return false;
    }
    m_port->clear(QSerialPort::AllDirections);
    return true;
}

void QtSerialPort::Close()
{
    if (m_port->isOpen())
        m_port->close();
}

bool QtSerialPort::IsOpen() const { return m_port->isOpen(); }

bool QtSerialPort::Faulted() const
{
    const QSerialPort::SerialPortError e = m_port->error();
    return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
}

bool QtSerialPort::Write(const std::vector<std::uint8_t>& bytes)
{
    if (!m_port->isOpen() || Faulted())
        return false;
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    if (m_port->write(data) != data.size())
        return false;
    // Hand everything to the device now; a blocked line is a fault.
    while (m_port->bytesToWrite() > 0)
        if (!m_port->waitForBytesWritten(1000))
            return false;
    return !Faulted();
}

int QtSerialPort::BytesWaiting()
{
    if (!m_port->isOpen() || Faulted())
        return -1;
    if (m_port->bytesAvailable() == 0) {
        // Without an event loop the adapter learns of new bytes only while it waits.
        m_port->waitForReadyRead(0);
        if (Faulted())
            return -1;
        m_port->clearError();
    }
    return static_cast<int>(m_port->bytesAvailable());
}

std::vector<std::uint8_t> QtSerialPort::ReadAll()
{
    const QByteArray data = m_port->readAll();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

bool QtSerialPort::WaitForInput(int milliseconds)
{
    if (!m_port->isOpen() || Faulted())
        return false;
    if (m_port->bytesAvailable() > 0)
        return true;
    if (!m_port->waitForReadyRead(milliseconds < 0 ? 0 : milliseconds)) {
        if (Faulted())
            return false;
        m_port->clearError(); // the time ran out
    }
    return true;
}
