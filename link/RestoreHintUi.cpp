// Failure messages of a write that kept a backup name the file that restores the radio.
#include "link/RestoreHintUi.h"

#include "app/LangText.h"

namespace {
constexpr int kTextRestoreFrom = 9554; // "The radio's previous code plug is saved in %1. ..."
}

void RestoreHintUi::ReportMessage(int textNumber, const std::string& detail)
{
    if (m_backupPath.empty()) {
        m_outer.ReportMessage(textNumber, detail);
        return;
    }
    const std::string hint = GetLangTextWith(kTextRestoreFrom, {m_backupPath});
    m_outer.ReportMessage(textNumber, detail.empty() ? hint : detail + "\n\n" + hint);
}
