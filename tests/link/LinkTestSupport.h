// Shared pieces of the radio-link tests: a temporary application directory, a window stand-in that
// records what a transfer showed, and a simulated radio on an in-process port.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "link/LinkUi.h"
#include "link/PreWriteCheck.h"
#include "link/PtyRadioServer.h"
#include "tests/support/TestAppDir.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"

// Points g_strAppDir at a fresh directory (restored with the service-view flag and the model code).
class LinkAppDir : public TestAppDir {
public:
    LinkAppDir() : TestAppDir("vpx-link-", Texts::Project) {}
};

// Records every call a transfer makes on its window.
class RecordingUi : public LinkUi {
public:
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int pos) override { positions.push_back(pos); }
    void ShowLog(const std::string& text) override
    {
        log = text;
        ++logShows;
    }
    void ReportMessage(int textNumber, const std::string& detail) override;
    bool AskYesNo(int textNumber) override;
    bool AskWriteAnyway(const PreWriteCheck& check) override
    {
        writeChecks.push_back(check);
        return writeAnyway;
    }
    void SetButtonEnabled(bool enabled) override { buttonEnabled = enabled; }
    void SetWaitCursor(bool on) override
    {
        waitCursor = on;
        ++cursorChanges;
    }

    // "S:" lines of the log, without the prefix.
    std::vector<std::string> SentFrames() const;
    int CountLines(const std::string& prefix) const;

    int low = 0;
    int high = 0;
    std::vector<int> positions;
    std::string log;
    int logShows = 0;
    std::vector<int> messages;
    std::vector<std::string> details;
    std::vector<int> questions;
    bool answer = false;
    std::vector<PreWriteCheck> writeChecks; // the code plugs with problems that a write asked about
    bool writeAnyway = true;
    bool buttonEnabled = true;
    bool waitCursor = false;
    int cursorChanges = 0;
};

// A simulated radio on an open in-process port.
struct SimBench {
    SimBench();
    SimulatedRadio radio;
    SimulatedPort port;
};

// Hangs the terminal up as an unplugged adapter does (it then polls readable with nothing to read).
// False where this process may not do that.
bool HangUpTerminal(const std::string& devicePath);

// The simulated radio on a pseudo-terminal, served by a thread from Start() to the end of the object.
class PtyRadio {
public:
    explicit PtyRadio(bool paced = false)
    {
        server.SetPaced(paced);
        std::string error;
        ok = server.Open(error);
        if (!ok)
            openError = error;
    }
    void Start()
    {
        thread = std::thread([this] { server.Serve(stop); });
    }
    ~PtyRadio()
    {
        stop = true;
        if (thread.joinable())
            thread.join();
    }
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    PtyRadioServer server;
    std::atomic<bool> stop{false};
    std::thread thread;
    bool ok = false;
    std::string openError;
};

// Stray bytes with the reply to the frame-th frame (beginning with prefix; empty: any), where says:
// before it, inside it (after `index` of its bytes) or delayMs after its last byte.
inline SimFault Stray(const std::string& prefix, int frame, SimStray::Where where, std::vector<std::uint8_t> bytes,
                      int delayMs = 0, std::size_t index = 10)
{
    SimFault f;
    f.kind = SimFault::Kind::Stray;
    f.prefix = prefix;
    f.frame = frame;
    f.stray.where = where;
    f.stray.delayMs = delayMs;
    f.stray.index = index;
    f.stray.bytes = std::move(bytes);
    return f;
}

// The trouble a USB adapter, a noisy cable and a slow radio make on a read: a burst of 30 stray 06
// 30 ms after the handshake's acknowledge (when the first block request goes out), a stray byte 30 ms
// after a block reply, an identity look-alike in front of the identity, a stray byte inside a block.
void AddReadTrouble(SimulatedRadio& radio);

// A fault of the simulated radio on frames beginning with prefix (empty: any): the frame-th such
// frame and count frames in a row from there (0: all).
inline SimFault Fault(SimFault::Kind kind, const std::string& prefix, int frame, int count = 1)
{
    SimFault f;
    f.kind = kind;
    f.prefix = prefix;
    f.frame = frame;
    f.count = count;
    return f;
}
