// The window as a read inside a write sees it (the backup before, the read-back after): progress, log
// and button go to the write's window, the log continuing the write's own; the read's message is kept
// so that the write reports the failure once, in its own words.
#pragma once

#include <string>

#include "link/LinkUi.h"

class ExchangeLog;

// A reported message as the window shows it: the text, then its detail on a new line (when there is
// one); empty for text 0.
std::string ReportedMessage(int textNumber, const std::string& detail);

class NestedReadUi : public LinkUi {
public:
    // outerLog: the write's log, shown in front of the read's lines.
    NestedReadUi(LinkUi& outer, const ExchangeLog& outerLog) : m_outer(outer), m_outerLog(outerLog) {}

    void SetProgressRange(int low, int high) override { m_outer.SetProgressRange(low, high); }
    void SetProgressPos(int pos) override { m_outer.SetProgressPos(pos); }
    void ShowLog(const std::string& text) override;
    void ReportMessage(int textNumber, const std::string& detail) override;
    bool AskYesNo(int) override { return false; } // a read asks nothing
    bool AskWriteAnyway(const PreWriteCheck&) override { return false; }
    void SetButtonEnabled(bool enabled) override { m_outer.SetButtonEnabled(enabled); }
    void SetWaitCursor(bool) override {} // the write holds the cursor for the whole operation

    // The kept message as the window would have shown it: the text, then its detail on a new line;
    // empty when the read reported nothing.
    std::string Message() const;

private:
    LinkUi& m_outer;
    const ExchangeLog& m_outerLog;
    int m_text = 0;
    std::string m_detail;
};
