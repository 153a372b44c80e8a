// vpxds-cli align as a production line scripts it: read a radio into a file, write a file into a
// radio over a pseudo-terminal, show and export a file; exit codes and messages of every failure.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/Settings.h"
#include "link/ServiceAccess.h"
#include "service/AlignmentFile.h"
#include "tests/service/AlignmentSample.h"
#include "tests/support/CliRunner.h"

namespace {

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// An English-speaking application directory whose service functions are unlocked (the marker file),
// and a service radio served on a pseudo-terminal.
struct CliBench {
    explicit CliBench(bool unlocked = true) : cli(dir.Path())
    {
        dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
        if (unlocked)
            dir.WriteFile(kMarkerServiceUnlock, "");
        pty.server.Radio().SetModelText("R736");
        pty.server.Radio().SetMemoryHex(MemoryWithAlignment(SampleAlignmentBlock()));
    }
    std::string Port() const { return Quoted(pty.server.DevicePath()); }
    std::string RadioBlock() { return pty.server.Radio().MemoryHex().substr(2 * Addr::kAlignment, 128); }

    LinkAppDir dir;
    CliRunner cli;
    PtyRadio pty;
};

} // namespace

TEST(CliAlign, ReadWriteShowAndExportAgainstARadio)
{
    CliBench b;
    if (!b.cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    ASSERT_TRUE(b.pty.ok) << b.pty.openError;
    b.pty.Start();

    CliResult r = b.cli.Run("align read --port " + b.Port() + " " + Quoted(b.dir.File("unit.dts")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Alignment data read from the radio."), std::string::npos) << r.err;
    EXPECT_EQ(b.dir.ReadFile("unit.dts"), DtsHeader() + SampleAlignmentBlock());

    r = b.cli.Run("align show " + Quoted(b.dir.File("unit.dts")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Mid-high\t455.25000\t455.25000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("High power\tLow=196\tLow-mid=201\tMid=205\tMid-high=210\tHigh=214\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("Squelch open\tWide=40\tNarrow=52\n"), std::string::npos);
    EXPECT_NE(r.out.find("Battery voltage\tMid=131\n"), std::string::npos);

    r = b.cli.Run("align show " + Quoted(b.dir.File("unit.dts")) + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"data\": \"" + SampleAlignmentBlock() + "\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("{\"row\": \"Mid\", \"rx\": \"435.01250\", \"tx\": \"435.50000\"}"),
              std::string::npos);
    EXPECT_NE(r.out.find(
                  "{\"row\": \"Squelch close\", \"headings\": [\"Wide\", \"Narrow\"], \"values\": [34, 46]}"),
              std::string::npos);

    r = b.cli.Run("align export " + Quoted(b.dir.File("unit.dts")) + " " + Quoted(b.dir.File("unit.xlsx")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Export finished!"), std::string::npos) << r.err;
    EXPECT_EQ(b.dir.ReadFile("unit.xlsx").substr(0, 2), "PK");

    // A file edited elsewhere goes into the radio byte for byte.
    std::string edited = SampleAlignmentBlock();
    edited.replace(2 * 56, 10, "0102030405"); // the five sensitivity values
    ASSERT_EQ(SaveAlignmentFile(b.dir.File("edited.dts"), edited), 0);
    r = b.cli.Run("align write " + Quoted(b.dir.File("edited.dts")) + " --port " + b.Port() + " --log");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Alignment data written to the radio."), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("S:5702D808" + edited.substr(112, 16) + "\nR:06\n"), std::string::npos) << r.out;
    EXPECT_EQ(b.RadioBlock(), edited);
}

TEST(CliAlign, FailuresExitWithTheirMessageAndLeaveFilesAlone)
{
    CliBench b;
    if (!b.cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    ASSERT_TRUE(b.pty.ok) << b.pty.openError;
    b.pty.server.Radio().SetWriteAccessReply(0x07);
    b.pty.server.Radio().SetModelText("TQ951");
    b.pty.Start();

    // A radio of another model: exit 1 with 3023, the file that was there untouched.
    b.dir.WriteFile("kept.dts", "old content");
    CliResult r = b.cli.Run("align read --port " + b.Port() + " " + Quoted(b.dir.File("kept.dts")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 3023:"), std::string::npos) << r.err;
    EXPECT_EQ(b.dir.ReadFile("kept.dts"), "old content");

    // Not an alignment data file: 2011 before any radio traffic.
    b.pty.server.Radio().ClearFrames();
    r = b.cli.Run("align write " + Quoted(b.dir.File("kept.dts")) + " --port " + b.Port());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 2011:"), std::string::npos) << r.err;
    EXPECT_TRUE(b.pty.server.Radio().Frames().empty());
    r = b.cli.Run("align show " + Quoted(b.dir.File("missing.dts")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 2011:"), std::string::npos);

    // A radio that refuses alignment data: exit 1 with 9532, nothing written.
    ASSERT_EQ(SaveAlignmentFile(b.dir.File("good.dts"), std::string(128, '0')), 0);
    b.pty.server.Radio().SetModelText("R736");
    r = b.cli.Run("align write " + Quoted(b.dir.File("good.dts")) + " --port " + b.Port());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 9532: The radio refused to take alignment data"), std::string::npos) << r.err;
    EXPECT_EQ(b.RadioBlock(), SampleAlignmentBlock());

    // Usage errors exit 2.
    EXPECT_EQ(b.cli.Run("align read " + Quoted(b.dir.File("x.dts"))).exitCode, 2);
    EXPECT_EQ(b.cli.Run("align copy a b").exitCode, 2);
    EXPECT_EQ(b.cli.Run("align export " + Quoted(b.dir.File("good.dts"))).exitCode, 2);
    EXPECT_EQ(b.cli.Run("align --help").exitCode, 0);
}

TEST(CliAlign, ReadAndWriteNeedTheServiceFunctionsUnlocked)
{
    CliBench b(false);
    if (!b.cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    ASSERT_TRUE(b.pty.ok) << b.pty.openError;
    b.pty.Start();
    ASSERT_EQ(SaveAlignmentFile(b.dir.File("edited.dts"), std::string(128, '1')), 0);
    const std::string read = "align read --port " + b.Port() + " " + Quoted(b.dir.File("unit.dts"));
    const std::string write = "align write " + Quoted(b.dir.File("edited.dts")) + " --port " + b.Port();

    // Locked: a clear error, exit code 2, not one byte to the radio.
    for (const std::string& command : {read, write}) {
        const CliResult r = b.cli.Run(command);
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_NE(r.err.find("error 9643: The service functions are locked"), std::string::npos) << r.err;
        EXPECT_TRUE(b.pty.server.Radio().Frames().empty()) << command;
    }
    EXPECT_FALSE(b.dir.Exists("unit.dts"));
    // A wrong code is refused as the service-code window refuses it.
    CliResult r = b.cli.Run(write + " --service-code guess");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("error 5202: "), std::string::npos) << r.err;
    EXPECT_TRUE(b.pty.server.Radio().Frames().empty());
    EXPECT_EQ(b.RadioBlock(), SampleAlignmentBlock());

    // The right code unlocks them for the command.
    r = b.cli.Run(read + " --service-code " + SERVICE_ACCESS_CODE);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(b.dir.ReadFile("unit.dts"), DtsHeader() + SampleAlignmentBlock());
    r = b.cli.Run(write + " --service-code " + SERVICE_ACCESS_CODE);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(b.RadioBlock(), std::string(128, '1'));
    // Files alone need no unlocking.
    EXPECT_EQ(b.cli.Run("align show " + Quoted(b.dir.File("unit.dts"))).exitCode, 0);
}
