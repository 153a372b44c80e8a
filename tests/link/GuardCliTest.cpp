// The command line of the write's guards as a user types it: diff of two data files with its exit
// codes and JSON, write --backup --verify, the backups list, and the simulated radio that ignores a
// write served by `sim --ignore-write`.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "tests/support/CliRunner.h"
#include "tests/support/DataHome.h"

extern char** environ;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A `vpxds-cli sim` child process and the pseudo-terminal it printed.
class SimProcess {
public:
    SimProcess(const std::string& cli, const std::string& appDir, std::vector<std::string> options)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::vector<std::string> argv = {cli, "--appdir", appDir, "sim"};
        argv.insert(argv.end(), options.begin(), options.end());
        std::vector<char*> cargv;
        for (std::string& a : argv)
            cargv.push_back(a.data());
        cargv.push_back(nullptr);
        const bool spawned =
            ::posix_spawn(&m_pid, cli.c_str(), &actions, nullptr, cargv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        m_out = ::fdopen(fds[0], "r");
        char line[256] = {};
        if (spawned && std::fgets(line, sizeof line, m_out) != nullptr) {
            device = line;
            while (!device.empty() && (device.back() == '\n' || device.back() == '\r'))
                device.pop_back();
        }
    }
    ~SimProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
        if (m_out != nullptr)
            std::fclose(m_out);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    std::string device;

private:
    pid_t m_pid = 0;
    FILE* m_out = nullptr;
};

// An application directory in English and vpxds-cli to run on it.
struct EnglishCli {
    EnglishCli() { dir.WriteFile("system.ini", "[language]\nlanguage=200000\n"); }
    LinkAppDir dir;
    CliRunner cli{dir};
};

} // namespace

TEST(GuardCli, DiffTellsEqualDifferentAndErrorsApart)
{
    EnglishCli c;
    if (!c.cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    const LinkAppDir& dir = c.dir;
    const CliRunner& cli = c.cli;
    CodePlug a(BuildBandImage("33"));
    CodePlug b = a;
    b.WriteByte(Addr::kSquelch, 7);
    b.Write(Addr::ChannelAddress(2), EncodeFreq(433.5) + EncodeFreq(433.5) + "FFFFFFFFFF3101FF");
    b.WriteByte(0x0302, 0x42);
    dir.WriteFile("a.dat", a.Text());
    dir.WriteFile("b.dat", b.Text());
    const std::string files = "'" + dir.File("a.dat") + "' '" + dir.File("b.dat") + "'";

    CliResult r = cli.Run("diff '" + dir.File("a.dat") + "' '" + dir.File("a.dat") + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "The two code plugs are the same.\n");

    r = cli.Run("diff " + files);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out,
              "Squelch level: 5 \u2192 7\n"
              "Channel 2: RX Freq (MHz) (empty) \u2192 433.50000; TX Freq (MHz) (empty) \u2192 433.50000; "
              "RX QT/DQT (empty) \u2192 None; TX QT/DQT (empty) \u2192 None; Bandwidth (empty) \u2192 Wide; "
              "Power (empty) \u2192 High; Scan (empty) \u2192 No\n"
              "Other bytes: 1 (0x0302)\n");

    r = cli.Run("diff " + files + " --json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.out, "\"equal\": false")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"band\": null"));
    EXPECT_TRUE(Contains(r.out, "{\"key\": \"squelch\", \"caption\": \"Squelch level\", \"before\": \"5\", "
                                "\"after\": \"7\"}"));
    EXPECT_TRUE(Contains(r.out, "{\"channel\": 2, \"cells\": [{\"key\": \"rx\""));
    EXPECT_TRUE(Contains(r.out, "{\"address\": \"0302\", \"before\": \""));
    EXPECT_TRUE(Contains(r.out, "\"after\": \"42\"}"));

    // Usage and file errors: exit code 2, whatever the files hold.
    EXPECT_EQ(cli.Run("diff '" + dir.File("a.dat") + "'").exitCode, 2);
    EXPECT_EQ(cli.Run("diff " + files + " --colour").exitCode, 2);
    r = cli.Run("diff '" + dir.File("a.dat") + "' '" + dir.File("missing.dat") + "'");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(Contains(r.err, "error 2011")) << r.err;
    dir.WriteFile("broken.dat", "not a code plug");
    EXPECT_EQ(cli.Run("diff '" + dir.File("broken.dat") + "' '" + dir.File("a.dat") + "'").exitCode, 2);
}

TEST(GuardCli, WriteWithBackupAndVerifyThenListTheBackups)
{
    DataHome home;
    EnglishCli c;
    if (!c.cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    const LinkAppDir& dir = c.dir;
    const CliRunner& cli = c.cli;
    CodePlug plug(BuildBandImage("33"));
    plug.WriteByte(Addr::kSquelch, 6);
    dir.WriteFile("plug.dat", plug.Text());
    const std::string write = "write '" + dir.File("plug.dat") + "' --port simulator";

    CliResult r = cli.Run("backups");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");

    r = cli.Run(write + " --backup --verify");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, GetLangTextIn(9558, 200000))) << r.err;
    EXPECT_EQ(home.BackupCount(), 1);

    // The setting alone switches the backup on.
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n[option]\nbackup_before_write=yes\n");
    r = cli.Run(write);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(home.BackupCount(), 2);

    r = cli.Run("backups");
    EXPECT_EQ(r.exitCode, 0);
    std::vector<std::string> lines;
    std::istringstream out(r.out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines)
        EXPECT_EQ(std::filesystem::path(line).parent_path(), home.Backups());
    EXPECT_GE(lines[0], lines[1]); // newest first
    EXPECT_TRUE(Contains(r.err, home.Backups().string()));
    EXPECT_EQ(cli.Run("backups --all").exitCode, 2);
}

TEST(GuardCli, SimulatedRadioThatIgnoresAWriteFailsTheVerification)
{
    DataHome home;
    EnglishCli c;
    if (!c.cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    const LinkAppDir& dir = c.dir;
    const CliRunner& cli = c.cli;
    const std::string program = std::string(VPX_BIN_DIR) + "/vpxds-cli";
    SimProcess sim(program, dir.Dir(), {"--ignore-write", "0030"});
    ASSERT_FALSE(sim.device.empty());
    CodePlug plug(BuildBandImage("33"));
    plug.Write(Addr::ChannelAddress(3), EncodeFreq(435.125) + EncodeFreq(435.125) + "FFFFFFFFFF3101FF");
    dir.WriteFile("plug.dat", plug.Text());

    // Without the verification the radio's 06 to every block is all the write can go by.
    const std::string write = "write '" + dir.File("plug.dat") + "' --port " + sim.device;
    EXPECT_EQ(cli.Run(write).exitCode, 0);
    const CliResult r = cli.Run(write + " --backup --verify");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "error 9550: ")) << r.err;
    EXPECT_TRUE(Contains(r.err, "\nChannel 3: RX Freq (MHz) 435.12500 \u2192 (empty)")) << r.err;
    EXPECT_TRUE(Contains(r.err, "Write that file to restore the radio.")) << r.err;

    EXPECT_EQ(cli.Run("sim --ignore-write 0400").exitCode, 2);
    EXPECT_EQ(cli.Run("sim --corrupt-write 12").exitCode, 2);
}
