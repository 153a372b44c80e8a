// vpxds-cli passwords and the passwords and model information of vpxds-cli show --json, as a user
// runs them: fields written as the radio stores them, refusals that leave the file alone, and no
// password ever printed.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "codeplug/ModelCatalogue.h"
#include "tests/support/CliRunner.h"

namespace {

constexpr const char* kNone = "FFFFFFFFFFFFFFFFFFFF";

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// The value of "key": ... inside the one-line object "object": {...} of the show --json output.
std::string JsonValue(const std::string& json, const std::string& object, const std::string& key)
{
    const std::size_t start = json.find("\"" + object + "\": {");
    if (start == std::string::npos)
        return "<no " + object + ">";
    const std::size_t end = json.find('}', start);
    const std::size_t at = json.find("\"" + key + "\": ", start);
    if (at == std::string::npos || at > end)
        return "<no " + key + ">";
    const std::size_t from = at + key.size() + 4;
    const std::size_t to = json.find_first_of(",}", from);
    return json.substr(from, to - from);
}

} // namespace

TEST(CliPasswords, SetsAndClearsWithTheWindowsRulesAndNeverPrintsThem)
{
    LinkAppDir dir;
    const CliRunner cli(dir.Path());
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    const std::string file = dir.File("shop.dat");
    ASSERT_TRUE(SaveTextFileAtomic(file, BuildBandImage("33")));

    CliResult r = cli.Run("passwords " + Quoted(file));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("read password not set, write password not set"), std::string::npos) << r.out;

    r = cli.Run("passwords " + Quoted(file) + " --read Ab12 --write 0123456789");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.find("Ab12"), std::string::npos);
    EXPECT_EQ(r.out.find("0123456789"), std::string::npos);
    const CodePlug set(dir.ReadFile("shop.dat"));
    EXPECT_EQ(set.Read(0x034C, 10), "3A7C35FB887217DCCA30"); // "Ab12******" scrambled
    EXPECT_EQ(set.Read(0x0356, 10), "4B2F36FA966D0BC1D823"); // ten characters, no "*"
    EXPECT_EQ(set.Text().substr(0, 2 * 0x034C), BuildBandImage("33").substr(0, 2 * 0x034C));

    r = cli.Run("show " + Quoted(file) + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(JsonValue(r.out, "passwords", "read"), "true");
    EXPECT_EQ(JsonValue(r.out, "passwords", "write"), "true");
    EXPECT_EQ(r.out.find("Ab12"), std::string::npos);
    r = cli.Run("show " + Quoted(file));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.find("Ab12"), std::string::npos);
    EXPECT_EQ(r.out.find("0123456789"), std::string::npos);

    // Refused with 9703 and nothing changes: a "*", a blank, eleven characters, a letter outside
    // ASCII; the other password given with it is not set either.
    const std::string before = dir.ReadFile("shop.dat");
    for (const std::string bad : {"ab*c", "'two words'", "01234567890", "caf\xC3\xA9"}) {
        r = cli.Run("passwords " + Quoted(file) + " --write newone --read " + bad);
        EXPECT_EQ(r.exitCode, 1) << bad;
        EXPECT_NE(r.err.find("error 9703"), std::string::npos) << bad << ": " << r.err;
        EXPECT_EQ(dir.ReadFile("shop.dat"), before) << bad;
    }
    // Usage errors change nothing either.
    for (const std::string args : {" --read x --clear-read", " --write", " --read a --read b", " --other"}) {
        r = cli.Run("passwords " + Quoted(file) + args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_EQ(dir.ReadFile("shop.dat"), before) << args;
    }
    EXPECT_EQ(cli.Run("passwords --read abc").exitCode, 2);

    // Clearing stores ten 0xFF; an empty TEXT clears as well; the other field stays.
    r = cli.Run("passwords " + Quoted(file) + " --clear-read");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(CodePlug(dir.ReadFile("shop.dat")).Read(0x034C, 10), kNone);
    EXPECT_EQ(CodePlug(dir.ReadFile("shop.dat")).Read(0x0356, 10), "4B2F36FA966D0BC1D823");
    r = cli.Run("passwords " + Quoted(file) + " --write ''");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(dir.ReadFile("shop.dat"), BuildBandImage("33"));
    r = cli.Run("show " + Quoted(file) + " --json");
    EXPECT_EQ(JsonValue(r.out, "passwords", "read"), "false");
    EXPECT_EQ(JsonValue(r.out, "passwords", "write"), "false");

    // A file that cannot be read: its message, and no file appears.
    r = cli.Run("passwords " + Quoted(dir.File("missing.dat")) + " --read abc");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 2011"), std::string::npos);
    EXPECT_FALSE(dir.Exists("missing.dat"));
    EXPECT_EQ(cli.Run("passwords --help").exitCode, 0);
}

TEST(CliShow, ModelInformationAsTheWindowShowsIt)
{
    LinkAppDir dir;
    const CliRunner cli(dir.Path());
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");

    // A new code plug: nothing but the "no file" name.
    const std::string fresh = dir.File("new.dat");
    ASSERT_TRUE(SaveTextFileAtomic(fresh, BuildBandImage("33")));
    CliResult r = cli.Run("show " + Quoted(fresh) + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* key : {"serialNumber", "hardwareVersion", "mcuVersion", "pcVersion", "lastProgrammed"})
        EXPECT_EQ(JsonValue(r.out, "modelInfo", key), "\"\"") << key;
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "fileName"), "\"Untitled\"");

    // A code plug as a programmed radio holds it.
    CodePlug plug(BuildBandImage("33"));
    plug.Write(0x03E0, "534E2D3030343200"); // "SN-0042"
    plug.Write(0x03D8, "48572D33FF");       // "HW-3"
    plug.Write(0x0300, "0105");             // MCU 1.05
    plug.Write(0x0302, "020341");           // PC 2.03A
    plug.Write(0x0305, "20110510081502");   // 2011-05-10 08:15:02
    plug.Write(0x0310, "73686F702D61E900"); // "shop-a" + 0xE9
    const std::string radio = dir.File("radio.dat");
    ASSERT_TRUE(SaveTextFileAtomic(radio, plug.Text()));
    r = cli.Run("show " + Quoted(radio) + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "serialNumber"), "\"SN-0042\"");
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "hardwareVersion"), "\"HW-3\"");
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "mcuVersion"), "\"1.05\"");
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "pcVersion"), "\"2.03A\"");
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "lastProgrammed"), "\"2011-05-10 08:15:02\"");
    EXPECT_EQ(JsonValue(r.out, "modelInfo", "fileName"), "\"shop-a\xC3\xA9.dat\""); // valid UTF-8
    r = cli.Run("show " + Quoted(radio));
    EXPECT_NE(r.out.find("Last programmed: 2011-05-10 08:15:02\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Serial number: SN-0042\n"), std::string::npos) << r.out;
}
