// End to end on a real pseudo-terminal: the simulated radio served on it, the command line's termios
// port on the other side, and the vpxds-cli read, write and sim commands.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/Document.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/PosixSerialPort.h"
#include "link/Protocol.h"
#include "link/RadioPort.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"

extern char** environ;

namespace {

std::unique_ptr<SerialPort> MakePosix() { return std::make_unique<PosixSerialPort>(); }

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(PtyLink, ReadAndWriteThroughTheTerminalPort)
{
    LinkAppDir dir;
    PtyRadio radio;
    ASSERT_TRUE(radio.ok) << radio.openError;
    CodePlug written(BuildBandImage("33"));
    written.WriteByte(0x0010, 0x25);
    written.WriteByte(0x0020, 0x46);
    radio.Start();

    RadioPort port(&MakePosix);
    ConfigureRadioPort(port, radio.server.DevicePath(), kCodePlugLineSettings);
    RecordingUi ui;
    WriteSession write(port, ui, written);
    EXPECT_TRUE(write.Run().Succeeded());
    EXPECT_FALSE(port.IsOpen());

    CodePlugDocument doc;
    doc.ResetToNew();
    ReadSession read(port, ui, doc);
    EXPECT_TRUE(read.Run().Succeeded());
    EXPECT_EQ(doc.image.Read(0, 0x0340), written.Read(0, 0x0340));
    EXPECT_EQ(ui.messages, (std::vector<int>{3014, 3007}));
}

TEST(PtyLink, BurstsAndStraysThroughTheTerminalPort)
{
    LinkAppDir dir;
    const CodePlug band(BuildBandImage("33"));
    CodePlug image = band;
    for (int a = 0x10; a < 0x340; ++a)
        image.WriteByte(a, (a * 13 + 7) & 0xFF);
    image.Write(Addr::kModelBlock, band.Read(Addr::kModelBlock, 8)); // still a band-33 code plug
    { // Paced, each reply handed over whole as a USB adapter does, with stray bytes before, inside and
      // after replies: the read holds exactly the radio's bytes.
        PtyRadio radio(true);
        ASSERT_TRUE(radio.ok) << radio.openError;
        radio.server.SetDelivery(SimLine::Delivery::WholeReply);
        radio.server.Radio().SetMemoryHex(image.Text());
        AddReadTrouble(radio.server.Radio());
        radio.Start();
        RadioPort port(&MakePosix);
        ConfigureRadioPort(port, radio.server.DevicePath(), kCodePlugLineSettings);
        RecordingUi ui;
        CodePlugDocument doc;
        doc.ResetToNew();
        ReadSession read(port, ui, doc);
        EXPECT_TRUE(read.Run().Succeeded());
        EXPECT_EQ(doc.image.Text(), image.Text());
    }
    { // A block's answer 450 ms late and the last frame lost: whatever the acknowledges did, a write
      // that says "finished" left the radio holding every block, and one that does not says which
      // blocks it holds.
        PtyRadio radio(true);
        ASSERT_TRUE(radio.ok) << radio.openError;
        radio.server.SetDelivery(SimLine::Delivery::WholeReply);
        SimFault late = Fault(SimFault::Kind::LateAnswer, "57", 25);
        late.delayMs = 450;
        radio.server.Radio().AddFault(late);
        radio.server.Radio().AddFault(Fault(SimFault::Kind::NoAnswer, "57", 49));
        radio.Start();
        RadioPort port(&MakePosix);
        ConfigureRadioPort(port, radio.server.DevicePath(), kCodePlugLineSettings);
        RecordingUi ui;
        WriteSession write(port, ui, image);
        const TransferResult r = write.Run();
        EXPECT_TRUE(write.Disturbed());
        const CodePlug inRadio(radio.server.Radio().MemoryHex());
        if (r.Succeeded()) {
            EXPECT_EQ(WriteSession::AsWrittenInRadio(image, inRadio), image);
        } else {
            EXPECT_EQ(r.textNumber, 9605);
            EXPECT_NE(WriteSession::AsWrittenInRadio(image, inRadio), image);
            EXPECT_NE(ui.details.back().find(GetLangText(9600).substr(0, 20)), std::string::npos);
        }
    }
}

TEST(PtyLink, DroppedTerminalIsAPortFault)
{
    LinkAppDir dir;
    PtyRadio radio;
    ASSERT_TRUE(radio.ok) << radio.openError;
    SimFault drop;
    drop.kind = SimFault::Kind::Drop;
    drop.prefix = "52";
    drop.frame = 2;
    radio.server.Radio().AddFault(drop);
    radio.Start();

    RadioPort port(&MakePosix);
    ConfigureRadioPort(port, radio.server.DevicePath(), kCodePlugLineSettings);
    RecordingUi ui;
    CodePlugDocument doc;
    doc.ResetToNew();
    const std::string before = doc.image.Text();
    ReadSession read(port, ui, doc);
    const TransferResult r = read.Run();
    EXPECT_EQ(r.status, TransferStatus::BlockFault);
    EXPECT_EQ(ui.messages, std::vector<int>{9602}); // the connection lost
    EXPECT_EQ(doc.image.Text(), before);
    EXPECT_FALSE(port.IsOpen());
}

TEST(PtyLink, HungUpLineIsAFaultNotAWait)
{
    LinkAppDir dir;
    PtyRadio radio;
    ASSERT_TRUE(radio.ok) << radio.openError;
    PosixSerialPort port;
    port.SetPortName(radio.server.DevicePath());
    std::string error;
    ASSERT_TRUE(port.Open(error)) << error;
    if (!HangUpTerminal(radio.server.DevicePath()))
        GTEST_SKIP() << "hanging up a terminal needs more rights here";
    EXPECT_FALSE(port.WaitForInput(5000));
    EXPECT_EQ(port.BytesWaiting(), -1);
    std::string reply;
    EXPECT_EQ(PortTransceive(port, FRAME_PROGRAM, reply, 1, 500), LINK_PORT_FAULT);
}

TEST(PtyLink, CommandLineReadWriteAndSim)
{
    const std::string cli = std::string(VPX_BIN_DIR) + "/vpxds-cli";
    if (!std::ifstream(cli).good())
        GTEST_SKIP() << "vpxds-cli not built";
    LinkAppDir dir;
    const std::string appdir = " --appdir '" + dir.File("") + "' ";
    const std::string file = dir.File("radio.dat");

    // Read from the built-in simulator, then write the file back.
    EXPECT_EQ(std::system((cli + appdir + "read --port simulator '" + file + "' 2>/dev/null").c_str()), 0);
    const std::string image = ReadText(file);
    EXPECT_TRUE(CodePlug::IsValidImageText(image));
    EXPECT_EQ(std::system((cli + appdir + "write '" + file + "' --port simulator 2>/dev/null").c_str()), 0);
    const std::string twice = dir.File("twice.dat");
    EXPECT_EQ(
        std::system((cli + appdir + "read --twice --port simulator '" + twice + "' 2>/dev/null").c_str()), 0);
    EXPECT_EQ(ReadText(twice), image);

    // A port that leads nowhere: exit code 1, message 3012 naming the device, the file untouched.
    const std::string err = dir.File("err.txt");
    EXPECT_NE(
        std::system((cli + appdir + "read --port /dev/vpx-none '" + file + "' 2>'" + err + "'").c_str()), 0);
    EXPECT_NE(ReadText(err).find("error 3012"), std::string::npos);
    EXPECT_NE(ReadText(err).find("/dev/vpx-none"), std::string::npos);
    EXPECT_EQ(ReadText(file), image);
    EXPECT_NE(
        std::system(
            (cli + appdir + "write '" + dir.File("missing.dat") + "' --port simulator 2>/dev/null").c_str()),
        0);
    EXPECT_NE(std::system((cli + appdir + "read '" + file + "' 2>/dev/null").c_str()), 0); // no --port

    // A file of another band: refused without the marker file; with it, the question is answered No
    // when nobody can be asked (and says so), Yes with --yes-cross-band.
    const std::string f9 = dir.File("f9.dat");
    ASSERT_EQ(std::system((cli + appdir + "new --band F9 '" + f9 + "' 2>/dev/null").c_str()), 0);
    const std::string writeF9 =
        cli + appdir + "write '" + f9 + "' --port simulator </dev/null 2>'" + err + "'";
    EXPECT_NE(std::system(writeF9.c_str()), 0);
    EXPECT_NE(ReadText(err).find("error 3022"), std::string::npos);
    dir.WriteFile(kMarkerCrossBandWrite, "");
    EXPECT_NE(std::system(writeF9.c_str()), 0);
    EXPECT_NE(ReadText(err).find(GetLangText(3019)), std::string::npos);
    EXPECT_NE(ReadText(err).find("--yes-cross-band"), std::string::npos);
    EXPECT_EQ(std::system((writeF9 + " --yes-cross-band --force").c_str()), 0); // F9's default has no channel

    // vpxds-cli sim serves a terminal until SIGTERM; a read through it with --log prints the exchange.
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string appDirArg = dir.File("");
    std::vector<std::string> argv = {cli, "--appdir", appDirArg, "sim", "--tag", "R736", "--band", "F9"};
    std::vector<char*> cargv;
    for (std::string& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, cli.c_str(), &actions, nullptr, cargv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    FILE* simOut = ::fdopen(pipeFds[0], "r");
    char line[256] = {};
    const bool gotPath = std::fgets(line, sizeof line, simOut) != nullptr;
    std::string device(line);
    while (!device.empty() && (device.back() == '\n' || device.back() == '\r'))
        device.pop_back();
    if (gotPath) {
        const std::string out = dir.File("log.txt");
        EXPECT_EQ(std::system((cli + appdir + "read --port " + device + " '" + dir.File("r.dat") +
                               "' --log >'" + out + "' 2>/dev/null")
                                  .c_str()),
                  0);
        const std::string log = ReadText(out);
        EXPECT_NE(log.find("S:50524F4752414D\nR:06\n"), std::string::npos);
        EXPECT_NE(log.find("R:52373336"
                           "00"
                           "F9"),
                  std::string::npos); // identity with the tag and band
        EXPECT_NE(log.find("S:5203C040"), std::string::npos);
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::fclose(simOut);
    EXPECT_TRUE(gotPath);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(PtyLink, CommandLineEndsItsLinesAndChoosesThePort)
{
    const std::string cli = std::string(VPX_BIN_DIR) + "/vpxds-cli";
    if (!std::ifstream(cli).good())
        GTEST_SKIP() << "vpxds-cli not built";
    LinkAppDir dir;
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    const std::string appdir = " --appdir '" + dir.File("") + "' ";
    const std::string out = dir.File("out.txt");
    const std::string err = dir.File("err.txt");

    // The read's report is a whole line: the next prompt starts on a line of its own.
    ASSERT_EQ(
        std::system(
            (cli + appdir + "read --port simulator '" + dir.File("r.dat") + "' 2>'" + err + "'").c_str()),
        0);
    EXPECT_EQ(ReadText(err), GetLangTextIn(3007, kLangEnglish) + "\n");

    // Choosing a port stores it as the port page does; the list marks it.
    ASSERT_EQ(std::system((cli + appdir + "port com3 >'" + out + "' 2>/dev/null").c_str()), 0);
    EXPECT_NE(ReadText(dir.File("system.ini")).find("com=com3"), std::string::npos);
    EXPECT_NE(ReadText(out).find("COM3"), std::string::npos);
    ASSERT_EQ(std::system((cli + appdir + "port >'" + out + "'").c_str()), 0);
    const std::string list = ReadText(out);
    EXPECT_NE(list.find("* COM3"), std::string::npos) << list;
    EXPECT_NE(list.find("  COM16"), std::string::npos) << list;
    EXPECT_NE(list.find("settings: " + dir.File("system.ini")), std::string::npos) << list;

    // A name that is no COM port changes nothing; "none" clears the choice.
    EXPECT_NE(std::system((cli + appdir + "port com17 2>/dev/null").c_str()), 0);
    EXPECT_NE(ReadText(dir.File("system.ini")).find("com=com3"), std::string::npos);
    ASSERT_EQ(std::system((cli + appdir + "port none >/dev/null").c_str()), 0);
    EXPECT_NE(ReadText(dir.File("system.ini")).find("com=\n"), std::string::npos);
}
