// The window side of a radio operation that the history records: everything goes on to the window (or
// terminal) as before; the message that ends the operation is kept for its row, and while the history
// cannot be kept that message says so below its own detail.
#pragma once

#include <string>

#include "link/LinkUi.h"

class HistoryLinkUi : public LinkUi {
public:
    explicit HistoryLinkUi(LinkUi& window) : m_window(window) {}

    // Before each operation: forgets the last message; note (empty while the history is kept) goes
    // below the message that ends the operation.
    void Begin(const std::string& note);
    // The message that ended the operation as the user saw it (without the note): the text, then its
    // detail on a new line; empty when none was shown.
    std::string Message() const;
    // True when the note went out with a message.
    bool NoteShown() const { return m_noteShown; }

    void SetProgressRange(int low, int high) override { m_window.SetProgressRange(low, high); }
    void SetProgressPos(int pos) override { m_window.SetProgressPos(pos); }
    void ShowLog(const std::string& text) override { m_window.ShowLog(text); }
    void ReportMessage(int textNumber, const std::string& detail) override;
    void ReportSuccess(int textNumber, const std::string& detail) override;
    bool AskYesNo(int textNumber) override { return m_window.AskYesNo(textNumber); }
    bool AskWriteAnyway(const PreWriteCheck& check) override { return m_window.AskWriteAnyway(check); }
    void SetButtonEnabled(bool enabled) override { m_window.SetButtonEnabled(enabled); }
    void SetWaitCursor(bool on) override { m_window.SetWaitCursor(on); }

private:
    // Keeps the message and returns the detail to show.
    std::string Keep(int textNumber, const std::string& detail);

    LinkUi& m_window;
    std::string m_note;
    int m_text = 0;
    std::string m_detail;
    bool m_noteShown = false;
};
