// Keeps the rows of one radio operation in the history: opens the history before the operation starts
// and adds the operation's rows when it has ended. A history that cannot be opened or written never
// stops the operation; Note() then says so, for the operation's message.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryRecord.h"
#include "history/HistoryStore.h"

class HistoryLinkUi;

class HistoryRecorder {
public:
    // path: the history file (HistoryStore::DefaultPath() in the programs); the backup folder is
    // imported the first time.
    explicit HistoryRecorder(const std::string& path = HistoryStore::DefaultPath());

    // Empty while the history is kept; else text 9710 with the file and the reason.
    const std::string& Note() const { return m_note; }

    // Adds the rows with the time now and the port, in one transaction. False (and Note() set) when
    // they could not be kept.
    bool Record(std::vector<HistoryRecord> rows, const std::string& port);

    // Record for a window: the note still to be told when the rows could not be kept and the message
    // that ended the operation (through ui) did not say so already; empty otherwise.
    std::string Keep(std::vector<HistoryRecord> rows, const std::string& port, const HistoryLinkUi& ui);

private:
    void SetNote(const std::string& reason);

    HistoryStore m_store;
    std::string m_note;
};
