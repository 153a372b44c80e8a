// Recording a radio operation's rows, with the note for a history that cannot be kept.
#include "history/HistoryRecorder.h"

#include "codeplug/BackupFolder.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryTexts.h"

HistoryRecorder::HistoryRecorder(const std::string& path)
{
    if (!m_store.Open(path, BackupFolderPath()))
        SetNote(m_store.Error());
}

void HistoryRecorder::SetNote(const std::string& reason) { m_note = NotKeptText(m_store.Path(), reason); }

bool HistoryRecorder::Record(std::vector<HistoryRecord> rows, const std::string& port)
{
    if (rows.empty())
        return true;
    if (!m_note.empty())
        return false;
    const std::time_t now = std::time(nullptr);
    for (HistoryRecord& row : rows) {
        row.time = now;
        row.port = port;
    }
    if (m_store.Add(rows))
        return true;
    SetNote(m_store.Error());
    return false;
}

std::string HistoryRecorder::Keep(std::vector<HistoryRecord> rows, const std::string& port,
                                  const HistoryLinkUi& ui)
{
    if (Record(std::move(rows), port) || ui.NoteShown())
        return {};
    return m_note;
}
