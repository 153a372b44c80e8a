// vpxds-cli fleet as a user types it, against simulated radios on two pseudo-terminals: both ports
// write at once, the list file and the lines on standard error, the check of the file before the first
// radio, Ctrl+C, and the usage errors.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <memory>

#include "LinkTestSupport.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ModelCatalogue.h"
#include "link/RadioLineup.h"
#include "tests/support/CliRunner.h"
#include "tests/support/DataHome.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Two pseudo-terminals, each with radios plugged in turn (long enough never to be pulled during a
// test), in an English application directory of its own.
struct TwoPorts {
    explicit TwoPorts(int radiosPerPort)
    {
        dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
        dir.WriteFile("plan.dat", CodePlug(BuildBandImage("33")).Text());
        for (int p = 0; p < 2; ++p) {
            radios[p] = std::make_unique<PtyRadio>();
            RadioLineup lineup;
            lineup.SetStay(std::chrono::minutes(5));
            for (int i = 1; i <= radiosPerPort; ++i)
                lineup.Add(SimulatedRadio(), "PTY" + std::to_string(p) + "-" + std::to_string(i));
            radios[p]->server.SetLineup(std::move(lineup));
            radios[p]->Start();
        }
    }
    std::string Ports() const
    {
        return "--port '" + radios[0]->server.DevicePath() + "' --port '" + radios[1]->server.DevicePath() + "'";
    }
    std::string Quoted(const std::string& name) const { return "'" + dir.File(name) + "'"; }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(dir.File(name));
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    DataHome home;
    LinkAppDir dir;
    CliRunner cli{dir};
    std::unique_ptr<PtyRadio> radios[2];
};

} // namespace

TEST(CliFleet, WritesOneRadioOnEachOfTwoPortsAndListsThem)
{
    TwoPorts t(1);
    ASSERT_TRUE(t.cli.Available());
    ASSERT_TRUE(t.radios[0]->ok && t.radios[1]->ok);
    const CliResult r =
        t.cli.Run("fleet " + t.Quoted("plan.dat") + " " + t.Ports() + " --count 2 --log " + t.Quoted("list.csv"));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Count(r.err, "  programmed  "), 2) << r.err;
    EXPECT_TRUE(Contains(r.err, t.radios[0]->server.DevicePath() + "  PTY0-1  programmed")) << r.err;
    EXPECT_TRUE(Contains(r.err, t.radios[1]->server.DevicePath() + "  PTY1-1  programmed")) << r.err;
    EXPECT_TRUE(Contains(r.err, "2 of 2")) << r.err;

    const std::string csv = t.Read("list.csv");
    EXPECT_EQ(csv.rfind("serial,hardware,firmware,port,start,end,result,message\r\n", 0), 0u) << csv;
    EXPECT_EQ(Count(csv, "\r\n"), 3) << csv;
    EXPECT_TRUE(Contains(csv, "PTY0-1,")) << csv;
    EXPECT_TRUE(Contains(csv, ",1.05," + t.radios[1]->server.DevicePath() + ",")) << csv;

    // The history knows both radios by their serial numbers.
    const CliResult history = t.cli.Run("history --serial PTY1-1");
    EXPECT_EQ(history.exitCode, 0);
    EXPECT_TRUE(Contains(history.out, "PTY1-1")) << history.out;
}

TEST(CliFleet, ChecksTheFileOnceAndWritesNothingWithoutATerminalUnlessForced)
{
    TwoPorts t(1);
    CodePlug empty(BuildBandImage("33"));
    for (int ch = 0; ch < 16; ++ch) // no channel at all: a problem for any radio
        empty.Write(Addr::kChannels + ch * 16, std::string(32, 'F'));
    t.dir.WriteFile("empty.dat", empty.Text());
    const CliResult refused = t.cli.Run("fleet " + t.Quoted("empty.dat") + " " + t.Ports() + " --count 2 </dev/null");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Contains(refused.err, "error 9627")) << refused.err;
    EXPECT_TRUE(t.radios[0]->server.Radio().Frames().empty());

    const CliResult usage = t.cli.Run("fleet " + t.Quoted("plan.dat") + " " + t.Ports() + " --count 0");
    EXPECT_EQ(usage.exitCode, 2);
    const CliResult twice = t.cli.Run("fleet " + t.Quoted("plan.dat") + " --port a --port a --count 1");
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_TRUE(Contains(twice.err, "twice")) << twice.err;
    const CliResult missing = t.cli.Run("fleet " + t.Quoted("nothing.dat") + " --port a --count 1");
    EXPECT_EQ(missing.exitCode, 1);
}

TEST(CliFleet, CtrlCEndsTheRunOnceTheRadiosBeingWrittenAreDone)
{
    TwoPorts t(3);
    // The shell sends SIGINT once the first radio is on standard error (or the program ended by itself),
    // and waits for the end.
    const std::string err = t.dir.File("fleet-err.txt");
    const std::string script = "( '" + std::string(VPX_BIN_DIR) + "/vpxds-cli' --appdir '" + t.dir.Path().string() +
                               "' fleet " + t.Quoted("plan.dat") + " " + t.Ports() + " --count 6 --log " +
                               t.Quoted("list.csv") + " 2>'" + err + "' & pid=$!; " +
                               "until grep -q programmed '" + err + "' 2>/dev/null || ! kill -0 $pid 2>/dev/null; do sleep 0.1; done; " +
                               "kill -INT $pid; wait $pid; echo $? >'" + t.dir.File("rc.txt") + "' )";
    ASSERT_NE(std::system(script.c_str()), -1);
    EXPECT_EQ(t.Read("rc.txt"), "1\n"); // fewer than 6 programmed
    const std::string csv = t.Read("list.csv");
    const int listed = Count(csv, "\r\n") - 1;
    EXPECT_GE(listed, 1) << csv;
    EXPECT_LE(listed, 2) << csv; // at most the radio in progress on the other port came after
    EXPECT_EQ(Count(csv, ",failed,"), 0) << csv; // no write was cut short
}
