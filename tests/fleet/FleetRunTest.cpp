// Fleet runs on virtual time against lineups of simulated radios with their own serial numbers: each
// radio programmed once, radios of another band refused, failures recorded while the run goes on, the
// count kept across ports, the stop request, and the gentle probing of an empty port.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "fleet/FleetSession.h"
#include "history/HistoryStore.h"
#include "link/Protocol.h"
#include "link/WriteSession.h"
#include "tests/fleet/FleetFixture.h"

namespace {

// The bytes a write leaves in a radio (everything it sends) equal the file's.
bool HoldsPlug(const SimulatedRadio& radio, const CodePlug& plug)
{
    CodePlug written = plug;
    WriteSession::NormaliseImage(written);
    return WriteSession::AsWrittenInRadio(written, CodePlug(radio.MemoryHex())) == written;
}

std::vector<HistoryRecord> FleetRows(const std::string& run)
{
    HistoryStore store;
    EXPECT_TRUE(store.Open(HistoryStore::DefaultPath(), ""));
    std::vector<HistoryRecord> rows;
    for (const HistoryRecord& row : store.List())
        if (row.run == run)
            rows.push_back(row);
    return rows;
}

// The probes a port sends while nothing answers: PROGRAM alone, a second apart at least.
class ProbeWatchPort : public LineupPort {
public:
    ProbeWatchPort(RadioLineup& lineup, FleetRun& run) : LineupPort(lineup), m_run(run) {}
    bool Write(const std::vector<std::uint8_t>& bytes) override
    {
        writes.push_back({Clock().Now(), bytes});
        if (Clock().Now() - writes.front().first >= std::chrono::seconds(10))
            m_run.RequestStop();
        return LineupPort::Write(bytes);
    }
    std::vector<std::pair<LinkClock::TimePoint, std::vector<std::uint8_t>>> writes;

private:
    FleetRun& m_run;
};

} // namespace

TEST(FleetRun, ProgramsEveryRadioOnceAndRecordsARadioPluggedAgainOnce)
{
    SimFleet fleet(2);
    RadioLineup& lineup = *fleet.lineups[0];
    lineup.Add(GoodRadio(), "SN-0001");
    lineup.Add(GoodRadio(), "SN-0001"); // the same radio plugged again
    lineup.Add(GoodRadio(), "SN-0001"); // ... and once more
    lineup.Add(GoodRadio(), "SN-0002");
    fleet.Run();

    EXPECT_EQ(fleet.run.Programmed(), 2);
    EXPECT_TRUE(fleet.run.Over());
    ASSERT_EQ(fleet.ui.radios.size(), 3u); // the repeat is recorded once, not twice
    EXPECT_EQ(fleet.ui.radios[0].serial, "SN-0001");
    EXPECT_EQ(fleet.ui.radios[0].result, FleetResult::Programmed);
    EXPECT_EQ(fleet.ui.radios[1].serial, "SN-0001");
    EXPECT_EQ(fleet.ui.radios[1].result, FleetResult::Repeated);
    EXPECT_EQ(fleet.ui.radios[2].serial, "SN-0002");
    EXPECT_EQ(fleet.ui.radios[2].result, FleetResult::Programmed);
    EXPECT_EQ(fleet.ui.radios[0].firmware, "1.05");

    EXPECT_TRUE(HoldsPlug(lineup.At(0), fleet.plug));
    EXPECT_TRUE(HoldsPlug(lineup.At(3), fleet.plug));
    EXPECT_FALSE(WasWritten(lineup.At(1)));
    EXPECT_FALSE(WasWritten(lineup.At(2)));
    // Each radio was told it may be unplugged.
    EXPECT_EQ(fleet.ui.unplugs.size(), 3u);

    // The history: for each radio programmed its backup, the fleet write and the verification, all
    // under the run's name; the repeat as a refused fleet write.
    const std::vector<HistoryRecord> rows = FleetRows(fleet.run.Id());
    std::multiset<std::string> seen;
    for (const HistoryRecord& row : rows)
        seen.insert(std::string(HistoryOpName(row.operation)) + " " + HistoryResultName(row.result) + " " + row.serial);
    const std::multiset<std::string> expected = {
        "backup ok SN-0001",      "fleet-write ok SN-0001", "verify ok SN-0001",  "fleet-write refused SN-0001",
        "backup ok SN-0002",      "fleet-write ok SN-0002", "verify ok SN-0002"};
    EXPECT_EQ(seen, expected);
    for (const HistoryRecord& row : rows) {
        EXPECT_EQ(row.port, "sim1");
        if (row.operation == HistoryOp::Backup) {
            EXPECT_TRUE(row.HoldsCodePlug()); // what the radio held before
        }
    }
}

TEST(FleetRun, RefusesRadiosOfAnotherBandOrModelAndRecordsThem)
{
    SimFleet fleet(1);
    SimulatedRadio otherBand;
    otherBand.SetBandCode(0x34);
    SimulatedRadio otherModel;
    otherModel.SetModelText("TQ777");
    fleet.lineups[0]->Add(otherBand, "SN-B34");
    fleet.lineups[0]->Add(otherModel, "SN-M777");
    fleet.lineups[0]->Add(GoodRadio(), "SN-OK");
    fleet.Run();

    ASSERT_EQ(fleet.ui.radios.size(), 3u);
    EXPECT_EQ(fleet.ui.radios[0].result, FleetResult::Refused);
    EXPECT_EQ(fleet.ui.radios[0].band, "34");
    EXPECT_NE(fleet.ui.radios[0].message.find("34"), std::string::npos) << fleet.ui.radios[0].message;
    EXPECT_EQ(fleet.ui.radios[1].result, FleetResult::Refused);
    EXPECT_EQ(fleet.ui.radios[1].serial, "SN-M777");
    EXPECT_EQ(fleet.ui.radios[2].result, FleetResult::Programmed);
    EXPECT_FALSE(WasWritten(fleet.lineups[0]->At(0)));
    EXPECT_FALSE(WasWritten(fleet.lineups[0]->At(1)));
    // Nobody was asked: a run without a person goes on by itself.
    const std::vector<HistoryRecord> rows = FleetRows(fleet.run.Id());
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const HistoryRecord& r) { return r.result == HistoryResult::Refused; }),
              2);
}

TEST(FleetRun, RecordsAFailingRadioWithItsReasonAndGoesOn)
{
    SimFleet fleet(1);
    SimulatedRadio silent; // stops answering block writes from the tenth on
    SimFault fault;
    fault.kind = SimFault::Kind::NoAnswer;
    fault.prefix = "57";
    fault.frame = 10;
    fault.count = 0;
    silent.AddFault(fault);
    SimulatedRadio corrupting; // acknowledges everything but keeps a wrong byte
    corrupting.SetCorruptWrite(0x0100);
    fleet.lineups[0]->Add(silent, "SN-SILENT");
    fleet.lineups[0]->Add(corrupting, "SN-CORRUPT");
    fleet.lineups[0]->Add(GoodRadio(), "SN-GOOD");
    fleet.Run();

    ASSERT_EQ(fleet.ui.radios.size(), 3u);
    EXPECT_EQ(fleet.ui.radios[0].result, FleetResult::Failed);
    EXPECT_FALSE(fleet.ui.radios[0].message.empty());
    EXPECT_EQ(fleet.ui.radios[1].result, FleetResult::Failed);
    EXPECT_EQ(fleet.ui.radios[1].message.find('\n'), std::string::npos); // one line for the list
    EXPECT_EQ(fleet.ui.radios[2].result, FleetResult::Programmed);
    EXPECT_EQ(fleet.run.Programmed(), 1);
    // The ports' states said how far each write got: 45 frames of 45 for the radio programmed.
    bool wroteAll = false;
    for (const auto& [port, status] : fleet.ui.statuses)
        wroteAll = wroteAll || (status.state == FleetPortState::Writing && status.step == 45 && status.steps == 45);
    EXPECT_TRUE(wroteAll);
}

TEST(FleetRun, NeverTakesMoreRadiosThanTheCountAcrossPorts)
{
    SimFleet fleet(3, 2);
    for (int port = 0; port < 2; ++port)
        for (int i = 0; i < 3; ++i)
            fleet.lineups[port]->Add(GoodRadio(), "P" + std::to_string(port) + "-" + std::to_string(i));
    fleet.Run();

    EXPECT_EQ(fleet.run.Programmed(), 3);
    int written = 0;
    std::set<std::string> serials;
    for (auto& lineup : fleet.lineups)
        for (std::size_t i = 0; i < lineup->Size(); ++i)
            written += WasWritten(lineup->At(i)) ? 1 : 0;
    for (const FleetRadio& r : fleet.ui.radios)
        serials.insert(r.serial);
    EXPECT_EQ(written, 3);
    EXPECT_EQ(serials.size(), fleet.ui.radios.size());
    EXPECT_EQ(fleet.ui.WithResult(FleetResult::Programmed).size(), 3u);
}

TEST(FleetRun, AStopEndsTheRunOnceTheRadiosInProgressAreDone)
{
    SimFleet fleet(6, 2);
    for (int port = 0; port < 2; ++port)
        for (int i = 0; i < 3; ++i)
            fleet.lineups[port]->Add(GoodRadio(), "S" + std::to_string(port) + "-" + std::to_string(i));
    fleet.ui.stopAfter = 1;
    fleet.Run();

    EXPECT_TRUE(fleet.run.StopRequested());
    EXPECT_LT(fleet.run.Programmed(), 6);
    // Every radio that got a block write was written to the end and recorded: nothing half done.
    int written = 0;
    for (auto& lineup : fleet.lineups)
        for (std::size_t i = 0; i < lineup->Size(); ++i)
            if (WasWritten(lineup->At(i))) {
                ++written;
                EXPECT_TRUE(HoldsPlug(lineup->At(i), fleet.plug));
            }
    EXPECT_EQ(written, static_cast<int>(fleet.ui.WithResult(FleetResult::Programmed).size()));
    // Both ports ended.
    int ended = 0;
    for (const auto& [port, status] : fleet.ui.statuses)
        ended += status.state == FleetPortState::Ended ? 1 : 0;
    EXPECT_EQ(ended, 2);
}

TEST(FleetRun, ProbesAnEmptyPortOnceASecondAndWritesNothing)
{
    LinkAppDir appDir;
    DataHome home;
    const CodePlug plug(BuildBandImage("33"));
    FleetRun run(plug, 1, nullptr);
    RecordingFleetUi ui;
    RadioLineup nobody;
    ProbeWatchPort port(nobody, run);
    FleetSession(port, "sim", 0, run, ui).Run();

    ASSERT_GE(port.writes.size(), 10u);
    for (std::size_t i = 0; i < port.writes.size(); ++i) {
        EXPECT_EQ(BytesToHex(port.writes[i].second), FRAME_PROGRAM);
        if (i > 0) {
            EXPECT_GE(port.writes[i].first - port.writes[i - 1].first,
                      std::chrono::milliseconds(FleetSession::kProbeIntervalMs));
        }
    }
    EXPECT_TRUE(ui.radios.empty());
    EXPECT_FALSE(port.IsOpen());
}
