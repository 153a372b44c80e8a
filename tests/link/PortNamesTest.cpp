// Port names to devices: COMn through system.ini or the system's device list, device paths, the
// simulator, the probe of the port page, and the reason shown when a port cannot be opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "LinkTestSupport.h"
#include "app/Settings.h"
#include "link/LineSettings.h"
#include "link/PortNames.h"
#include "link/RadioPort.h"
#include "link/SimulatedPort.h"

namespace {

// A device port that opens only the devices listed in `usable`.
class FakeDevicePort : public SerialPort {
public:
    explicit FakeDevicePort(std::vector<std::string> usable) : m_usable(std::move(usable)) {}
    void SetPortName(const std::string& name) override { m_name = name; }
    void SetLineSettings(const std::string&) override {}
    bool Open(std::string& error) override
    {
        for (const std::string& u : m_usable)
            if (u == m_name)
                return m_open = true;
        error = PortOpenFailureText(m_name, "Device or resource busy", PortFailure::Other);
        return false;
    }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    bool Write(const std::vector<std::uint8_t>&) override { return m_open; }
    int BytesWaiting() override { return 0; }
    std::vector<std::uint8_t> ReadAll() override { return {}; }
    bool WaitForInput(int) override { return m_open; }

private:
    std::vector<std::string> m_usable;
    std::string m_name;
    bool m_open = false;
};

} // namespace

TEST(PortNames, ComNamesDevicePathsAndTheSimulator)
{
    LinkAppDir dir;
    EXPECT_EQ(PortNumber("com12"), 12);
    EXPECT_EQ(PortNumber("COM7"), 7);
    EXPECT_EQ(PortNumber("com"), 0);
    EXPECT_EQ(PortNumber("com1x"), 0);
    EXPECT_EQ(PortNumber(""), 0);

    const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyS0"};
    EXPECT_EQ(ResolvePortName("com1", devices).device, "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortName("COM3", devices).device, "/dev/ttyS0");
    const PortTarget none = ResolvePortName("com4", devices);
    EXPECT_FALSE(none.ok);
    EXPECT_NE(none.error.find("COM4"), std::string::npos);
    EXPECT_FALSE(ResolvePortName("", devices).ok);
    EXPECT_FALSE(ResolvePortName("   ", devices).ok);
    EXPECT_FALSE(ResolvePortName("com0", devices).ok);
    EXPECT_FALSE(ResolvePortName("ttyUSB0", devices).ok); // neither a port name nor a path
    EXPECT_EQ(ResolvePortName("/dev/pts/7", devices).device, "/dev/pts/7");
    EXPECT_TRUE(ResolvePortName("simulator", devices).simulator);
    EXPECT_TRUE(ResolvePortName("Simulator", devices).simulator);

    // An entry in [ports] wins over the device list.
    dir.WriteFile("system.ini", "[computer]\ncom=com2\n[Ports]\ncom2 = /dev/ttyS4\ncom5=simulator\n");
    EXPECT_EQ(ResolvePortName("com2", devices).device, "/dev/ttyS4");
    EXPECT_TRUE(ResolvePortName("com5", devices).simulator);
    EXPECT_EQ(ResolvePortName("com1", devices).device, "/dev/ttyUSB0");

    // The system's own list puts USB adapters first and keeps numbers in order.
    const std::vector<std::string> listed = ListSerialDevices();
    bool seenOther = false;
    for (const std::string& d : listed) {
        const bool usb = d.find("ttyUSB") != std::string::npos || d.find("ttyACM") != std::string::npos;
        EXPECT_FALSE(usb && seenOther) << d;
        seenOther = seenOther || !usb;
    }
}

TEST(PortNames, SystemDeviceListLeavesOutEmptyUartSlots)
{
    LinkAppDir dir;
    namespace fs = std::filesystem;
    const fs::path tty = dir.Path() / "class-tty";
    fs::create_directories(tty / "port-driver" / "port");
    // name, backed by a device, UART type ("" for none)
    const std::vector<std::tuple<std::string, bool, std::string>> lines = {
        {"ttyS0", true, "4"},  {"ttyS1", true, "0"},   {"ttyS2", true, "4"},  {"ttyS10", true, "4"},
        {"ttyS31", true, "0"}, {"ttyUSB1", true, ""},  {"ttyUSB0", true, ""}, {"ttyACM0", true, ""},
        {"tty0", false, ""},   {"console", false, ""},
    };
    for (const auto& [name, backed, type] : lines) {
        fs::create_directories(tty / name);
        if (backed) {
            fs::create_directories(tty / name / "device");
            // Newer kernels link every UART slot to the serial core's port driver.
            fs::create_directory_symlink(tty / "port-driver" / "port", tty / name / "device" / "driver");
        }
        if (!type.empty())
            dir.WriteFile("class-tty/" + name + "/type", type + "\n");
    }
    const std::vector<std::string> expected = {"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                               "/dev/ttyS0",   "/dev/ttyS2",   "/dev/ttyS10"};
    EXPECT_EQ(ListSerialDevices(tty.string()), expected);
    EXPECT_TRUE(ListSerialDevices((dir.Path() / "none").string()).empty());
}

TEST(PortNames, ProbeAndOpenFailures)
{
    LinkAppDir dir;
    dir.WriteFile("system.ini", "[ports]\ncom1=/dev/fake-a\ncom2=/dev/fake-b\ncom3=simulator\n");
    const std::vector<PortProbe> probe = ProbeComPorts(
        [] { return std::make_unique<FakeDevicePort>(std::vector<std::string>{"/dev/fake-a"}); });
    ASSERT_EQ(probe.size(), 16u);
    EXPECT_EQ(probe[0].name, "com1");
    EXPECT_TRUE(probe[0].available);
    EXPECT_EQ(probe[0].device, "/dev/fake-a");
    EXPECT_FALSE(probe[1].available);
    EXPECT_NE(probe[1].reason.find("/dev/fake-b"), std::string::npos);
    EXPECT_TRUE(probe[2].available);
    EXPECT_EQ(probe[2].device, "simulator");
    EXPECT_EQ(probe[15].number, 16);

    const std::string denied =
        PortOpenFailureText("/dev/vpx-no-such-node", "Permission denied", PortFailure::PermissionDenied);
    EXPECT_NE(denied.find("/dev/vpx-no-such-node"), std::string::npos);
    EXPECT_NE(denied.find("Permission denied"), std::string::npos);
    EXPECT_NE(denied.find("dialout"), std::string::npos); // a node it cannot examine: the usual group
    EXPECT_EQ(PortOpenFailureText("/dev/ttyS0", "busy", PortFailure::Other).find("dialout"),
              std::string::npos);

    // The port of a radio window: "simulator" reaches the shared simulated radio.
    RadioPort port([] { return std::make_unique<FakeDevicePort>(std::vector<std::string>{}); });
    ConfigureRadioPort(port, "com3", kCodePlugLineSettings);
    std::string error;
    ASSERT_TRUE(port.Open(error)) << error;
    EXPECT_EQ(port.Device(), "simulator");
    port.Close();
    ConfigureRadioPort(port, "com2", kCodePlugLineSettings);
    EXPECT_FALSE(port.Open(error));
    EXPECT_NE(error.find("/dev/fake-b"), std::string::npos);
}

TEST(LineSettings, ParsesTheSettingsText)
{
    LineSettings s;
    ASSERT_TRUE(LineSettings::Parse("9600,n,8,2", s));
    EXPECT_EQ(s.baud, 9600);
    EXPECT_EQ(s.parity, 'n');
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.stopBits, 2);
    ASSERT_TRUE(LineSettings::Parse("9600,N,8,1", s));
    EXPECT_EQ(s.stopBits, 1);
    EXPECT_FALSE(LineSettings::Parse("9600,n,8", s));
    EXPECT_FALSE(LineSettings::Parse("fast,n,8,1", s));
    EXPECT_FALSE(LineSettings::Parse("9600,x,8,1", s));
    EXPECT_FALSE(LineSettings::Parse("9600,n,9,1", s));
    EXPECT_FALSE(LineSettings::Parse("9600,n,8,3", s));
    EXPECT_EQ(s.stopBits, 1); // defaults after a refusal
}

TEST(PortNames, DeviceTextNamesTheAdapterAsTheSystemDescribesIt)
{
    PortProbe p;
    p.device = "/dev/ttyUSB0";
    EXPECT_EQ(PortDeviceText(p), "/dev/ttyUSB0");
    p.description = "CP2102 USB to UART";
    p.maker = "Silicon Labs";
    EXPECT_EQ(PortDeviceText(p), "/dev/ttyUSB0 \u2014 CP2102 USB to UART (Silicon Labs)");
    // A maker the description already names is not repeated; blanks around either are dropped.
    p.description = " Silicon Labs CP2102 ";
    EXPECT_EQ(PortDeviceText(p), "/dev/ttyUSB0 \u2014 Silicon Labs CP2102");
    p.description.clear();
    EXPECT_EQ(PortDeviceText(p), "/dev/ttyUSB0 \u2014 Silicon Labs");
    p.maker = "  ";
    EXPECT_EQ(PortDeviceText(p), "/dev/ttyUSB0");
}
