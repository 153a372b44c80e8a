// Port selection page.
#include "link/qt/CSetComFrm.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/CChildFrame.h"
#include "app/qt/ui/MainFrameUi.h"
#include "link/qt/PortFactory.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

constexpr int kDeviceTextWidth = 200;

// The text broken into lines of at most `width` pixels at blanks (a word longer than that keeps its
// own line), so that the label beside a port grows downwards and the page keeps its width.
QString WrapToWidth(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join(QLatin1Char('\n'));
}

std::function<std::vector<PortProbe>()>& ProbeOverride()
{
    static std::function<std::vector<PortProbe>()> probe;
    return probe;
}

} // namespace

void CSetComFrm::SetProbeForTests(std::function<std::vector<PortProbe>()> probe)
{
    ProbeOverride() = std::move(probe);
}

CSetComFrm::CSetComFrm(QWidget* parent) : QWidget(parent)
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int i = 0; i < kComPortCount; ++i) {
        m_ports[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), this);
        m_devices[i] = new QLabel(this);
        m_devices[i]->setEnabled(false); // grey: a note beside the button, not a control
        m_group->addButton(m_ports[i], i + 1);
        // Two columns of eight, as COM1..COM8 and COM9..COM16.
        const int column = (i / 8) * 2;
        grid->addWidget(m_ports[i], i % 8, column);
        grid->addWidget(m_devices[i], i % 8, column + 1);
        connect(m_ports[i], &QRadioButton::clicked, this, &CSetComFrm::OnPortClicked);
    }
    grid->setColumnMinimumWidth(1, kDeviceTextWidth);
    grid->setColumnMinimumWidth(3, kDeviceTextWidth);

    m_ok = new QPushButton(this);
    m_cancel = new QPushButton(this);
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the page keeps its size

    connect(m_ok, &QPushButton::clicked, this, &CSetComFrm::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &CSetComFrm::OnCancel);
}

CSetComFrm::~CSetComFrm() = default;

QRadioButton* CSetComFrm::PortButton(int number) const
{
    return number >= 1 && number <= kComPortCount ? m_ports[number - 1] : nullptr;
}

QLabel* CSetComFrm::DeviceLabel(int number) const
{
    return number >= 1 && number <= kComPortCount ? m_devices[number - 1] : nullptr;
}

void CSetComFrm::OnInitialUpdate()
{
    setWindowTitle(Text(3008));
    m_ok->setText(Text(90000));
    m_cancel->setText(Text(90001));
    UseAppFont({m_ok, m_cancel});

    // Select the stored port; a name that is none of COM1..COM16 selects nothing.
    const QString stored = QString::fromStdString(ReadSetting("computer", "com")).toLower();
    for (QRadioButton* button : m_ports) {
        if (button->text().toLower() == stored)
            button->setChecked(true);
    }

    // Probe: a port that cannot be opened is disabled; each shows the device it stands for.
    const std::vector<PortProbe> probes = ProbeOverride() ? ProbeOverride()() : ProbeComPorts();
    for (const PortProbe& probe : probes) {
        if (probe.number < 1 || probe.number > kComPortCount)
            continue;
        QRadioButton* button = m_ports[probe.number - 1];
        QLabel* device = m_devices[probe.number - 1];
        button->setEnabled(probe.available);
        // The device on the first line, the adapter's description and maker below it.
        const QString full = QString::fromStdString(PortDeviceText(probe));
        const QString path = QString::fromStdString(probe.device);
        QString shown = full;
        if (full.startsWith(path + QStringLiteral(" \u2014 ")))
            shown = path + QLatin1Char('\n') + full.mid(path.size() + 3);
        QStringList lines;
        for (const QString& line : shown.split(QLatin1Char('\n')))
            lines << WrapToWidth(line, device->fontMetrics(), kDeviceTextWidth);
        device->setText(lines.join(QLatin1Char('\n')));
        const QString why = QString::fromStdString(probe.reason);
        button->setToolTip(probe.available ? full : why);
        device->setToolTip(button->toolTip());
    }
}

void CSetComFrm::ClearDisabledMarks()
{
    // A selected button must always be an available port.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_ports) {
        if (!button->isEnabled())
            button->setChecked(false);
    }
    m_group->setExclusive(true);
}

void CSetComFrm::OnPortClicked() { ClearDisabledMarks(); }

void CSetComFrm::OnOK()
{
    QString name;
    for (int i = 0; i < kComPortCount; ++i) {
        if (m_ports[i]->isChecked()) {
            name = QStringLiteral("com%1").arg(i + 1);
            break;
        }
    }
    WriteSetting("computer", "com", name.toStdString());
    g_strComPort = name.toStdString();
    emit PortChosen(name);
    CloseWindow();
    UpdateMainTitle();
}

void CSetComFrm::OnCancel()
{
    CloseWindow();
    UpdateMainTitle();
}

void CSetComFrm::CloseWindow() { ClosePageWindow(this); }
