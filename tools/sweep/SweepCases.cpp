// The troubles the fault sweep puts at each frame position, and the names of functions and lines.
#include <map>
#include <mutex>

#include "codeplug/HexText.h"
#include "tools/sweep/FaultSweep.h"
#include "tools/sweep/SweepRadio.h"

namespace {

std::vector<std::uint8_t> Cycle(const std::vector<std::uint8_t>& pattern, int n)
{
    std::vector<std::uint8_t> out;
    for (int i = 0; i < n; ++i)
        out.push_back(pattern[static_cast<std::size_t>(i) % pattern.size()]);
    return out;
}

SimFault At(SimFault::Kind kind, int position)
{
    SimFault f;
    f.kind = kind;
    f.frame = position;
    return f;
}

// The echo header that a stray look-alike copies: the next block request at or after the position
// (the one whose reply it could be taken for), else the last one before it.
std::vector<std::uint8_t> HeaderLookAlike(const std::vector<std::string>& frames, int position)
{
    std::string header = "52000040";
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const bool block = frames[i].size() == 8 && frames[i].compare(0, 2, "52") == 0;
        if (!block)
            continue;
        header = frames[i];
        if (static_cast<int>(i) + 1 >= position)
            break;
    }
    return HexToBytes(header);
}

struct StrayKind {
    const char* name;
    std::vector<std::uint8_t> pattern;
};

std::vector<StrayKind> StrayKinds(SweepOp op, int position)
{
    return {{"06", {0x06}},
            {"52", {0x52}},
            {"id", SweepRadioIdentity(op)},
            {"hdr", HeaderLookAlike(SweepCleanFrames(op), position)}};
}

struct Timing {
    std::string name;
    SimStray::Where where;
    int delayMs;
};

std::vector<Timing> StrayTimings(SweepScope scope)
{
    std::vector<Timing> out{{"before", SimStray::Where::Before, 0}, {"inside", SimStray::Where::Inside, 0}};
    const std::vector<int> sample{0, 15, 45, 120};
    if (scope == SweepScope::Full) {
        for (int ms = 0; ms <= 120; ms += 5)
            out.push_back({"after:" + std::to_string(ms), SimStray::Where::After, ms});
    } else {
        for (int ms : sample)
            out.push_back({"after:" + std::to_string(ms), SimStray::Where::After, ms});
    }
    return out;
}

std::vector<int> StrayCounts(SweepScope scope)
{
    if (scope == SweepScope::Sample)
        return {1, 3, 18, 40};
    std::vector<int> out;
    for (int n = 1; n <= 40; ++n)
        out.push_back(n);
    return out;
}

std::vector<int> LateDelays(SweepScope scope)
{
    if (scope == SweepScope::Sample)
        return {150, 450, 1000};
    std::vector<int> out;
    for (int ms = 150; ms <= 1000; ms += 50)
        out.push_back(ms);
    return out;
}

} // namespace

std::vector<SweepCase> SweepCasesAt(SweepOp op, int position, SweepScope scope)
{
    std::vector<SweepCase> out;
    auto add = [&](const std::string& name, std::vector<SimFault> faults) {
        SweepCase c;
        c.op = op;
        c.position = position;
        c.name = name;
        c.faults = std::move(faults);
        out.push_back(std::move(c));
    };
    for (const StrayKind& kind : StrayKinds(op, position))
        for (int n : StrayCounts(scope))
            for (const Timing& t : StrayTimings(scope)) {
                SimFault f = At(SimFault::Kind::Stray, position);
                f.stray.where = t.where;
                f.stray.delayMs = t.delayMs;
                f.stray.index = 2;
                f.stray.bytes = Cycle(kind.pattern, n);
                add("stray:" + std::string(kind.name) + "x" + std::to_string(n) + "@" + t.name, {f});
            }
    const int last = SweepFrameCount(op);
    for (int ms : LateDelays(scope)) {
        SimFault late = At(SimFault::Kind::LateAnswer, position);
        late.delayMs = ms;
        add("late:" + std::to_string(ms), {late});
        if (position < last && (scope == SweepScope::Full || ms == 450))
            add("late-then-silent-last:" + std::to_string(ms), {late, At(SimFault::Kind::NoAnswer, last)});
    }
    add("silent", {At(SimFault::Kind::NoAnswer, position)});
    SimFault wrong = At(SimFault::Kind::WrongByte, position);
    wrong.value = 0x15;
    add("wrong-byte", {wrong});
    add("closed", {At(SimFault::Kind::Drop, position)});
    return out;
}

std::string SweepOpName(SweepOp op)
{
    switch (op) {
    case SweepOp::Read:
        return "read";
    case SweepOp::ReadTwice:
        return "read-twice";
    case SweepOp::Write:
        return "write";
    case SweepOp::WriteBackup:
        return "write-backup";
    case SweepOp::WriteVerify:
        return "write-verify";
    case SweepOp::Tune:
        return "tune";
    case SweepOp::AlignRead:
        return "align-read";
    case SweepOp::AlignWrite:
        return "align-write";
    }
    return "?";
}

bool SweepOpFromName(const std::string& name, SweepOp& op)
{
    for (SweepOp o : {SweepOp::Read, SweepOp::ReadTwice, SweepOp::Write, SweepOp::WriteBackup, SweepOp::WriteVerify,
                      SweepOp::Tune, SweepOp::AlignRead, SweepOp::AlignWrite})
        if (SweepOpName(o) == name) {
            op = o;
            return true;
        }
    return false;
}

std::string SweepLineName(const SweepLine& line)
{
    std::string name = line.paced ? "paced" : "unpaced";
    name += line.delivery == SimLine::Delivery::WholeReply ? "-burst" : "-bytes";
    return name;
}

int SweepFrameCount(SweepOp op) { return static_cast<int>(SweepCleanFrames(op).size()); }

std::string SweepResultLine(const SweepCase& c, const SweepResult& r)
{
    std::string line = SweepOpName(c.op) + ' ' + SweepLineName(c.line) + ' ' + std::to_string(c.position) + ' ' +
                       c.name + ' ' + (r.succeeded ? "ok" : "failed") + ' ' + std::to_string(r.textNumber) + ' ' +
                       (r.trustworthy ? "trusted" : "VIOLATION") + ' ' + (r.faultOnBlockData ? "data-byte" : "-") +
                       ' ' + (r.frameAtFault.empty() ? "-" : r.frameAtFault.substr(0, 8));
    if (!r.why.empty())
        line += " (" + r.why + ")";
    return line;
}
