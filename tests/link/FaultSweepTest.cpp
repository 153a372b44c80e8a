// The link's promise under every kind of line trouble the simulated radio can make: a read that says
// "finished" holds exactly the radio's bytes and a failed one changes nothing; a write ends with the
// message its fault deserves. A representative subset here; tools/fault-sweep.sh runs every case.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "tools/sweep/FaultSweep.h"

namespace {

SimFault Named(const std::vector<SimFault>& faults, const std::string& name)
{
    for (const SimFault& f : faults)
        if (SweepFaultName(f) == name)
            return f;
    ADD_FAILURE() << "no fault " << name;
    return SimFault{};
}

SweepCase Case(SweepOp op, const std::string& fault, int position, bool paced,
               SweepLine line = SweepLine::InProcess)
{
    SweepCase c;
    c.op = op;
    c.line = line;
    c.paced = paced;
    c.fault = Named(SweepFaultsAt(position), fault);
    return c;
}

// The invariant; a changed data byte in a single read is the one thing no check can see.
void ExpectTrustworthy(const SweepCase& c)
{
    const SweepResult r = RunSweepCase(c);
    SCOPED_TRACE(SweepResultLine(c, r));
    if (c.op != SweepOp::Write && c.op != SweepOp::AlignWrite && r.faultOnBlockData && !c.twice)
        return;
    EXPECT_TRUE(r.trustworthy);
}

void ExpectExactSuccess(const SweepCase& c)
{
    const SweepResult r = RunSweepCase(c);
    SCOPED_TRACE(SweepResultLine(c, r));
    EXPECT_TRUE(r.succeeded);
    EXPECT_TRUE(r.exact);
}

// Frame positions worth a test: the handshake, the first block and its acknowledge, one in the middle,
// the last ones. (The sweep script takes every position.)
const std::vector<int> kReadPositions = {1, 2, 3, 4, 5, 6, 18, 19, 34, 35};
const std::vector<int> kWritePositions = {1, 2, 3, 4, 5, 27, 47, 48};

} // namespace

TEST(FaultSweep, ReadAtEveryKindOfFramePositionIsExactOrChangesNothing)
{
    LinkAppDir dir;
    ASSERT_EQ(SweepFrameCount(SweepOp::Read), 35);
    for (int position : kReadPositions)
        for (const char* fault : {"wrong-byte", "extra:1", "extra:7", "extra:20", "drop"})
            ExpectTrustworthy(Case(SweepOp::Read, fault, position, false));
    for (int position : {1, 2, 3, 4, 5, 35})
        ExpectTrustworthy(Case(SweepOp::Read, "no-answer", position, false));
}

TEST(FaultSweep, PacedReadsThatOnceReportedSuccessWithShiftedBytes)
{
    LinkAppDir dir;
    // Surplus bytes after the identity, after acknowledges and blocks, late replies to an acknowledge
    // and to PROGRAM: each of these once ended "finished" with tens to hundreds of wrong bytes.
    for (const auto& [fault, position] : std::vector<std::pair<std::string, int>>{{"extra:2", 2},
                                                                                  {"extra:4", 4},
                                                                                  {"extra:18", 18},
                                                                                  {"late:500", 19},
                                                                                  {"late:1000", 1},
                                                                                  {"extra:1", 1},
                                                                                  {"extra:20", 3},
                                                                                  {"extra:20", 6}})
        ExpectExactSuccess(Case(SweepOp::Read, fault, position, true));
}

TEST(FaultSweep, WriteEndsWithTheMessageItsFaultDeserves)
{
    LinkAppDir dir;
    ASSERT_EQ(SweepFrameCount(SweepOp::Write), 48);
    for (int position : kWritePositions)
        for (const char* fault : {"wrong-byte", "extra:1", "extra:20", "drop"})
            ExpectTrustworthy(Case(SweepOp::Write, fault, position, false));
    // Paced: a stray byte once became the start of the identity (3023) or a block's answer (3013).
    for (const auto& [fault, position] : std::vector<std::pair<std::string, int>>{
             {"extra:1", 1}, {"extra:4", 4}, {"extra:20", 5}, {"extra:3", 2}, {"late:300", 10}})
        ExpectExactSuccess(Case(SweepOp::Write, fault, position, true));
}

TEST(FaultSweep, PacedPseudoTerminalThroughTheTermiosPort)
{
    LinkAppDir dir;
    ExpectExactSuccess(Case(SweepOp::Read, "extra:2", 2, true, SweepLine::Pty));
    ExpectExactSuccess(Case(SweepOp::Read, "late:500", 19, true, SweepLine::Pty));
    ExpectExactSuccess(Case(SweepOp::Write, "extra:1", 1, true, SweepLine::Pty));
    ExpectExactSuccess(Case(SweepOp::Write, "extra:4", 4, true, SweepLine::Pty));
    const SweepResult dropped = RunSweepCase(Case(SweepOp::Read, "drop", 9, true, SweepLine::Pty));
    EXPECT_FALSE(dropped.succeeded);
    EXPECT_TRUE(dropped.trustworthy);
}

TEST(FaultSweep, ReadTwiceCatchesAWrongDataByte)
{
    LinkAppDir dir;
    // A byte changed on its way in a block reply: one read cannot tell; reading twice refuses it.
    SweepCase once = Case(SweepOp::Read, "wrong-byte", 6, false);
    const SweepResult single = RunSweepCase(once);
    EXPECT_TRUE(single.faultOnBlockData);
    EXPECT_TRUE(single.succeeded);
    EXPECT_FALSE(single.exact);

    SweepCase twice = once;
    twice.twice = true;
    const SweepResult checked = RunSweepCase(twice);
    EXPECT_FALSE(checked.succeeded);
    EXPECT_EQ(checked.textNumber, 9500);
    EXPECT_TRUE(checked.unchanged);
    EXPECT_TRUE(checked.trustworthy);
}

TEST(FaultSweep, TuningModeShowsTheRadiosAlignmentBlockOrNoItem)
{
    LinkAppDir dir;
    ASSERT_EQ(SweepFrameCount(SweepOp::Tune), 22);
    // Handshake, access query, service code, the first and last blocks with their 06, TEST.
    for (int position : {1, 2, 3, 4, 5, 6, 7, 20, 21, 22})
        for (const char* fault : {"no-answer", "extra:1", "extra:7", "drop"}) {
            const SweepCase c = Case(SweepOp::Tune, fault, position, false);
            const SweepResult r = RunSweepCase(c);
            SCOPED_TRACE(SweepResultLine(c, r));
            EXPECT_TRUE(r.trustworthy);
        }
    // Paced: surplus or late answers to PROGRAM once shifted the identity, which then read as another
    // model (3023); surplus bytes after the last block's 06 once made TEST fail.
    for (const auto& [fault, position] : std::vector<std::pair<std::string, int>>{
             {"extra:1", 1}, {"extra:20", 1}, {"late:300", 1}, {"late:500", 1}, {"extra:10", 21}})
        ExpectExactSuccess(Case(SweepOp::Tune, fault, position, true));
}

TEST(FaultSweep, GuardedWriteIsExactWritesNothingWithoutABackupAndNeverHidesADifference)
{
    LinkAppDir dir;
    ASSERT_EQ(SweepFrameCount(SweepOp::GuardedWrite), 118);
    // Positions in the backup read (1-35), the write (36-83) and the read-back (84-118).
    for (int position : {2, 6, 36, 40, 84, 91, 118})
        for (const char* fault : {"wrong-byte", "extra:4", "drop"})
            ExpectTrustworthy(Case(SweepOp::GuardedWrite, fault, position, false));
    for (int position : {6, 91})
        ExpectTrustworthy(Case(SweepOp::GuardedWrite, "no-answer", position, false));

    // The line dropped during the backup: nothing was written, and the user is told so.
    const SweepResult dropped = RunSweepCase(Case(SweepOp::GuardedWrite, "drop", 6, false));
    EXPECT_FALSE(dropped.succeeded);
    EXPECT_EQ(dropped.textNumber, 9552);
    EXPECT_TRUE(dropped.trustworthy);
    // A byte changed in a read-back reply is taken for a difference, never for success.
    const SweepResult changed = RunSweepCase(Case(SweepOp::GuardedWrite, "wrong-byte", 91, false));
    EXPECT_TRUE(changed.faultOnBlockData);
    EXPECT_EQ(changed.textNumber, 9550);
}

TEST(FaultSweep, AlignmentDataReadIsExactOrHandsBackNothingAndWriteBlamesOnlyTheLine)
{
    LinkAppDir dir;
    ASSERT_EQ(SweepFrameCount(SweepOp::AlignRead), 21);
    ASSERT_EQ(SweepFrameCount(SweepOp::AlignWrite), 13);
    // The mode string, the service code, the first block and its acknowledge, the last block; a write's
    // identity, access query and first and last block. (The sweep script takes every position.)
    for (int position : {1, 5, 6, 7, 21})
        for (const char* fault : {"wrong-byte", "extra:1", "extra:12", "drop"})
            ExpectTrustworthy(Case(SweepOp::AlignRead, fault, position, false));
    for (int position : {2, 4, 6, 13})
        for (const char* fault : {"wrong-byte", "extra:3", "drop"})
            ExpectTrustworthy(Case(SweepOp::AlignWrite, fault, position, false));
    ExpectTrustworthy(Case(SweepOp::AlignRead, "no-answer", 6, true));
    ExpectTrustworthy(Case(SweepOp::AlignWrite, "late:500", 6, true));
}
