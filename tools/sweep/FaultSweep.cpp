// One fault-sweep case: the simulated radio with the fault, the real read or write session, the verdict.
#include "tools/sweep/FaultSweep.h"

#include <atomic>
#include <sstream>
#include <thread>

#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/PortNames.h"
#include "link/LinkUi.h"
#include "link/PosixSerialPort.h"
#include "link/PtyRadioServer.h"
#include "link/ReadSession.h"
#include "link/SimulatedPort.h"
#include "link/WriteSession.h"
#include "service/AlignmentSession.h"
#include "service/TuningSession.h"
#include "tests/support/DataHome.h" // the backups of guarded writes go to a folder of their own

namespace {

// Remembers the last message; everything else of the window is not needed here.
class LastMessageUi : public NullLinkUi {
public:
    void ReportMessage(int textNumber, const std::string&) override { last = textNumber; }
    int last = 0;
};

// A radio memory unlike any default: byte i = (i * 7 + 3) & 0xFF, with the band-33 model block so that
// a write of it passes the band check.
std::string PatternImage()
{
    std::vector<std::uint8_t> bytes(CodePlug::kBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    CodePlug image(BytesToHex(bytes));
    const CodePlug band(BuildBandImage("33"));
    image.Write(Addr::kModelBlock, band.Read(Addr::kModelBlock, 8));
    return image.Text();
}

// The extra bytes of a fault: acknowledge and request look-alikes and zeros, n of them.
std::vector<std::uint8_t> ExtraBytes(int n)
{
    static const std::uint8_t kCycle[] = {0x06, 0x52, 0x00};
    std::vector<std::uint8_t> out;
    for (int i = 0; i < n; ++i)
        out.push_back(kCycle[i % 3]);
    return out;
}

// Runs the session on the line the case names; the radio is prepared by the caller.
template <typename Session>
void RunOnLine(const SweepCase& c, SimulatedRadio& inProcessRadio, PtyRadioServer* server, Session run,
               const char* lineSettings = kCodePlugLineSettings)
{
    if (c.line == SweepLine::InProcess) {
        SimulatedPort port(inProcessRadio);
        port.SetPaced(c.paced);
        run(port);
        return;
    }
    std::atomic<bool> stop{false};
    std::thread serving([&] { server->Serve(stop); });
    PosixSerialPort port;
    port.SetPortName(server->DevicePath());
    port.SetLineSettings(lineSettings);
    run(port);
    port.Close();
    stop = true;
    serving.join();
}

std::string FrameAt(const SimulatedRadio& radio, int position)
{
    const std::vector<std::string>& frames = radio.Frames();
    return position >= 1 && static_cast<std::size_t>(position) <= frames.size()
               ? frames[static_cast<std::size_t>(position) - 1]
               : std::string();
}

// Texts a write may end with for its fault; any other ending misleads the user.
bool RightWriteFailure(const SimFault& fault, const std::string& frameAtFault, int text)
{
    switch (fault.kind) {
    case SimFault::Kind::Drop:
        return text == 3006;
    case SimFault::Kind::LateAnswer: // the radio did not answer in time
        return text == 3006 || text == 3009;
    case SimFault::Kind::WrongByte: // a block answered with something other than 06
        return text == 3013 && frameAtFault.compare(0, 2, "57") == 0;
    default:
        return false;
    }
}

// The tuning window as the sweep sees it: the last message and the item on screen.
class SweepTuningUi : public TuningUi {
public:
    void ShowTuning(const TuningView& view) override { item = view.item; }
    void StartPollTimer(int) override {}
    void StopPollTimer() override {}
    void ShowLog(const std::string&) override {}
    void ReportMessage(int textNumber, const std::string&) override { last = textNumber; }
    void SetWaitCursor(bool) override {}
    int last = 0;
    int item = -1;
};

SweepResult RunTuningCase(const SweepCase& c, SimulatedRadio& radio, SimulatedRadio& inProcess,
                          PtyRadioServer* server)
{
    SweepResult result;
    radio.SetModelText("R736");
    radio.LoadSampleAlignment();
    radio.AddFault(c.fault);
    const std::string block = radio.MemoryHex().substr(2 * TuningBlock::kAddress, 2 * TuningBlock::kBytes);
    SweepTuningUi ui;
    RunOnLine(c, inProcess, server, [&](SerialPort& port) {
        port.SetLineSettings(kServiceLineSettings);
        TuningSession session(port, ui);
        result.succeeded = session.Enter() == TuningSession::EnterResult::Entered;
        result.exact = result.succeeded && session.Block().Hex() == block && ui.item == 0;
        session.Leave();
    });
    result.textNumber = ui.last;
    result.frameAtFault = FrameAt(radio, c.fault.frame);
    result.faultOnBlockData =
        c.fault.kind == SimFault::Kind::WrongByte && result.frameAtFault.compare(0, 2, "52") == 0;
    const int deserved = c.fault.kind == SimFault::Kind::Drop ? 3006 : 3009;
    result.trustworthy = result.succeeded ? result.exact : ui.item < 0 && result.textNumber == deserved;
    return result;
}

// How a write with the backup and the verification may end without success: a failed backup has
// written nothing; "written but not read back" holds for a radio that has the image; "the radio does
// not hold it" is true, or comes from a byte changed in a read-back reply; other endings as a write's.
bool RightGuardedFailure(const SweepCase& c, const SweepResult& r, const std::string& before,
                         const SimulatedRadio& radio, bool holdsImage)
{
    switch (r.textNumber) {
    case 9552:
    case 9553:
        return radio.MemoryHex() == before;
    case 9551:
        return holdsImage;
    case 9550:
        return !holdsImage || r.faultOnBlockData;
    default:
        return RightWriteFailure(c.fault, r.frameAtFault, r.textNumber);
    }
}

// A block unlike the radio's: byte i = (i * 11 + 5) & 0xFF.
std::string AlignmentPattern()
{
    std::vector<std::uint8_t> bytes(64);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 11 + 5) & 0xFF);
    return BytesToHex(bytes);
}

std::string RadioAlignment(const SimulatedRadio& radio)
{
    return radio.MemoryHex().substr(2 * Addr::kAlignment, 128);
}

// A failed alignment write may blame the line (3009 radio stopped, 3012 port failed) but never the
// radio's model or its refusal, which no fault of the line can make true.
bool RightAlignmentWriteFailure(const SimFault& fault, int text)
{
    return fault.kind == SimFault::Kind::Drop ? text == 3012 : text == 3009;
}

SweepResult RunAlignmentCase(const SweepCase& c, SimulatedRadio& radio, SimulatedRadio& inProcess,
                             PtyRadioServer& server)
{
    SweepResult result;
    LastMessageUi ui;
    radio.SetModelText("R736");
    radio.SetMemoryHex(PatternImage());
    const std::string before = RadioAlignment(radio);
    radio.AddFault(c.fault);
    std::string data = "untouched";
    const std::string written = AlignmentPattern();
    RunOnLine(
        c, inProcess, &server,
        [&](SerialPort& port) {
            AlignmentSession session(port, ui);
            const AlignmentResult r =
                c.op == SweepOp::AlignRead ? session.Read(data) : session.Write(written);
            result.succeeded = r.Succeeded();
            result.textNumber = r.textNumber;
        },
        kServiceLineSettings);
    result.frameAtFault = FrameAt(radio, c.fault.frame);
    if (c.op == SweepOp::AlignRead) {
        result.exact = result.succeeded && data == before;
        result.unchanged = data == "untouched";
        result.faultOnBlockData =
            c.fault.kind == SimFault::Kind::WrongByte && result.frameAtFault.compare(0, 2, "52") == 0;
        result.trustworthy = result.succeeded ? result.exact : result.unchanged;
    } else {
        result.exact = result.succeeded && RadioAlignment(radio) == written;
        result.trustworthy =
            result.succeeded ? result.exact : RightAlignmentWriteFailure(c.fault, result.textNumber);
    }
    return result;
}

} // namespace

int SweepFrameCount(SweepOp op)
{
    const int read = 3 + 2 * ReadSession::kBlocks;
    const int write = 3 + 45;
    switch (op) {
    case SweepOp::Read:
        return read;
    case SweepOp::Write:
        return write;
    case SweepOp::Tune:
        return 3 + 2 + 2 * TuningBlock::kReads + 1;
    case SweepOp::GuardedWrite:
        return read + write + read;
    case SweepOp::AlignRead:
        return 5 + 2 * 8;
    case SweepOp::AlignWrite:
        return 5 + 8;
    }
    return 0;
}

std::string SweepOpName(SweepOp op)
{
    switch (op) {
    case SweepOp::Read:
        return "read";
    case SweepOp::Write:
        return "write";
    case SweepOp::Tune:
        return "tune";
    case SweepOp::GuardedWrite:
        return "guarded";
    case SweepOp::AlignRead:
        return "align-read";
    case SweepOp::AlignWrite:
        return "align-write";
    }
    return "?";
}

std::vector<SimFault> SweepFaultsAt(int position)
{
    std::vector<SimFault> out;
    auto add = [&](SimFault::Kind kind) -> SimFault& {
        SimFault f;
        f.kind = kind;
        f.frame = position;
        out.push_back(f);
        return out.back();
    };
    add(SimFault::Kind::NoAnswer);
    for (int ms : {150, 300, 500, 1000})
        add(SimFault::Kind::LateAnswer).delayMs = ms;
    add(SimFault::Kind::WrongByte).value = 0x15;
    for (int n = 1; n <= 20; ++n)
        add(SimFault::Kind::ExtraBytes).bytes = ExtraBytes(n);
    add(SimFault::Kind::Drop);
    return out;
}

std::string SweepFaultName(const SimFault& fault)
{
    switch (fault.kind) {
    case SimFault::Kind::NoAnswer:
        return "no-answer";
    case SimFault::Kind::LateAnswer:
        return "late:" + std::to_string(fault.delayMs);
    case SimFault::Kind::WrongByte:
        return "wrong-byte";
    case SimFault::Kind::ExtraBytes:
        return "extra:" + std::to_string(fault.bytes.size());
    case SimFault::Kind::Drop:
        return "drop";
    }
    return "?";
}

SweepResult RunSweepCase(const SweepCase& c)
{
    SweepResult result;
    PtyRadioServer server;
    SimulatedRadio inProcess;
    SimulatedRadio& radio = c.line == SweepLine::Pty ? server.Radio() : inProcess;
    if (c.line == SweepLine::Pty) {
        std::string error;
        server.SetPaced(c.paced);
        if (!server.Open(error))
            return result;
    }
    if (c.op == SweepOp::AlignRead || c.op == SweepOp::AlignWrite)
        return RunAlignmentCase(c, radio, inProcess, server);
    LastMessageUi ui;

    if (c.op == SweepOp::Tune)
        return RunTuningCase(c, radio, inProcess, &server);
    if (c.op == SweepOp::Read) {
        radio.SetMemoryHex(PatternImage());
        radio.AddFault(c.fault);
        CodePlugDocument doc;
        doc.ResetToNew();
        doc.image.WriteByte(0x0010, 0x12); // unsaved work that a failed read must keep
        doc.path = "/home/user/plug.dat";
        const CodePlugDocument before = doc;
        RunOnLine(c, inProcess, &server, [&](SerialPort& port) {
            ReadSession session(port, ui, doc);
            session.SetReadTwice(c.twice);
            const TransferResult r = session.Run();
            result.succeeded = r.Succeeded();
            result.textNumber = r.textNumber;
        });
        result.frameAtFault = FrameAt(radio, c.fault.frame);
        result.exact = result.succeeded && doc.image.Text() == radio.MemoryHex();
        result.unchanged = doc.image.Text() == before.image.Text() && doc.savedCopy == before.savedCopy &&
                           doc.path == before.path && doc.fromRadio == before.fromRadio;
        result.faultOnBlockData =
            c.fault.kind == SimFault::Kind::WrongByte && result.frameAtFault.compare(0, 2, "52") == 0;
        result.trustworthy = result.succeeded ? result.exact : result.unchanged;
        return result;
    }

    const bool guarded = c.op == SweepOp::GuardedWrite;
    const DataHome dataHome;
    const std::string before = radio.MemoryHex();
    radio.AddFault(c.fault);
    CodePlug image(PatternImage());
    WriteSession::NormaliseImage(image);
    CodePlug expected(radio.MemoryHex());
    for (int n = 1; n <= WriteSession::kBlocks; ++n)
        if (!WriteSession::BlockFrame(image, n).empty())
            expected.Write((n - 1) * 16, image.Read((n - 1) * 16, 16));
    RunOnLine(c, inProcess, &server, [&](SerialPort& port) {
        WriteSession session(port, ui, image);
        session.SetOptions({guarded, guarded});
        const TransferResult r = session.Run();
        result.succeeded = r.Succeeded();
        result.textNumber = r.textNumber;
        result.backupPath = session.BackupPath();
    });
    result.frameAtFault = FrameAt(radio, c.fault.frame);
    const bool holdsImage = radio.MemoryHex() == expected.Text();
    result.exact = result.succeeded && holdsImage;
    if (!guarded) {
        result.trustworthy = result.succeeded
                                 ? result.exact
                                 : RightWriteFailure(c.fault, result.frameAtFault, result.textNumber);
        return result;
    }
    // A byte changed inside a block reply of the backup or the read-back: no single read can tell.
    result.faultOnBlockData =
        c.fault.kind == SimFault::Kind::WrongByte && result.frameAtFault.compare(0, 2, "52") == 0;
    std::string backup;
    const bool backupExact = LoadDataFile(result.backupPath, backup) == 0 && backup == before;
    result.exact = result.exact && backupExact;
    result.trustworthy =
        result.succeeded ? result.exact : RightGuardedFailure(c, result, before, radio, holdsImage);
    return result;
}

std::string SweepResultLine(const SweepCase& c, const SweepResult& r)
{
    std::ostringstream line;
    line << SweepOpName(c.op) << ' ' << (c.line == SweepLine::Pty ? "pty" : "inproc") << ' '
         << (c.paced ? "paced" : "unpaced") << ' ' << (c.twice ? "twice" : "once") << ' '
         << SweepFaultName(c.fault) << ' ' << c.fault.frame << ' ' << (r.succeeded ? "ok" : "failed") << ' '
         << r.textNumber << ' ' << (r.trustworthy ? "trusted" : "VIOLATION") << ' '
         << (r.faultOnBlockData ? "data-byte" : "-") << ' '
         << (r.frameAtFault.empty() ? "-" : r.frameAtFault.substr(0, 8));
    return line.str();
}
