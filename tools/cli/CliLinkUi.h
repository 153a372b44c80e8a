// The command line as the window of a radio transfer: a progress bar on standard error, the exchange
// log on standard output (--log), numbered messages kept for the exit report, the cross-band question
// and the question about a code plug with problems.
#pragma once

#include <string>

#include "link/LinkUi.h"

class CliLinkUi : public LinkUi {
public:
    CliLinkUi(bool printLog, bool crossBandYes) : m_printLog(printLog), m_crossBandYes(crossBandYes) {}

    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int pos) override;
    void ShowLog(const std::string& text) override;
    void ReportMessage(int textNumber, const std::string& detail) override;
    bool AskYesNo(int textNumber) override;
    // Prints the problems on standard error; then --force answers Yes, a terminal is asked, and
    // without a terminal the answer is No.
    bool AskWriteAnyway(const PreWriteCheck& check) override;
    void SetForceWrite(bool force) { m_forceWrite = force; }
    void SetButtonEnabled(bool) override {}
    void SetWaitCursor(bool) override {}

    // Ends the progress line (if one was drawn).
    void FinishProgress();
    int LastText() const { return m_lastText; }
    const std::string& LastDetail() const { return m_lastDetail; }

private:
    bool m_printLog;
    bool m_crossBandYes;
    bool m_forceWrite = false;
    int m_low = 1;
    int m_high = 1;
    bool m_progressShown = false;
    std::size_t m_logPrinted = 0;
    int m_lastText = 0;
    std::string m_lastDetail;
};
