// Messages of a recorded radio operation: kept for the history, the history's note added.
#include "history/HistoryLinkUi.h"

#include "link/NestedReadUi.h"

void HistoryLinkUi::Begin(const std::string& note)
{
    m_note = note;
    m_text = 0;
    m_detail.clear();
    m_noteShown = false;
}

std::string HistoryLinkUi::Message() const { return ReportedMessage(m_text, m_detail); }

std::string HistoryLinkUi::Keep(int textNumber, const std::string& detail)
{
    m_text = textNumber;
    m_detail = detail;
    if (m_note.empty())
        return detail;
    m_noteShown = true;
    return detail.empty() ? m_note : detail + "\n\n" + m_note;
}

void HistoryLinkUi::ReportMessage(int textNumber, const std::string& detail)
{
    m_window.ReportMessage(textNumber, Keep(textNumber, detail));
}

void HistoryLinkUi::ReportSuccess(int textNumber, const std::string& detail)
{
    m_window.ReportSuccess(textNumber, Keep(textNumber, detail));
}
