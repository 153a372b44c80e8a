// vpxds-cli sim: the simulated radio on a pseudo-terminal, for trying the programs without a radio.
#include <atomic>
#include <csignal>
#include <iostream>

#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "link/PtyRadioServer.h"
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
    "  --refuse-write    answer 07 to the write access query\n"
    "  --no-echo         block read replies start with A5 A5 A5 A5 instead of the request's echo\n"
    "  --no-tuning-echo  tuning frames answered with 06 06 06 and the value instead of their echo\n"
    "  --no-answer N     no reply to the N-th frame      --late N:MS   reply to frame N MS late\n"
    "  --wrong-byte N    last reply byte of frame N wrong --extra N     two extra bytes after frame N\n"
    "  --drop N          drop the connection at frame N\n";

bool ParseHexByte(const std::string& text, std::uint8_t& out)
{
    if (text.size() != 2 || !IsHexText(text))
        return false;
    out = static_cast<std::uint8_t>(HexToInt(text));
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

} // namespace

int CmdSim(const CliArgs& args)
{
    PtyRadioServer server;
    SimulatedRadio& radio = server.Radio();
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
        } else if (a == "--refuse-write") {
            radio.SetWriteAccessReply(0x07);
        } else if (a == "--no-echo") {
            radio.SetEchoHeader(false);
        } else if (a == "--sample-alignment") {
            radio.LoadSampleAlignment();
        } else if (a == "--no-tuning-echo") {
            radio.SetEchoTuning(false);
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
