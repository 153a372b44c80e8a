// vpxds-cli export-csv and import-csv as a user runs them: the file written, the data file saved
// atomically only when every row is good (or with --partial), and the refusals with their lines.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "editor/ChannelCsv.h"
#include "csv_Support.h"
#include "tests/support/CliRunner.h"

TEST(ChannelCsvCli, ExportThenImportGivesTheSameCodePlug)
{
    CsvTestDir dir;
    const CliRunner cli(dir);
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    const std::string d = dir.Dir() + "/";
    dir.WriteFile("sample.dat", SampleChannelPlug().Text());

    CliResult r = cli.Run("export-csv '" + d + "sample.dat' '" + d + "plan.csv'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("plan.csv"), SampleChannelCsv());
    EXPECT_EQ(r.out, d + "plan.csv：15个信道\n"); // in the interface language, Chinese here

    // Into a new code plug, saved to a third file; the data file read stays as it was.
    dir.WriteFile("new.dat", BuildBandImage("33"));
    r = cli.Run("import-csv '" + d + "new.dat' '" + d + "plan.csv' '" + d + "out.dat'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("out.dat"), SampleChannelPlug().Text());
    EXPECT_EQ(dir.ReadFile("new.dat"), BuildBandImage("33"));
    // Without OUT the data file itself is replaced.
    r = cli.Run("import-csv '" + d + "new.dat' '" + d + "plan.csv'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("new.dat"), SampleChannelPlug().Text());
}

TEST(ChannelCsvCli, BadRowsSaveNothingUnlessPartialIsAsked)
{
    CsvTestDir dir;
    const CliRunner cli(dir);
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    const std::string d = dir.Dir() + "/";
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n"); // the reasons in English
    dir.WriteFile("a.dat", SampleChannelPlug().Text());
    dir.WriteFile("bad.csv", "Location,Frequency,Tone,rToneFreq\n"
                             "1,446.006250,Tone,67.0\n"
                             "2,446.0x\n"
                             "17,446.0\n");

    CliResult r = cli.Run("import-csv '" + d + "a.dat' '" + d + "bad.csv'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(dir.ReadFile("a.dat"), SampleChannelPlug().Text());
    EXPECT_NE(r.err.find("error 9579"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Line 3: Frequency “446.0x” cannot be used"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Line 4: channel number 17"), std::string::npos) << r.err;

    r = cli.Run("import-csv '" + d + "a.dat' '" + d + "bad.csv' --partial");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Line 3:"), std::string::npos) << r.err;          // still told what was left out
    EXPECT_EQ(r.out, d + "a.dat: 1 channels imported, 2 rows left out\n"); // one language throughout
    const CodePlug saved(dir.ReadFile("a.dat"));
    EXPECT_EQ(ChannelCsvFields(saved, 1)[5], "Tone");
    // Channel 2 was named by a bad row and keeps what it held; channel 3 was not named and is emptied.
    EXPECT_EQ(saved.Read(Addr::ChannelAddress(2), 16), SampleChannelPlug().Read(Addr::ChannelAddress(2), 16));
    EXPECT_FALSE(ChannelInUse(saved, 3));

    // Files that cannot be read, and usage errors.
    r = cli.Run("import-csv '" + d + "a.dat' '" + d + "missing.csv'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 9589"), std::string::npos) << r.err;
    r = cli.Run("export-csv '" + d + "missing.dat' '" + d + "x.csv'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 2011"), std::string::npos) << r.err;
    EXPECT_FALSE(dir.Exists("x.csv"));
    r = cli.Run("export-csv '" + d + "a.dat' '" + d + "no/such/dir/x.csv'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 9581"), std::string::npos) << r.err;
    EXPECT_EQ(cli.Run("import-csv '" + d + "a.dat'").exitCode, 2);
    EXPECT_EQ(cli.Run("import-csv '" + d + "a.dat' '" + d + "bad.csv' --all").exitCode, 2);
}

TEST(ChannelCsvCli, WhatTheImportChangedIsPrinted)
{
    CsvTestDir dir;
    const CliRunner cli(dir);
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    const std::string d = dir.Dir() + "/";
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    dir.WriteFile("a.dat", BuildBandImage("33"));
    dir.WriteFile("moved.csv", "Location,Frequency,Duplex,Offset\n"
                               "1,433.1225,,\n"
                               "2,446.003,split,446.00625\n"
                               "3,151.625,,\n");
    CliResult r = cli.Run("import-csv '" + d + "a.dat' '" + d + "moved.csv'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, d + "a.dat: 3 channels imported\n"
                         "Line 2: receive frequency 433.122500 \u2192 433.12000 (moved to the channel step)\n"
                         "Line 3: receive frequency 446.003000 \u2192 446.00000 (moved to the channel step)\n"
                         "Line 4: receive frequency 151.62500 MHz is outside the band (400-470 MHz)\n");
    EXPECT_NE(dir.ReadFile("a.dat"), BuildBandImage("33"));

    // A header and nothing below it is refused, and the reason says so.
    dir.WriteFile("header.csv", "Location,Name,Frequency,Duplex,Offset\r\n");
    dir.WriteFile("b.dat", BuildBandImage("33"));
    r = cli.Run("import-csv '" + d + "b.dat' '" + d + "header.csv'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Line 1: the file has a header line but no channel rows below it"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(dir.ReadFile("b.dat"), BuildBandImage("33"));
}
