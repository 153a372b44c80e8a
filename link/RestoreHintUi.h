// The window of a write as the write sees it once a backup of the radio is kept: every failure message
// from then on also names the backup file, which restores the radio that the failed write may have left
// half written.
#pragma once

#include <string>

#include "link/LinkUi.h"

class RestoreHintUi : public LinkUi {
public:
    explicit RestoreHintUi(LinkUi& outer) : m_outer(outer) {}

    // The backup file of this write ("" while there is none).
    void SetBackupPath(const std::string& path) { m_backupPath = path; }
    const std::string& BackupPath() const { return m_backupPath; }

    void SetProgressRange(int low, int high) override { m_outer.SetProgressRange(low, high); }
    void SetProgressPos(int pos) override { m_outer.SetProgressPos(pos); }
    void ShowLog(const std::string& text) override { m_outer.ShowLog(text); }
    // The detail gets the sentence that names the backup as its last paragraph.
    void ReportMessage(int textNumber, const std::string& detail) override;
    void ReportSuccess(int textNumber, const std::string& detail) override
    {
        m_outer.ReportSuccess(textNumber, detail);
    }
    bool AskYesNo(int textNumber) override { return m_outer.AskYesNo(textNumber); }
    bool AskWriteAnyway(const PreWriteCheck& check) override { return m_outer.AskWriteAnyway(check); }
    void SetButtonEnabled(bool enabled) override { m_outer.SetButtonEnabled(enabled); }
    void SetWaitCursor(bool on) override { m_outer.SetWaitCursor(on); }

private:
    LinkUi& m_outer;
    std::string m_backupPath;
};
