// vpxds-cli "new" and "convert" as a user runs them: files written, refusals with their text numbers.
#include <gtest/gtest.h>

#include <filesystem>

#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "TempAppDir.h"
#include "tests/support/CliRunner.h"

TEST(CliFile, NewAndConvertRoundTrip)
{
    TempAppDir dir;
    const CliRunner cli(dir.Path());
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    const std::string d = dir.Path().string() + "/";

    CliResult r = cli.Run("new '" + d + "a.dat'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("a.dat"), BuildBandImage("33"));

    r = cli.Run("new --band f9 '" + d + "b.dat'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("b.dat"), BuildBandImage("F9"));

    // A frame stream converts to the image it describes.
    const std::vector<std::uint8_t> frames =
        HexToBytes(std::string(kFrameStreamIdentityHex) + "57001008" + "0000004600000046");
    dir.WriteFile("frames.dat", std::string(frames.begin(), frames.end()));
    r = cli.Run("convert '" + d + "frames.dat' '" + d + "c.dat'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const CodePlug converted(dir.ReadFile("c.dat"));
    EXPECT_EQ(converted.Read(0x0010, 8), "0000004600000046");
    EXPECT_EQ(dir.ReadFile("c.dat").size(), 2048u);

    r = cli.Run("convert '" + d + "b.dat' '" + d + "b2.dat'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("b2.dat"), dir.ReadFile("b.dat"));

    EXPECT_EQ(cli.Run("new --help").exitCode, 0);
    EXPECT_NE(cli.Run("new --help").out.find("--band"), std::string::npos);
    EXPECT_EQ(cli.Run("convert --help").exitCode, 0);
}

TEST(CliFile, RefusalsLeaveFilesAlone)
{
    TempAppDir dir;
    const CliRunner cli(dir.Path());
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    const std::string d = dir.Path().string() + "/";
    dir.WriteFile("system.ini", "[language]\nlanguage = 200000\n");
    dir.WriteFile("keep.dat", "old");

    CliResult r = cli.Run("new --band 3 '" + d + "keep.dat'");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("two hex digits"), std::string::npos) << r.err;
    EXPECT_NE(cli.Run("new --band XY '" + d + "keep.dat'").exitCode, 0);
    EXPECT_NE(cli.Run("new --band").exitCode, 0);
    EXPECT_NE(cli.Run("new").exitCode, 0);
    EXPECT_EQ(dir.ReadFile("keep.dat"), "old");

    // Unreadable input: the same text number as the application, and no output file.
    dir.WriteFile("bad.dat", "not a code plug");
    r = cli.Run("convert '" + d + "bad.dat' '" + d + "out.dat'");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("2011"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cannot be opened"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out.dat"));

    const std::vector<std::uint8_t> frames =
        HexToBytes(std::string(kFrameStreamIdentityHex) + "520010080000004600000046");
    dir.WriteFile("frames.dat", std::string(frames.begin(), frames.end()));
    r = cli.Run("convert '" + d + "frames.dat' '" + d + "keep.dat'");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("2015"), std::string::npos) << r.err;
    EXPECT_EQ(dir.ReadFile("keep.dat"), "old");

    // An output that cannot be written: 2014.
    std::filesystem::create_directory(dir.Path() / "dir.dat");
    r = cli.Run("new '" + d + "dir.dat'");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("2014"), std::string::npos) << r.err;
    EXPECT_NE(cli.Run("convert '" + d + "keep.dat'").exitCode, 0);

    // Wrong command lines: the usage goes to standard error, nothing to standard output.
    for (const char* line : {"", "frobnicate", "show", "show --xml '/x.dat'"}) {
        r = cli.Run(line);
        EXPECT_EQ(r.exitCode, 2) << line;
        EXPECT_EQ(r.out, "") << line;
        // The program's usage ("Usage: vpxds-cli") or the command's ("usage: vpxds-cli show").
        EXPECT_TRUE(r.err.find("Usage: vpxds-cli") != std::string::npos ||
                    r.err.find("usage: vpxds-cli show") != std::string::npos)
            << line;
    }
    r = cli.Run("--help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("Usage: vpxds-cli", 0), 0u) << r.out; // the first line
    r = cli.Run("--version");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "vpxds-cli 1.03\n");
}
