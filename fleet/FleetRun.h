// The coordinator of a fleet run: the code plug every port writes (a copy taken at the start), how
// many radios are wanted, which radios (by serial number) were handled, how many are programmed or in
// progress, the stop request, the history and the list of radios. Everything the ports share is here,
// behind one mutex; the stop request is an atomic flag that a signal handler may set.
#pragma once

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"
#include "fleet/FleetRadio.h"
#include "history/HistoryRecord.h"

class HistoryRecorder;

class FleetRun {
public:
    // history: where the rows go (opened by the caller's thread; null: none kept). The run is named in
    // every row by the time it started.
    FleetRun(const CodePlug& plug, int count, HistoryRecorder* history);

    const CodePlug& Plug() const { return m_plug; } // never changed: read by every port
    int Count() const { return m_count; }
    const std::string& Id() const { return m_id; }

    // What a port does with a radio that answered and gave its serial number.
    enum class Admission {
        Take,          // write it: it counts as in progress until EndRadio
        Refuse,        // another model or band (acceptable false): record it, do not write
        RepeatedFirst, // handled earlier in this run: record that once
        RepeatedAgain, // ... and recorded already: nothing to do but wait for it to be unplugged
        AllBusy,       // enough radios are programmed or in progress: leave it for now
        Over,          // the run is over
    };
    // A radio without a serial number cannot be told from another: it is never taken as repeated.
    Admission Admit(const std::string& serial, bool acceptable);
    // A radio taken is done: programmed and verified, or not.
    void EndRadio(bool programmed);

    // Over once Count() radios are programmed, or once a stop was requested.
    bool Over() const;
    bool AllBusy() const;
    int Programmed() const;
    void RequestStop() { m_stop.store(true); }
    bool StopRequested() const { return m_stop.load(); }

    // Keeps a radio's rows in the history (under this run's name, with the port) and the radio in the
    // list; when the history could not keep them, the radio's message says so.
    void Record(std::vector<HistoryRecord> rows, FleetRadio& radio);
    std::vector<FleetRadio> Radios() const;

private:
    const CodePlug m_plug;
    const int m_count;
    std::string m_id;
    HistoryRecorder* m_history;
    mutable std::mutex m_mutex;
    std::atomic<bool> m_stop{false};
    int m_programmed = 0;
    int m_inProgress = 0;
    std::set<std::string> m_handled;
    std::set<std::string> m_repeatRecorded;
    std::vector<FleetRadio> m_radios;
};
