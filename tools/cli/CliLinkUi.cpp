// Progress bar, log and question of a radio transfer on the terminal.
#include "tools/cli/CliLinkUi.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "app/LangText.h"
#include "link/PreWriteCheck.h"

void CliLinkUi::SetProgressRange(int low, int high)
{
    m_low = low;
    m_high = high > low ? high : low + 1;
}

void CliLinkUi::SetProgressPos(int pos)
{
    if (!::isatty(STDERR_FILENO)) // a bar only where a person watches it
        return;
    constexpr int kWidth = 40;
    const int span = m_high - m_low;
    const int done = (pos - m_low + 1) * kWidth / (span + 1);
    std::string bar(static_cast<std::size_t>(done < 0 ? 0 : done), '#');
    bar.resize(kWidth, '.');
    std::cerr << "\r[" << bar << "] " << pos << "/" << m_high << std::flush;
    m_progressShown = true;
}

void CliLinkUi::FinishProgress()
{
    if (m_progressShown)
        std::cerr << "\n";
    m_progressShown = false;
}

void CliLinkUi::ShowLog(const std::string& text)
{
    if (!m_printLog)
        return;
    if (text.size() < m_logPrinted) // the log was emptied
        m_logPrinted = 0;
    std::string fresh = text.substr(m_logPrinted);
    m_logPrinted = text.size();
    std::string out;
    for (char c : fresh)
        if (c != '\r')
            out += c;
    std::cout << out << std::flush;
}

void CliLinkUi::ReportMessage(int textNumber, const std::string& detail)
{
    m_lastText = textNumber;
    m_lastDetail = detail;
}

namespace {

bool SaysYes(const std::string& answer)
{
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "YES";
}

// The question on the terminal, answered there; No without a terminal, with the option that says Yes.
bool AskOnTerminal(const std::string& question, const char* yesOption)
{
    std::cerr << question << " [y/N] " << std::flush;
    if (!::isatty(STDIN_FILENO)) {
        // Nobody to ask: the question and its answer No stay visible, with the way to say Yes.
        std::cerr << "n (" << yesOption << ")\n";
        return false;
    }
    std::string answer;
    return std::getline(std::cin, answer) && SaysYes(answer);
}

} // namespace

bool CliLinkUi::AskYesNo(int textNumber)
{
    if (m_crossBandYes)
        return true;
    FinishProgress();
    return AskOnTerminal(GetLangText(textNumber), "--yes-cross-band");
}

bool CliLinkUi::AskWriteAnyway(const PreWriteCheck& check)
{
    FinishProgress();
    std::cerr << GetLangText(9620) << "\n" << DescribeWriteProblems(check) << "\n";
    if (m_forceWrite) {
        std::cerr << GetLangText(9621) << " y (--force)\n";
        return true;
    }
    return AskOnTerminal(GetLangText(9621), "--force");
}
