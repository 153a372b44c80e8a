// vpxds-cli sim: the simulated radio on a pseudo-terminal, for trying the programs without a radio.
#include <atomic>
#include <csignal>
#include <iostream>
#include <sstream>

#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "link/PtyRadioServer.h"
#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "service/AlignmentFile.h"
#include "tools/cli/Commands.h"

namespace {

std::atomic<bool> g_stopSim{false};

extern "C" void StopSim(int) { g_stopSim.store(true); }

const char* kSimUsage =
    "usage: vpxds-cli sim [options]\n"
    "Opens a pseudo-terminal, prints its device path, and answers as a radio on it until\n"
    "interrupted (Ctrl+C or SIGTERM). Give the path to read/write --port or to the window program.\n"
    "  --model TEXT      identity bytes 0-4 as text (default TQ951, a radio that accepts writes)\n"
    "  --tag TEXT        identity model tag, e.g. R736 (bytes 0-3; byte 4 becomes 00)\n"
    "  --band HEX        band code in the identity, two hex digits (default 33)\n"
    "  --firmware HHHH   firmware bytes 6-7 in hex (default 0105: version 1.05)\n"
    "  --image FILE      start with the code plug of a data file in memory\n"
    "  --sample-alignment  an alignment block with test points and item values, for tuning\n"
    "  --pace            deliver bytes at the pace of a 9600-baud line (about 1.15 ms a byte)\n"
    "  --burst           hand each reply over at once when its last byte has arrived (a USB adapter)\n"
    "  --refuse-write    answer 07 to the write access query\n"
    "  --no-echo         block read replies start with A5 A5 A5 A5 instead of the request's echo\n"
    "  --no-tuning-echo  tuning frames answered with 06 06 06 and the value instead of their echo\n"
    "  --no-answer N     no reply to the N-th frame      --late N:MS   reply to frame N MS late\n"
    "  --wrong-byte N    last reply byte of frame N wrong --extra N     two extra bytes after frame N\n"
    "  --drop N          drop the connection at frame N\n"
    "  --stray N:WHEN:HEX  stray bytes (hex) with the reply to frame N: WHEN is before, inside or the\n"
    "                    milliseconds after the reply's last byte\n"
    "  --ignore-write ADDR   acknowledge the block write to ADDR (4 hex digits) but keep the old bytes\n"
    "  --corrupt-write ADDR  store the byte at ADDR with its lowest bit flipped whenever it is written\n"
    "  --alignment FILE  start with the alignment block of a .dts file at 0x02A0\n"
    "  --needs-wake-up   give no answer to QUINTAR until a 02 has woken the radio\n"
    "  --no-service-code answer 00 to the access queries (no service code asked for)\n"
    "  --lineup S1,S2,...  radios with these serial numbers plugged in turn (for vpxds-cli fleet): each\n"
    "                    like the one the other options describe, the first from the first frame on\n"
    "  --stay MS         how long each radio of the lineup stays plugged (default 10000)\n"
    "  --gap MS          how long the port stays empty between two of them (default 3000)\n";

bool ParseHexByte(const std::string& text, std::uint8_t& out)
{
    if (text.size() != 2 || !IsHexText(text))
        return false;
    out = static_cast<std::uint8_t>(HexToInt(text));
    return true;
}

// A radio address as 4 hex digits, 0000 to 03FF.
bool ParseAddress(const std::string& text, int& address)
{
    if (text.size() != 4 || !IsHexText(text) || HexToInt(text) > 0x03FF)
        return false;
    address = static_cast<int>(HexToInt(text));
    return true;
}

bool ParseFrame(const std::string& text, int& n);

// "N:WHEN:HEX" of --stray into a fault.
bool ParseStray(const std::string& text, SimFault& fault)
{
    const std::size_t a = text.find(':');
    const std::size_t b = a == std::string::npos ? a : text.find(':', a + 1);
    if (b == std::string::npos || !ParseFrame(text.substr(0, a), fault.frame))
        return false;
    const std::string when = text.substr(a + 1, b - a - 1);
    const std::string hex = ToUpperAscii(text.substr(b + 1));
    if (hex.empty() || hex.size() % 2 != 0 || !IsHexText(hex))
        return false;
    fault.kind = SimFault::Kind::Stray;
    fault.stray.bytes = HexToBytes(hex);
    fault.stray.index = 1;
    if (when == "before")
        fault.stray.where = SimStray::Where::Before;
    else if (when == "inside")
        fault.stray.where = SimStray::Where::Inside;
    else if (when == "0")
        fault.stray.where = SimStray::Where::After;
    else if (ParseFrame(when, fault.stray.delayMs))
        fault.stray.where = SimStray::Where::After;
    else
        return false;
    return true;
}

bool ParseFrame(const std::string& text, int& n)
{
    try {
        std::size_t used = 0;
        n = std::stoi(text, &used);
        return used == text.size() && n >= 1;
    } catch (...) {
        return false;
    }
}

// Puts the alignment block of a .dts file into the radio's memory at 0x02A0.
bool LoadSimAlignment(SimulatedRadio& radio, const std::string& path)
{
    std::string data;
    if (LoadAlignmentFile(path, data) != 0)
        return false;
    CodePlug memory(radio.MemoryHex());
    memory.Write(Addr::kAlignment, data);
    radio.SetMemoryHex(memory.Text());
    return true;
}

} // namespace

int CmdSim(const CliArgs& args)
{
    PtyRadioServer server;
    SimulatedRadio& radio = server.Radio();
    bool refuseWrite = false;
    bool noServiceCode = false;
    std::vector<std::string> lineup;
    int stayMs = 10000;
    int gapMs = 3000;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        SimFault fault;
        int n = 0;
        if (a == "--help" || a == "-h") {
            std::cout << kSimUsage;
            return 0;
        } else if (a == "--pace") {
            server.SetPaced(true);
        } else if (a == "--burst") {
            server.SetDelivery(SimLine::Delivery::WholeReply);
        } else if (a == "--stray" && hasValue) {
            if (!ParseStray(value, fault)) {
                std::cerr << "vpxds-cli sim: --stray needs N:WHEN:HEX (WHEN: before, inside or milliseconds)\n";
                return 2;
            }
            radio.AddFault(fault);
            ++i;
        } else if (a == "--lineup" && hasValue) {
            std::stringstream serials(value);
            for (std::string serial; std::getline(serials, serial, ',');)
                if (!serial.empty())
                    lineup.push_back(serial);
            ++i;
        } else if ((a == "--stay" || a == "--gap") && hasValue && ParseFrame(value, n)) {
            (a == "--stay" ? stayMs : gapMs) = n;
            ++i;
        } else if (a == "--refuse-write") {
            radio.SetWriteAccessReply(0x07);
            refuseWrite = true;
        } else if (a == "--no-echo") {
            radio.SetEchoHeader(false);
        } else if (a == "--sample-alignment") {
            radio.LoadSampleAlignment();
        } else if (a == "--no-tuning-echo") {
            radio.SetEchoTuning(false);
        } else if (a == "--needs-wake-up") {
            radio.SetNeedsWakeUp(true);
        } else if (a == "--no-service-code") {
            noServiceCode = true;
        } else if (a == "--alignment" && hasValue) {
            if (!LoadSimAlignment(radio, value))
                return CliFail(2011, value);
            ++i;
        } else if (a == "--model" && hasValue && !value.empty() && value.size() <= 5) {
            radio.SetModelText(value);
            ++i;
        } else if (a == "--tag" && hasValue && !value.empty() && value.size() <= 4) {
            radio.SetModelText(value.substr(0, 4));
            ++i;
        } else if (a == "--band" && hasValue) {
            std::uint8_t band = 0;
            if (!ParseHexByte(ToUpperAscii(value), band)) {
                std::cerr << "vpxds-cli sim: --band needs two hex digits\n";
                return 2;
            }
            radio.SetBandCode(band);
            ++i;
        } else if (a == "--firmware" && hasValue) {
            std::uint8_t major = 0;
            std::uint8_t minor = 0;
            if (value.size() != 4 || !ParseHexByte(value.substr(0, 2), major) ||
                !ParseHexByte(value.substr(2), minor)) {
                std::cerr << "vpxds-cli sim: --firmware needs four hex digits\n";
                return 2;
            }
            radio.SetFirmware(major, minor);
            ++i;
        } else if ((a == "--ignore-write" || a == "--corrupt-write") && hasValue) {
            int address = 0;
            if (!ParseAddress(value, address)) {
                std::cerr << "vpxds-cli sim: " << a << " needs an address of four hex digits (0000-03FF)\n";
                return 2;
            }
            if (a == "--ignore-write")
                radio.SetIgnoreWrite(address);
            else
                radio.SetCorruptWrite(address);
            ++i;
        } else if (a == "--image" && hasValue) {
            std::string image;
            const int rc = LoadDataFile(value, image);
            if (rc != 0)
                return CliFail(rc, value);
            radio.SetMemoryHex(image);
            ++i;
        } else if ((a == "--no-answer" || a == "--wrong-byte" || a == "--extra" || a == "--drop") &&
                   hasValue && ParseFrame(value, n)) {
            fault.kind = a == "--no-answer"    ? SimFault::Kind::NoAnswer
                         : a == "--wrong-byte" ? SimFault::Kind::WrongByte
                         : a == "--extra"      ? SimFault::Kind::ExtraBytes
                                               : SimFault::Kind::Drop;
            fault.frame = n;
            fault.bytes = {0x00, 0x00};
            radio.AddFault(fault);
            ++i;
        } else if (a == "--late" && hasValue && value.find(':') != std::string::npos &&
                   ParseFrame(value.substr(0, value.find(':')), n)) {
            int ms = 0;
            if (!ParseFrame(value.substr(value.find(':') + 1), ms)) {
                std::cerr << "vpxds-cli sim: --late needs N:MS\n";
                return 2;
            }
            fault.kind = SimFault::Kind::LateAnswer;
            fault.frame = n;
            fault.delayMs = ms;
            radio.AddFault(fault);
            ++i;
        } else {
            std::cerr << "vpxds-cli sim: bad option " << a << "\n" << kSimUsage;
            return 2;
        }
    }

    if (noServiceCode) { // a refused write stays refused
        radio.SetReadAccessReply(0x00);
        if (!refuseWrite)
            radio.SetWriteAccessReply(0x00);
    }

    if (!lineup.empty()) {
        RadioLineup radios;
        radios.SetStay(std::chrono::milliseconds(stayMs));
        radios.SetGap(std::chrono::milliseconds(gapMs));
        for (const std::string& serial : lineup)
            radios.Add(radio, serial);
        server.SetLineup(std::move(radios));
    }

    std::string error;
    if (!server.Open(error)) {
        std::cerr << "vpxds-cli sim: " << error << "\n";
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = StopSim;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    std::cout << server.DevicePath() << std::endl;
    const bool ok = server.Serve(g_stopSim);
    server.Close();
    return ok ? 0 : 1;
}
