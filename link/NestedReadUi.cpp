// A read inside a write: its window calls forwarded, its message kept.
#include "link/NestedReadUi.h"

#include "app/LangText.h"
#include "link/ExchangeLog.h"

void NestedReadUi::ShowLog(const std::string& text) { m_outer.ShowLog(m_outerLog.Text() + text); }

void NestedReadUi::ReportMessage(int textNumber, const std::string& detail)
{
    m_text = textNumber;
    m_detail = detail;
}

std::string ReportedMessage(int textNumber, const std::string& detail)
{
    if (textNumber == 0)
        return {};
    std::string message = GetLangText(textNumber);
    if (!detail.empty())
        message += "\n" + detail;
    return message;
}

std::string NestedReadUi::Message() const { return ReportedMessage(m_text, m_detail); }
