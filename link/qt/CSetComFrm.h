// The port selection page: COM1..COM16 with the device each stands for; ports that cannot be opened
// are disabled. OK stores the choice in system.ini and makes it the current port.
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "link/PortNames.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

class CSetComFrm : public QWidget {
    Q_OBJECT
public:
    explicit CSetComFrm(QWidget* parent = nullptr);
    ~CSetComFrm() override;

    // Title, button texts, selection from the setting and the probe of the ports.
    void OnInitialUpdate();

    QRadioButton* PortButton(int number) const; // 1..16
    QLabel* DeviceLabel(int number) const;      // 1..16
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void OnOK();
    void OnCancel();

    // Test support: the probe to use instead of opening the system's ports.
    static void SetProbeForTests(std::function<std::vector<PortProbe>()> probe);

signals:
    // After OK: the chosen port name ("com3", or empty for none).
    void PortChosen(const QString& name);

private:
    void OnPortClicked();
    void ClearDisabledMarks();
    void CloseWindow();

    std::array<QRadioButton*, kComPortCount> m_ports{};
    std::array<QLabel*, kComPortCount> m_devices{};
    QButtonGroup* m_group = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
