// The exchange log of a radio window and its emptying rule.
#include "link/ExchangeLog.h"

#include "link/LinkUi.h"

void ExchangeLog::Append(const std::string& text)
{
    m_text += text;
    Show();
}

void ExchangeLog::Show() const
{
    if (m_ui)
        m_ui->ShowLog(m_text);
}

void ExchangeLog::EmptyIfFull()
{
    if (m_text.size() >= kEmptyAt)
        Clear();
}

void ExchangeLog::Clear()
{
    m_text.clear();
    Show();
}
