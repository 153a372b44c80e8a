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

std::string NestedReadUi::Message() const
{
    if (m_text == 0)
        return {};
    std::string message = GetLangText(m_text);
    if (!m_detail.empty())
        message += "\n" + m_detail;
    return message;
}
