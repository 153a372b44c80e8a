// One fault-sweep case: the simulated radio with its trouble on a virtual-time line, the real session,
// the verdict.
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/LinkUi.h"
#include "link/PortNames.h"
#include "link/ReadSession.h"
#include "link/SimulatedPort.h"
#include "link/WriteSession.h"
#include "link/WrittenRanges.h"
#include "service/AlignmentSession.h"
#include "service/TuningSession.h"
#include "tests/support/DataHome.h" // the backups of writes go to a folder of their own
#include "tools/sweep/SweepRadio.h"

namespace {

// Remembers the last message and its detail; everything else of the window is not needed here.
class LastMessageUi : public NullLinkUi {
public:
    void ShowLog(const std::string& text) override { log = text; }
    void ReportMessage(int textNumber, const std::string& detail) override
    {
        last = textNumber;
        lastDetail = detail;
    }
    int last = 0;
    std::string lastDetail;
    std::string log;
};

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

std::string AlignmentOf(const SimulatedRadio& radio) { return radio.MemoryHex().substr(2 * Addr::kAlignment, 128); }

bool IsRead(SweepOp op) { return op == SweepOp::Read || op == SweepOp::ReadTwice; }
bool IsWrite(SweepOp op)
{
    return op == SweepOp::Write || op == SweepOp::WriteBackup || op == SweepOp::WriteVerify;
}

bool HasKind(const SweepCase& c, SimFault::Kind kind)
{
    for (const SimFault& f : c.faults)
        if (f.kind == kind)
            return true;
    return false;
}

// The message of a line that failed the function: the radio stopped answering (also when it answered
// a frame wrongly and then not at all), no radio answered the opening, the connection was lost. Stray
// bytes alone never make a function fail.
bool LineFailureText(const SweepCase& c, int text)
{
    if (HasKind(c, SimFault::Kind::Drop))
        return text == 9602;
    if (HasKind(c, SimFault::Kind::NoAnswer) || HasKind(c, SimFault::Kind::LateAnswer) ||
        HasKind(c, SimFault::Kind::WrongByte))
        return text == 3009 || (c.position == 1 && text == 3006);
    return false;
}

// A byte changed inside a block reply's data: one read cannot see it, two reads disagree.
bool OnBlockData(const SweepCase& c, const SimulatedRadio& radio)
{
    if (!HasKind(c, SimFault::Kind::WrongByte) || c.position < 1)
        return false;
    const std::vector<std::string>& frames = radio.Frames();
    if (static_cast<std::size_t>(c.position) > frames.size())
        return false;
    const std::string& frame = frames[static_cast<std::size_t>(c.position) - 1];
    return frame.size() == 8 && frame.compare(0, 2, "52") == 0;
}

// A write that failed once a block frame went out must say what the radio now holds.
bool TellsPartlyWritten(const std::string& detail)
{
    const std::string some = GetLangText(kPartlyWrittenText);
    const std::string none = GetLangText(kMaybePartlyWrittenText);
    return detail.find(some.substr(0, some.find("%1"))) != std::string::npos ||
           detail.find(none) != std::string::npos;
}

void Judge(SweepResult& r, bool ok, const char* why)
{
    r.trustworthy = ok;
    if (!ok)
        r.why = why;
}

SweepResult RunRead(const SweepCase& c, SimulatedRadio& radio, SimulatedPort& port)
{
    SweepResult r;
    LastMessageUi ui;
    CodePlugDocument doc;
    doc.ResetToNew();
    doc.image.WriteByte(0x0010, 0x12); // unsaved work that a failed read must keep
    doc.path = "/home/user/plug.dat";
    const CodePlugDocument before = doc;
    ReadSession session(port, ui, doc);
    session.SetReadTwice(c.op == SweepOp::ReadTwice);
    const TransferResult t = session.Run();
    r.succeeded = t.Succeeded();
    r.textNumber = t.textNumber;
    r.log = ui.log;
    r.exact = r.succeeded && doc.image.Text() == radio.MemoryHex();
    r.unchanged = doc.image.Text() == before.image.Text() && doc.savedCopy == before.savedCopy &&
                  doc.path == before.path && doc.fromRadio == before.fromRadio;
    if (r.succeeded)
        Judge(r, r.exact, "finished with bytes that are not the radio's");
    else if (!r.unchanged)
        Judge(r, false, "a failed read changed the document");
    else
        Judge(r, LineFailureText(c, r.textNumber) || (OnBlockData(c, radio) && r.textNumber == 9500),
              "the message does not fit the trouble");
    return r;
}

SweepResult RunWrite(const SweepCase& c, SimulatedRadio& radio, SimulatedPort& port)
{
    SweepResult r;
    LastMessageUi ui;
    // The backups go to a folder of the case's own, in memory where the system has one: a backup is
    // saved to disk for real (synchronised), which costs far more than the case itself.
    std::optional<DataHome> dataHome;
    if (c.op == SweepOp::WriteBackup)
        dataHome.emplace(std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                  : std::filesystem::temp_directory_path());
    const std::string before = radio.MemoryHex();
    CodePlug image(SweepPatternImage());
    WriteSession::NormaliseImage(image);
    CodePlug expected(before);
    for (int n = 1; n <= WriteSession::kBlocks; ++n)
        if (!WriteSession::BlockFrame(image, n).empty())
            expected.Write((n - 1) * WriteSession::kBlockBytes, image.Read((n - 1) * WriteSession::kBlockBytes, 16));
    WriteSession session(port, ui, image);
    session.SetOptions({c.op == SweepOp::WriteBackup, c.op == SweepOp::WriteVerify});
    const TransferResult t = session.Run();
    r.succeeded = t.Succeeded();
    r.textNumber = t.textNumber;
    r.detail = ui.lastDetail;
    r.log = ui.log;
    const bool holds = radio.MemoryHex() == expected.Text();
    const bool untouched = radio.MemoryHex() == before;
    r.exact = r.succeeded && holds;
    bool backupExact = true;
    if (!session.BackupPath().empty()) {
        std::string backup;
        backupExact = LoadDataFile(session.BackupPath(), backup) == 0 && backup == before;
    }
    if (r.succeeded) {
        Judge(r, holds && backupExact, holds ? "the backup is not the radio's previous memory"
                                             : "finished, but the radio does not hold what was sent");
        return r;
    }
    // Before the first block frame nothing may have changed; after it the message says how far it got.
    bool blockSent = false;
    for (const std::string& frame : radio.Frames())
        blockSent = blockSent || frame.compare(0, 2, "57") == 0;
    if (!blockSent && !untouched) {
        Judge(r, false, "the radio changed without a block frame");
        return r;
    }
    switch (r.textNumber) {
    case 9552:
    case 9553:
        Judge(r, untouched, "the backup failed, yet the radio was written");
        break;
    case 3013:
        Judge(r, HasKind(c, SimFault::Kind::WrongByte) && TellsPartlyWritten(r.detail),
              "a block refusal that the radio never made");
        break;
    case 9550:
    case 9605:
        Judge(r, !holds && TellsPartlyWritten(r.detail), "a difference that the radio does not have");
        break;
    case 9551:
    case 9604:
    case 9606:
        Judge(r, c.op != SweepOp::Write, "a read-back that was never made");
        break;
    default:
        Judge(r, LineFailureText(c, r.textNumber) && (!blockSent || TellsPartlyWritten(r.detail)),
              blockSent ? "the message hides that the radio is partly written" : "the message does not fit");
    }
    return r;
}

SweepResult RunTune(const SweepCase& c, SimulatedRadio& radio, SimulatedPort& port)
{
    SweepResult r;
    const std::string block = AlignmentOf(radio);
    SweepTuningUi ui;
    port.SetLineSettings(kServiceLineSettings);
    TuningSession session(port, ui);
    r.succeeded = session.Enter() == TuningSession::EnterResult::Entered;
    r.exact = r.succeeded && session.Block().Hex() == block && ui.item == 0;
    session.Leave();
    r.textNumber = ui.last;
    if (r.succeeded)
        Judge(r, r.exact, "the tuning items show bytes that are not the radio's");
    else
        Judge(r, ui.item < 0 && LineFailureText(c, r.textNumber), "the message does not fit the trouble");
    return r;
}

SweepResult RunAlignment(const SweepCase& c, SimulatedRadio& radio, SimulatedPort& port)
{
    SweepResult r;
    LastMessageUi ui;
    const std::string before = AlignmentOf(radio);
    const std::string written = SweepAlignmentPattern();
    std::string data = "untouched";
    port.SetLineSettings(kServiceLineSettings);
    AlignmentSession session(port, ui);
    const AlignmentResult a = c.op == SweepOp::AlignRead ? session.Read(data) : session.Write(written);
    r.succeeded = a.Succeeded();
    r.textNumber = a.textNumber;
    r.detail = ui.lastDetail;
    r.log = ui.log;
    if (c.op == SweepOp::AlignRead) {
        r.exact = r.succeeded && data == before;
        r.unchanged = data == "untouched";
        if (r.succeeded)
            Judge(r, r.exact, "finished with bytes that are not the radio's");
        else
            Judge(r, r.unchanged && LineFailureText(c, r.textNumber), "the message does not fit the trouble");
        return r;
    }
    const bool holds = AlignmentOf(radio) == written;
    r.exact = r.succeeded && holds;
    if (r.succeeded)
        Judge(r, holds, "finished, but the radio does not hold what was sent");
    else if (r.textNumber == 9607)
        Judge(r, !holds, "a difference that the radio does not have");
    else if (r.textNumber == 9604 || r.textNumber == 9606)
        Judge(r, true, "");
    else
        Judge(r, LineFailureText(c, r.textNumber), "the message does not fit the trouble");
    return r;
}

} // namespace

SweepResult RunSweepCase(const SweepCase& c)
{
    SimulatedRadio radio;
    PrepareSweepRadio(c.op, radio);
    for (const SimFault& f : c.faults)
        radio.AddFault(f);
    SimulatedPort port(radio);
    port.SetPaced(c.line.paced);
    port.SetDelivery(c.line.delivery);
    SweepResult r;
    if (IsRead(c.op))
        r = RunRead(c, radio, port);
    else if (IsWrite(c.op))
        r = RunWrite(c, radio, port);
    else if (c.op == SweepOp::Tune)
        r = RunTune(c, radio, port);
    else
        r = RunAlignment(c, radio, port);
    const std::vector<std::string>& frames = radio.Frames();
    if (c.position >= 1 && static_cast<std::size_t>(c.position) <= frames.size())
        r.frameAtFault = frames[static_cast<std::size_t>(c.position) - 1];
    r.faultOnBlockData = OnBlockData(c, radio);
    if (!r.trustworthy && r.faultOnBlockData && c.op != SweepOp::ReadTwice && r.succeeded) {
        r.trustworthy = true; // counted apart: the one thing no check of a single read can see
        r.why.clear();
    }
    return r;
}

std::string SweepPatternImage()
{
    std::vector<std::uint8_t> bytes(CodePlug::kBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    CodePlug image(BytesToHex(bytes));
    const CodePlug band(BuildBandImage("33"));
    image.Write(Addr::kModelBlock, band.Read(Addr::kModelBlock, 8));
    return image.Text();
}

std::string SweepAlignmentPattern()
{
    std::vector<std::uint8_t> bytes(64);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 11 + 5) & 0xFF);
    return BytesToHex(bytes);
}

void PrepareSweepRadio(SweepOp op, SimulatedRadio& radio)
{
    if (IsRead(op))
        radio.SetMemoryHex(SweepPatternImage());
    if (op == SweepOp::Tune) {
        radio.SetModelText("R736");
        radio.LoadSampleAlignment();
    }
    if (op == SweepOp::AlignRead || op == SweepOp::AlignWrite) {
        radio.SetModelText("R736");
        radio.SetMemoryHex(SweepPatternImage());
    }
}

std::vector<std::uint8_t> SweepRadioIdentity(SweepOp op)
{
    SimulatedRadio radio;
    PrepareSweepRadio(op, radio);
    return radio.Identity();
}

const std::vector<std::string>& SweepCleanFrames(SweepOp op)
{
    static std::mutex mutex;
    static std::map<SweepOp, std::vector<std::string>> frames;
    const std::lock_guard<std::mutex> lock(mutex);
    auto it = frames.find(op);
    if (it == frames.end()) {
        SimulatedRadio radio;
        PrepareSweepRadio(op, radio);
        SimulatedPort port(radio);
        SweepCase c;
        c.op = op;
        c.position = 0;
        if (IsRead(op))
            RunRead(c, radio, port);
        else if (IsWrite(op))
            RunWrite(c, radio, port);
        else if (op == SweepOp::Tune)
            RunTune(c, radio, port);
        else
            RunAlignment(c, radio, port);
        it = frames.emplace(op, radio.Frames()).first;
    }
    return it->second;
}
