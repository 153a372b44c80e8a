// vpxds-cli history as a user types it: the operations of read and write recorded, the JSON array
// and its keys, one radio's entries, one entry shown in full, a recorded code plug restored byte for
// byte, and a damaged history file that never stops a write.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "link/WriteSession.h"
#include "tests/history/HistoryFixture.h"
#include "tests/support/CliRunner.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct EnglishCli {
    EnglishCli() { dir.WriteFile("system.ini", "[language]\nlanguage=200000\n"); }
    HistoryHome home;
    LinkAppDir dir;
    CliRunner cli{dir};
    std::string Quoted(const std::string& name) const { return "'" + dir.File(name) + "'"; }
    // plan.dat: the band-33 default with a squelch level of its own.
    CodePlug WritePlan(int squelch) const
    {
        CodePlug plan(BuildBandImage("33"));
        plan.WriteByte(Addr::kSquelch, squelch);
        dir.WriteFile("plan.dat", plan.Text());
        return plan;
    }
};

// The JSON text checked by Python's parser: one line per object, "key,key,...|operation|serial".
std::string JsonShape(const EnglishCli& c, const std::string& json)
{
    c.dir.WriteFile("history.json", json);
    c.dir.WriteFile("shape.py", "import json, sys\n"
                                "rows = json.load(open(sys.argv[1]))\n"
                                "assert isinstance(rows, list)\n"
                                "for r in rows:\n"
                                "    assert isinstance(r['id'], int) and isinstance(r['serial'], str)\n"
                                "    print(','.join(r.keys()) + '|' + r['operation'] + '|' + r['serial'])\n");
    const std::string out = c.dir.File("shape.txt");
    const std::string command =
        "python3 " + c.Quoted("shape.py") + " " + c.Quoted("history.json") + " > '" + out + "' 2>&1";
    if (std::system(command.c_str()) != 0)
        return "not JSON: " + c.dir.ReadFile("shape.txt");
    return c.dir.ReadFile("shape.txt");
}

// The id in the first object of a JSON listing whose operation is op.
long long IdOf(const std::string& json, const std::string& op)
{
    const std::size_t at = json.find("\"operation\": \"" + op + "\"");
    if (at == std::string::npos)
        return -1;
    const std::size_t id = json.rfind("{\"id\": ", at);
    return std::stoll(json.substr(id + 7));
}

} // namespace

TEST(CliHistory, ReadsAndWritesAreListedAsJsonAndShown)
{
    EnglishCli c;
    if (!c.cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    c.WritePlan(7);

    ASSERT_EQ(c.cli.Run("read --port simulator " + c.Quoted("radio.dat")).exitCode, 0);
    const CliResult w = c.cli.Run("write " + c.Quoted("plan.dat") + " --port simulator --backup --verify");
    ASSERT_EQ(w.exitCode, 0) << w.err;
    EXPECT_FALSE(Contains(w.err, "warning")) << w.err;

    CliResult r = c.cli.Run("history --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string keys = "id,time,operation,port,serial,hardware,firmware,result,message";
    EXPECT_EQ(JsonShape(c, r.out),
              keys + "|verify|\n" + keys + "|write|\n" + keys + "|backup|\n" + keys + "|read|\n");
    EXPECT_TRUE(Contains(r.out, "\"port\": \"simulator\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"firmware\": \"1.05\""));
    EXPECT_TRUE(Contains(r.out, "\"result\": \"ok\""));
    EXPECT_TRUE(Contains(r.out, "\"message\": \"" + GetLangTextIn(3007, kLangEnglish) + "\""));

    // The table: a heading line, then one line per entry, newest first.
    r = c.cli.Run("history");
    ASSERT_EQ(r.exitCode, 0);
    std::istringstream lines(r.out);
    std::string heading, first;
    std::getline(lines, heading);
    std::getline(lines, first);
    EXPECT_EQ(heading.rfind("No.", 0), 0u) << r.out;
    EXPECT_TRUE(Contains(heading, "Operation") && Contains(heading, "Serial number")) << heading;
    EXPECT_TRUE(Contains(first, "Verify") && Contains(first, "simulator") && Contains(first, "OK")) << first;

    // One entry in full.
    const long long backup = IdOf(c.cli.Run("history --json").out, "backup");
    r = c.cli.Run("history show " + std::to_string(backup));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Operation: Backup\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Model: TQ951\n"));
    EXPECT_TRUE(Contains(r.out, "Code plug: 33 (400.00000 - 470.00000 MHz)\n"));
    EXPECT_TRUE(Contains(r.out, "File: " + c.home.home.Backups().string())) << r.out;

    EXPECT_EQ(c.cli.Run("history show").exitCode, 2);
    EXPECT_EQ(c.cli.Run("history --colour").exitCode, 2);
    r = c.cli.Run("history show 9999");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "error 9740: ")) << r.err;
    EXPECT_EQ(c.cli.Run("history show twelve").exitCode, 1);
}

TEST(CliHistory, OneRadiosEntriesAndARestoreByteForByte)
{
    EnglishCli c;
    if (!c.cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    CodePlug plan = c.WritePlan(3);
    ASSERT_EQ(c.cli.Run("write " + c.Quoted("plan.dat") + " --port simulator --backup").exitCode, 0);
    {
        HistoryStore store;
        ASSERT_TRUE(store.Open(c.home.Path(), std::string()));
        std::vector<HistoryRecord> rows = {RowOf(HistoryOp::Read, 1700000000, "SN77", PlugOfRadio("SN77")),
                                           RowOf(HistoryOp::Read, 1700000100, "SN78", ""),
                                           RowOf(HistoryOp::Read, 1700000200, "SN777", PlugOfRadio("SN777"))};
        ASSERT_TRUE(store.Add(rows));
    }
    CliResult r = c.cli.Run("history --serial SN77 --json");
    ASSERT_EQ(r.exitCode, 0);
    const std::string keys = "id,time,operation,port,serial,hardware,firmware,result,message";
    EXPECT_EQ(JsonShape(c, r.out), keys + "|read|SN77\n");
    r = c.cli.Run("history --serial NOBODY --json");
    EXPECT_EQ(r.out, "[]\n");

    const std::string all = c.cli.Run("history --json").out;
    const long long backup = IdOf(all, "backup");
    const long long write = IdOf(all, "write");
    ASSERT_GT(backup, 0);
    EXPECT_EQ(c.cli.Run("history restore " + std::to_string(backup) + " " + c.Quoted("before.dat")).exitCode, 0);
    EXPECT_EQ(c.dir.ReadFile("before.dat"), BuildBandImage("33")); // the simulated radio's own
    r = c.cli.Run("history restore " + std::to_string(write) + " " + c.Quoted("written.dat"));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "Saved to " + c.dir.File("written.dat"))) << r.err;
    WriteSession::NormaliseImage(plan); // as the write sent it
    EXPECT_EQ(c.dir.ReadFile("written.dat"), plan.Text());
    const long long sn77 = IdOf(c.cli.Run("history --serial SN77 --json").out, "read");
    EXPECT_EQ(c.cli.Run("history restore " + std::to_string(sn77) + " " + c.Quoted("sn77.dat")).exitCode, 0);
    EXPECT_EQ(c.dir.ReadFile("sn77.dat"), PlugOfRadio("SN77"));

    // An entry without a code plug, an entry that does not exist, a folder that does not exist:
    // nothing is written.
    const long long empty = IdOf(c.cli.Run("history --serial SN78 --json").out, "read");
    r = c.cli.Run("history restore " + std::to_string(empty) + " " + c.Quoted("none.dat"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "error 9739: ")) << r.err;
    EXPECT_EQ(c.cli.Run("history restore 9999 " + c.Quoted("none.dat")).exitCode, 1);
    r = c.cli.Run("history restore " + std::to_string(write) + " " + c.Quoted("missing/folder.dat"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "error 2014: ")) << r.err;
    EXPECT_FALSE(c.dir.Exists("none.dat"));
    EXPECT_EQ(c.cli.Run("history restore " + std::to_string(write)).exitCode, 2);
}

TEST(CliHistory, ADamagedHistoryFileNeverStopsAWrite)
{
    EnglishCli c;
    if (!c.cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    const std::string damaged = "SQLite format 3" + std::string(300, '\x01');
    c.home.Put(damaged);
    c.WritePlan(8);

    CliResult r = c.cli.Run("write " + c.Quoted("plan.dat") + " --port simulator --backup --verify");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "warning 9710: The radio history could not be kept (" + c.home.Path()))
        << r.err;
    EXPECT_TRUE(Contains(r.err, GetLangTextIn(3014, kLangEnglish))) << r.err;
    EXPECT_EQ(c.home.home.BackupCount(), 1); // the backup file is made as before
    EXPECT_EQ(c.home.Bytes(), damaged);

    r = c.cli.Run("history --json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(Contains(r.err, "error 9710: ")) << r.err;
}
