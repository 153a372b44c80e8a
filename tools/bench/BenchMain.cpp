// vpxds-bench: how close a code-plug read and write come to the time the serial line itself needs,
// and how much processor time they use while waiting for the radio.
//
// The simulated radio runs in a child process on a pseudo-terminal and paces its bytes like a
// 9600-baud line with 2 stop bits; this process talks to it through the Qt SerialPort adapter.
#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "app/AppState.h"
#include "codeplug/Document.h"
#include "link/LinkUi.h"
#include "link/PtyRadioServer.h"
#include "link/RadioPort.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"
#include "link/qt/PortFactory.h"
#include "service/AlignmentSession.h"
#include "service/TuningSession.h"
#include "tools/bench/BenchCpu.h"
#include "tools/bench/BenchFleet.h"

namespace {

std::atomic<bool> g_stopServer{false};
extern "C" void StopServer(int) { g_stopServer.store(true); }

constexpr double kByteSeconds = 11.0 / 9600.0;

// Bytes on the line and prescribed waits of one transfer.
struct LineBudget {
    int bytes;
    int sleepMs;
    double Seconds() const { return bytes * kByteSeconds + sleepMs / 1000.0; }
};

// Handshake: PROGRAM (7) + 06, 02 + 8-byte identity, 06 + 06; 100 ms after opening, 2 x 20 ms. After
// the last block the line must stay quiet for 20 ms before the transfer counts (a byte that came then
// would show that a reply was shifted or an acknowledge stood for the wrong frame).
constexpr int kHandshakeBytes = 7 + 1 + 1 + 8 + 1 + 1;
constexpr int kQuietAfterMs = 20;
constexpr LineBudget kReadBudget{kHandshakeBytes + ReadSession::kBlocks * ((4 + 68) + (1 + 1)),
                                 100 + 20 + 20 + kQuietAfterMs};
constexpr LineBudget kWriteBudget{kHandshakeBytes + 45 * (20 + 1), 100 + 20 + 20 + 45 * 5 + kQuietAfterMs};
// Read twice: two whole reads, the port opened (and waited for) again for the second.
constexpr LineBudget kReadTwiceBudget{2 * kReadBudget.bytes, 2 * kReadBudget.sleepMs};
// Entering the tuning mode: the handshake (no sleep after the identity), "10" + reply, the service
// code (11) + 06, 8 alignment reads (4 + 12) with their 06/06, TEST (4) + 06; 100 ms after opening,
// 20 ms after the acknowledge, 2 x 5 ms per block, the quiet line after the last block.
constexpr LineBudget kTuningEnterBudget{kHandshakeBytes + 2 + 12 + 8 * (16 + 2) + 5,
                                        100 + 20 + 8 * 10 + kQuietAfterMs};
// Tuning an item with fifty value changes, then cancelling and leaving: TS, TF and CLOS (4 bytes
// each) with their 4-byte replies.
constexpr int kTuningSteps = 50;
constexpr LineBudget kTuningStepsBudget{(kTuningSteps + 2) * 8, 0};

// Alignment data: QUINTAR (7) + 06, 02 + identity, 06 + 06, access query + reply, service code (11) +
// 06; read: 8 x (request 4 + reply 12, 06 + 06) with 5 ms before and after each acknowledge; write:
// 8 x (frame 12 + 06) with 5 ms after each. 100 ms after opening, 2 x 20 ms, and the quiet line after
// the last block.
constexpr int kAlignOpeningBytes = 7 + 1 + 1 + 8 + 1 + 1 + 1 + 1 + 11 + 1;
constexpr LineBudget kAlignReadBudget{kAlignOpeningBytes + 8 * (4 + 12 + 1 + 1),
                                      100 + 20 + 20 + 8 * 10 + kQuietAfterMs};
constexpr LineBudget kAlignWriteBudget{kAlignOpeningBytes + 8 * (12 + 1), 100 + 20 + 20 + 8 * 5 + kQuietAfterMs};

// The window side of the tuning mode in the benchmark: nothing shown.
class BenchTuningUi : public TuningUi {
public:
    void ShowTuning(const TuningView&) override {}
    void StartPollTimer(int) override {}
    void StopPollTimer() override {}
    void ShowLog(const std::string&) override {}
    void ReportMessage(int, const std::string&) override {}
    void SetWaitCursor(bool) override {}
};

// Serves the radio on its pseudo-terminal from a child process; 0 on failure.
pid_t ServeInChild(PtyRadioServer& server)
{
    const pid_t child = fork();
    if (child == 0) {
        // The radio stands in for hardware with its own clock: its timers fire without slack.
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        std::signal(SIGTERM, StopServer);
        server.Serve(g_stopServer);
        _exit(0);
    }
    return child < 0 ? 0 : child;
}
// A write with the backup before it or the read-back after it: one whole read more; with both, two.
constexpr LineBudget kGuardedWriteBudget{kWriteBudget.bytes + kReadBudget.bytes,
                                         kWriteBudget.sleepMs + kReadBudget.sleepMs};
constexpr LineBudget kBothGuardsBudget{kWriteBudget.bytes + 2 * kReadBudget.bytes,
                                       kWriteBudget.sleepMs + 2 * kReadBudget.sleepMs};

struct Figures {
    double wall = 0;
    double cpu = 0;
    bool ok = false;
};

template <typename Run> Figures Measure(Run run)
{
    Figures f;
    const double cpu0 = ProcessCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    f.ok = run();
    f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    f.cpu = ProcessCpuSeconds() - cpu0;
    return f;
}

void Print(const char* what, const Figures& f, const LineBudget& budget)
{
    const double line = budget.Seconds();
    std::printf(
        "%-12s %s  wall %.3f s  line %.3f s (%d bytes + %d ms waits)  ratio %.3f  cpu %.3f s (%.2f %% "
        "of wall)\n",
        what, f.ok ? "ok  " : "FAIL", f.wall, line, budget.bytes, budget.sleepMs, f.wall / line, f.cpu,
        100.0 * f.cpu / f.wall);
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = 3;
    bool fleetOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--fleet")
            fleetOnly = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    if (fleetOnly) {
        char dataHome[] = "/tmp/vpxds-bench-XXXXXX";
        if (::mkdtemp(dataHome) != nullptr)
            ::setenv("XDG_DATA_HOME", dataHome, 1);
        const bool ok = RunFleetBench(rounds, ServeInChild);
        std::error_code ec;
        std::filesystem::remove_all(dataHome, ec);
        return ok ? 0 : 1;
    }

    PtyRadioServer server;
    server.SetPaced(true);
    std::string error;
    if (!server.Open(error)) {
        std::fprintf(stderr, "vpxds-bench: %s\n", error.c_str());
        return 1;
    }
    const std::string device = server.DevicePath();
    const pid_t child = ServeInChild(server);
    if (child == 0) {
        std::perror("vpxds-bench: fork");
        return 1;
    }
    // The service functions (tuning mode, alignment data) on a radio of the family (model tag R736), on
    // its own terminal at 9600,n,8,1.
    PtyRadioServer tuningServer;
    tuningServer.SetPaced(true);
    tuningServer.Radio().SetModelText("R736");
    tuningServer.Radio().LoadSampleAlignment();
    if (!tuningServer.Open(error)) {
        std::fprintf(stderr, "vpxds-bench: %s\n", error.c_str());
        return 1;
    }
    const pid_t tuningChild = ServeInChild(tuningServer);
    if (tuningChild == 0) {
        std::perror("vpxds-bench: fork");
        kill(child, SIGTERM);
        return 1;
    }

    QCoreApplication app(argc, argv);
    g_bServiceView = false;
    NullLinkUi ui;
    std::unique_ptr<SerialPort> port = CreateRadioPort();
    ConfigureRadioPort(*port, device, kCodePlugLineSettings);
    ReadSession reader(*port, ui);
    WriteSession writer(*port, ui, g_doc.image);
    g_doc.ResetToNew();

    std::printf("code-plug transfers over %s, radio paced at 9600 baud 8N2 (%.3f ms a byte)\n",
                device.c_str(), kByteSeconds * 1000);
    std::printf("tuning and alignment data over %s at 9600,n,8,1, the radio paced as above\n",
                tuningServer.DevicePath().c_str());
    ReadSession twiceReader(*port, ui);
    twiceReader.SetReadTwice(true);
    // The backups of the guarded writes go to a folder of their own, removed at the end.
    char dataHome[] = "/tmp/vpxds-bench-XXXXXX";
    if (::mkdtemp(dataHome) != nullptr)
        ::setenv("XDG_DATA_HOME", dataHome, 1);
    WriteSession backupWriter(*port, ui, g_doc.image);
    backupWriter.SetOptions({true, false});
    WriteSession verifyWriter(*port, ui, g_doc.image);
    verifyWriter.SetOptions({false, true});
    WriteSession guardedWriter(*port, ui, g_doc.image);
    guardedWriter.SetOptions({true, true});
    struct Transfer {
        const char* name;
        LineBudget budget;
        std::function<bool()> run;
        Figures sum;
    };
    std::vector<Transfer> transfers = {
        {"read", kReadBudget, [&] { return reader.Run().Succeeded(); }, {}},
        {"write", kWriteBudget, [&] { return writer.Run().Succeeded(); }, {}},
        {"read twice", kReadTwiceBudget, [&] { return twiceReader.Run().Succeeded(); }, {}},
        {"write+backup", kGuardedWriteBudget, [&] { return backupWriter.Run().Succeeded(); }, {}},
        {"write+verify", kGuardedWriteBudget, [&] { return verifyWriter.Run().Succeeded(); }, {}},
        {"write+both", kBothGuardsBudget, [&] { return guardedWriter.Run().Succeeded(); }, {}},
    };

    std::unique_ptr<SerialPort> tuningPort = CreateRadioPort();
    ConfigureRadioPort(*tuningPort, tuningServer.DevicePath(), kServiceLineSettings);
    BenchTuningUi tuningUi;
    std::unique_ptr<TuningSession> tuning;
    transfers.push_back({"tune enter",
                         kTuningEnterBudget,
                         [&] {
                             tuning = std::make_unique<TuningSession>(*tuningPort, tuningUi);
                             return tuning->Enter() == TuningSession::EnterResult::Entered;
                         },
                         {}});
    transfers.push_back({"tune item",
                         kTuningStepsBudget,
                         [&] {
                             tuning->Select(5);
                             tuning->StartEditing();
                             for (int i = 1; i < kTuningSteps; ++i)
                                 tuning->Step(i % 2 == 0 ? 1 : -1);
                             const bool ok = tuning->Editing() &&
                                             tuning->View().value == tuning->Block().ItemValue(5) - 1;
                             tuning->Cancel();
                             tuning->Leave(); // CLOS, port closed: the next round enters afresh
                             return ok;
                         },
                         {}});
    std::unique_ptr<SerialPort> alignPort = CreateRadioPort();
    ConfigureRadioPort(*alignPort, tuningServer.DevicePath(), kServiceLineSettings);
    AlignmentSession aligner(*alignPort, ui);
    std::string alignment(128, '5');
    transfers.push_back(
        {"align read", kAlignReadBudget, [&] { return aligner.Read(alignment).Succeeded(); }, {}});
    transfers.push_back(
        {"align write", kAlignWriteBudget, [&] { return aligner.Write(alignment).Succeeded(); }, {}});
    bool allOk = true;
    for (int i = 0; i < rounds; ++i) {
        for (Transfer& t : transfers) {
            const Figures f = Measure(t.run);
            Print(t.name, f, t.budget);
            t.sum.wall += f.wall;
            t.sum.cpu += f.cpu;
            allOk = allOk && f.ok;
        }
    }
    std::printf("mean of %d rounds:\n", rounds);
    for (Transfer& t : transfers) {
        t.sum.ok = allOk;
        t.sum.wall /= rounds;
        t.sum.cpu /= rounds;
        Print(t.name, t.sum, t.budget);
    }

    allOk = RunFleetBench(rounds, ServeInChild) && allOk;

    std::error_code ec;
    std::filesystem::remove_all(dataHome, ec);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    kill(tuningChild, SIGTERM);
    waitpid(tuningChild, &status, 0);
    return allOk ? 0 : 1;
}
