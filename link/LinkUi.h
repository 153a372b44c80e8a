// The window side of a radio transfer as the read, write and tuning procedures see it: progress,
// the exchange log, numbered messages, the cross-band question, the question about a code plug with
// problems and the state of the start button.
#pragma once

#include <string>

struct PreWriteCheck;

class LinkUi {
public:
    virtual ~LinkUi() = default;

    // Progress bar range and position (read: 1..16 by block, write: 1..52, dry run: 1..123).
    virtual void SetProgressRange(int low, int high) = 0;
    virtual void SetProgressPos(int pos) = 0;

    // The whole exchange-log text after every change; the window shows it, scrolls to its end and
    // repaints at once (a transfer blocks the event loop). Emptying happens in ExchangeLog.
    virtual void ShowLog(const std::string& text) = 0;

    // A numbered interface text that reports a failure (GetLangText(textNumber)). detail is empty
    // except for 3012, where it names the device, the system's reason and what the user can do.
    virtual void ReportMessage(int textNumber, const std::string& detail) = 0;

    // The message that ends a transfer that succeeded (3007, 3014), with what a write's guards add
    // (verified, the backup's path) as detail: a window shows it as news, not as an error. By default
    // the same as ReportMessage.
    virtual void ReportSuccess(int textNumber, const std::string& detail)
    {
        ReportMessage(textNumber, detail);
    }

    // Yes/No question of text textNumber (3019: write across bands?), caption 90006, question icon,
    // No as the default button. True for Yes.
    virtual bool AskYesNo(int textNumber) = 0;

    // A code plug about to be written has problems (check lists them, each with its channel): write
    // anyway? No is the default answer. True for Yes.
    virtual bool AskWriteAnyway(const PreWriteCheck& check) = 0;

    // The transfer's start button (Read 1006 / Write 1009).
    virtual void SetButtonEnabled(bool enabled) = 0;

    // Wait cursor for the length of a transfer.
    virtual void SetWaitCursor(bool on) = 0;
};

// A LinkUi that shows nothing: for exchanges without a window and as a base for test recorders.
class NullLinkUi : public LinkUi {
public:
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int) override {}
    void ShowLog(const std::string&) override {}
    void ReportMessage(int, const std::string&) override {}
    bool AskYesNo(int) override { return false; }
    // Nobody to ask: the programs without a window that use it (the benchmark, the fault sweep) write
    // the synthetic code plugs they were given.
    bool AskWriteAnyway(const PreWriteCheck&) override { return true; }
    void SetButtonEnabled(bool) override {}
    void SetWaitCursor(bool) override {}
};
