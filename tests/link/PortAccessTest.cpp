// What the user is told when a serial device cannot be opened: the group of the device node and the
// command to join it, a login that predates joining, a node its group may not use, and the braille
// display service that takes USB serial adapters; and the udev rule that names the same cables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "link/PortAccess.h"

namespace fs = std::filesystem;

namespace {

std::string Replaced(int textNumber, const std::string& group)
{
    std::string text = GetLangText(textNumber);
    for (std::size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at))
        text.replace(at, 2, group);
    return text;
}

// A made-up device tree: USB devices with their ids, serial devices hanging below some of them.
class FakeSystem {
public:
    explicit FakeSystem(const fs::path& root) : m_root(root)
    {
        fs::create_directories(Usb());
        fs::create_directories(Tty());
        m_system.usbDevicesDir = Usb().string();
        m_system.ttyClassDir = Tty().string();
        m_system.brlttyFiles = {(m_root / "bin" / "brltty").string()};
    }
    fs::path Usb() const { return m_root / "bus" / "usb" / "devices"; }
    fs::path Tty() const { return m_root / "class" / "tty"; }

    // A USB device "1-N" with vendor and product; with a serial device ttyUSBk below it when tty >= 0.
    void Plug(int n, const char* vendor, const char* product, int tty)
    {
        const fs::path device = m_root / "devices" / ("1-" + std::to_string(n));
        fs::create_directories(device / ("1-" + std::to_string(n) + ":1.0"));
        std::ofstream(device / "idVendor") << vendor << "\n";
        std::ofstream(device / "idProduct") << product << "\n";
        fs::create_directory_symlink(device, Usb() / ("1-" + std::to_string(n)));
        if (tty >= 0) {
            const fs::path ttyDir =
                device / ("1-" + std::to_string(n) + ":1.0") / ("ttyUSB" + std::to_string(tty));
            fs::create_directories(ttyDir);
            const fs::path entry = Tty() / ("ttyUSB" + std::to_string(tty));
            fs::create_directories(entry);
            fs::create_directory_symlink(ttyDir, entry / "device");
        }
    }
    void InstallBrltty()
    {
        fs::create_directories(m_root / "bin");
        std::ofstream(m_root / "bin" / "brltty") << "";
    }
    const AdapterSystem& System() const { return m_system; }

private:
    fs::path m_root;
    AdapterSystem m_system;
};

} // namespace

TEST(PortAccess, PermissionAdviceNamesTheNodesGroupAndWhatToDo)
{
    LinkAppDir dir; // the project's interface texts
    NodeAccess node;
    node.known = true;
    node.group = "uucp";
    node.groupMayUse = true;

    // Not a member: join the node's own group (not an assumed dialout) with the exact command.
    const std::string join = PermissionAdvice(node);
    EXPECT_EQ(join, Replaced(3033, "uucp"));
    EXPECT_NE(join.find("sudo usermod -aG uucp $USER"), std::string::npos);
    EXPECT_EQ(join.find("dialout"), std::string::npos);

    // A member since this login began: log in again.
    node.member = true;
    EXPECT_EQ(PermissionAdvice(node), Replaced(9590, "uucp"));
    // Member and in the session, yet refused: joining is still the advice (the group is the key).
    node.inSession = true;
    EXPECT_EQ(PermissionAdvice(node), Replaced(3033, "uucp"));

    // A node its group may not use: joining would not help.
    node.groupMayUse = false;
    EXPECT_EQ(PermissionAdvice(node), Replaced(9591, "uucp"));

    // A node that cannot be examined: the usual group of serial devices.
    EXPECT_EQ(PermissionAdvice(NodeAccess{}), Replaced(3033, "dialout"));
}

TEST(PortAccess, RefusedDeviceOfAnotherGroupIsExplainedFromItsNode)
{
    LinkAppDir dir;
    // A stand-in device node owned by a group this process does not hold.
    const struct group* other = ::getgrnam("uucp");
    if (other == nullptr)
        other = ::getgrnam("lp");
    if (other == nullptr)
        GTEST_SKIP() << "no uucp or lp group on this system";
    const std::string node = dir.File("ttyUSB9");
    std::ofstream(node) << "";
    if (::chown(node.c_str(), static_cast<uid_t>(-1), other->gr_gid) != 0)
        GTEST_SKIP() << "changing a file's group needs more rights here";
    ASSERT_EQ(::chmod(node.c_str(), 0660), 0);
    std::vector<gid_t> held(64);
    const int count = ::getgroups(static_cast<int>(held.size()), held.data());
    held.resize(static_cast<std::size_t>(std::max(0, count)));
    if (::getegid() == other->gr_gid || std::find(held.begin(), held.end(), other->gr_gid) != held.end())
        GTEST_SKIP() << "this process holds the group already";

    const NodeAccess access = ExamineNode(node);
    EXPECT_TRUE(access.known);
    EXPECT_EQ(access.group, other->gr_name);
    EXPECT_TRUE(access.groupMayUse);
    EXPECT_FALSE(access.inSession);

    const std::string text = PortOpenFailureText(node, "Permission denied", PortFailure::PermissionDenied);
    EXPECT_EQ(text.rfind(node + ": Permission denied - ", 0), 0u) << text;
    EXPECT_NE(text.find(std::string("sudo usermod -aG ") + other->gr_name + " $USER"), std::string::npos)
        << text;

    // Other failures carry no advice.
    EXPECT_EQ(PortOpenFailureText(node, "busy", PortFailure::Other), node + ": busy");
}

TEST(PortAccess, BrlttyTakingAnAdapterIsExplained)
{
    LinkAppDir dir;
    FakeSystem sys(dir.Path() / "sys");
    sys.Plug(1, "1a86", "7523", -1); // a CH340 cable without a serial device
    sys.Plug(2, "10c4", "ea60", 0);  // a CP2102 cable with /dev/ttyUSB0
    sys.Plug(3, "046d", "c52b", -1); // a mouse receiver: no cable
    EXPECT_EQ(CablesWithoutDevice(sys.System()), std::vector<std::string>{"CH340"});

    // Without brltty there is nothing to say about it.
    EXPECT_FALSE(BrlttyInstalled(sys.System()));
    EXPECT_EQ(MissingDeviceAdvice(std::string(), sys.System()), "");
    EXPECT_EQ(MissingDeviceAdvice("/dev/ttyUSB1", sys.System()), "");

    sys.InstallBrltty();
    EXPECT_TRUE(BrlttyInstalled(sys.System()));
    // A COM name that found no device while a cable is plugged in, and a USB device that vanished.
    EXPECT_EQ(MissingDeviceAdvice(std::string(), sys.System()), GetLangText(9592));
    EXPECT_NE(GetLangText(9592).find("brltty"), std::string::npos);

    // With every cable on its serial device, a vanished USB adapter still points at brltty, a
    // vanished built-in port does not.
    FakeSystem tidy(dir.Path() / "sys2");
    tidy.Plug(1, "10c4", "ea60", 0);
    tidy.InstallBrltty();
    EXPECT_TRUE(CablesWithoutDevice(tidy.System()).empty());
    EXPECT_EQ(MissingDeviceAdvice("/dev/ttyUSB1", tidy.System()), GetLangText(9592));
    EXPECT_EQ(MissingDeviceAdvice("/dev/ttyACM0", tidy.System()), GetLangText(9592));
    EXPECT_EQ(MissingDeviceAdvice("/dev/ttyS3", tidy.System()), "");
    EXPECT_EQ(MissingDeviceAdvice(std::string(), tidy.System()), "");
}

TEST(PortAccess, TheUdevRuleNamesEveryCableChipForBothDevices)
{
    std::ifstream in(std::string(VPX_SOURCE_DIR) + "/res/linux/60-vpxds-cables.rules");
    ASSERT_TRUE(in.good());
    std::set<std::string> usb;
    std::set<std::string> tty;
    std::string line;
    const std::regex pair(R"re(\s*([A-Z]+(\{[A-Za-z_]+\})?)\s*(==|!=|=|\+=)\s*"([^"]*)"\s*)re");
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        // Every rule line is a list of KEY op "value" pairs, nothing else (no trailing comments).
        std::stringstream parts(line);
        std::string part;
        std::map<std::string, std::string> keys;
        while (std::getline(parts, part, ',')) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(part, m, pair)) << line;
            keys[m[1].str()] = m[4].str();
        }
        if (keys.count("ATTR{idVendor}") != 0) {
            usb.insert(keys["ATTR{idVendor}"] + ":" + keys["ATTR{idProduct}"]);
            EXPECT_EQ(keys["ENV{ID_MM_DEVICE_IGNORE}"], "1") << line;
        }
        if (keys.count("ATTRS{idVendor}") != 0) {
            tty.insert(keys["ATTRS{idVendor}"] + ":" + keys["ATTRS{idProduct}"]);
            // The desktop user's access; the group and mode stay Debian's own rules'.
            EXPECT_EQ(keys["TAG"], "uaccess") << line;
            EXPECT_EQ(keys.count("GROUP") + keys.count("MODE"), 0u) << line;
            EXPECT_EQ(keys["ENV{ID_MM_DEVICE_IGNORE}"], "1") << line;
        }
    }
    std::set<std::string> chips;
    for (const CableChip& c : ProgrammingCableChips())
        chips.insert(std::string(c.vendor) + ":" + c.product);
    EXPECT_EQ(usb, chips);
    EXPECT_EQ(tty, chips);
    // CP210x, CH340/CH341, PL2303 and FTDI are all there.
    for (const char* id : {"10c4:ea60", "1a86:7523", "1a86:5523", "067b:2303", "0403:6001"})
        EXPECT_EQ(chips.count(id), 1u) << id;
}
