// Explanations of serial devices that cannot be opened, from the device node, the group database
// and the USB devices the kernel lists.
#include "link/PortAccess.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/LangText.h"
#include "codeplug/HexText.h"

#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kJoinGroupText = 3033;
constexpr int kLogInAgainText = 9590;
constexpr int kOwnerOnlyText = 9591;
constexpr int kBrlttyText = 9592;

std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return TrimBlanks(line);
}

bool IsUsbAdapterPath(const std::string& device)
{
    const std::string name = fs::path(device).filename().string();
    return name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
}

} // namespace

std::string PortOpenFailureText(const std::string& device, const std::string& systemReason, PortFailure kind)
{
    std::string text = device + ": " + systemReason;
    std::string advice;
    if (kind == PortFailure::PermissionDenied)
        advice = PermissionAdvice(ExamineNode(device));
    else if (kind == PortFailure::NotFound)
        advice = MissingDeviceAdvice(device);
    if (!advice.empty())
        text += " - " + advice;
    return text;
}

NodeAccess ExamineNode(const std::string& device)
{
    NodeAccess node;
#ifndef _WIN32
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return node;
    node.known = true;
    node.groupMayUse = (st.st_mode & S_IRGRP) != 0 && (st.st_mode & S_IWGRP) != 0;
    const struct group* gr = ::getgrgid(st.st_gid);
    node.group = gr != nullptr ? std::string(gr->gr_name) : std::to_string(st.st_gid);

    std::vector<gid_t> held(static_cast<std::size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int count = ::getgroups(static_cast<int>(held.size()), held.data());
    held.resize(static_cast<std::size_t>(std::max(0, count)));
    node.inSession = ::getegid() == st.st_gid || std::find(held.begin(), held.end(), st.st_gid) != held.end();

    if (const struct passwd* pw = ::getpwuid(::geteuid())) {
        node.member = pw->pw_gid == st.st_gid;
        if (gr != nullptr)
            for (char** m = gr->gr_mem; m != nullptr && *m != nullptr && !node.member; ++m)
                node.member = std::string(*m) == pw->pw_name;
    }
#else
    (void)device;
#endif
    return node;
}

std::string PermissionAdvice(const NodeAccess& node)
{
    // Without the node's details the usual group of serial devices is the best advice there is.
    if (!node.known)
        return GetLangTextWith(kJoinGroupText, {"dialout"});
    if (!node.groupMayUse)
        return GetLangTextWith(kOwnerOnlyText, {node.group});
    if (node.member && !node.inSession)
        return GetLangTextWith(kLogInAgainText, {node.group});
    return GetLangTextWith(kJoinGroupText, {node.group});
}

const std::vector<CableChip>& ProgrammingCableChips()
{
    static const std::vector<CableChip> chips = {
        {"10c4", "ea60", "CP210x"},   {"10c4", "ea70", "CP2105"},   {"10c4", "ea71", "CP2108"},
        {"1a86", "7523", "CH340"},    {"1a86", "7522", "CH340K"},   {"1a86", "5523", "CH341"},
        {"1a86", "55d4", "CH9102"},   {"067b", "2303", "PL2303"},   {"067b", "23a3", "PL2303GC"},
        {"067b", "23c3", "PL2303GT"}, {"067b", "23d3", "PL2303GL"}, {"0403", "6001", "FT232R"},
        {"0403", "6010", "FT2232"},   {"0403", "6011", "FT4232"},   {"0403", "6014", "FT232H"},
        {"0403", "6015", "FT-X"},
    };
    return chips;
}

bool BrlttyInstalled(const AdapterSystem& system)
{
    std::error_code ec;
    return std::any_of(system.brlttyFiles.begin(), system.brlttyFiles.end(),
                       [&ec](const std::string& f) { return fs::exists(f, ec); });
}

std::vector<std::string> CablesWithoutDevice(const AdapterSystem& system)
{
    std::error_code ec;
    // Where every serial device of the system hangs in the device tree.
    std::vector<std::string> ttyParents;
    for (const auto& tty : fs::directory_iterator(system.ttyClassDir, ec)) {
        const fs::path device = fs::canonical(tty.path() / "device", ec);
        if (!ec)
            ttyParents.push_back(device.string());
    }
    std::vector<std::string> names;
    std::vector<fs::path> usbDevices;
    for (const auto& usb : fs::directory_iterator(system.usbDevicesDir, ec))
        usbDevices.push_back(usb.path());
    std::sort(usbDevices.begin(), usbDevices.end());
    for (const fs::path& usb : usbDevices) {
        const std::string vendor = FirstLine(usb / "idVendor");
        const std::string product = FirstLine(usb / "idProduct");
        const auto chip =
            std::find_if(ProgrammingCableChips().begin(), ProgrammingCableChips().end(),
                         [&](const CableChip& c) { return vendor == c.vendor && product == c.product; });
        if (chip == ProgrammingCableChips().end())
            continue;
        const fs::path where = fs::canonical(usb, ec);
        if (ec)
            continue;
        const std::string prefix = where.string() + "/";
        const bool hasDevice = std::any_of(ttyParents.begin(), ttyParents.end(), [&](const std::string& p) {
            return p.compare(0, prefix.size(), prefix) == 0;
        });
        if (!hasDevice)
            names.push_back(chip->name);
    }
    return names;
}

std::string MissingDeviceAdvice(const std::string& device, const AdapterSystem& system)
{
    if (!BrlttyInstalled(system))
        return {};
    if ((!device.empty() && IsUsbAdapterPath(device)) || !CablesWithoutDevice(system).empty())
        return GetLangText(kBrlttyText);
    return {};
}
