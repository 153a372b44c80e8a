// Temporary application directory, recording window and simulated radio of the link tests.
#include "LinkTestSupport.h"

#include <fstream>
#include <random>
#include <sstream>

#include "app/AppState.h"
#include "app/LangText.h"

LinkAppDir::LinkAppDir() : m_oldDir(g_strAppDir), m_oldServiceView(g_bServiceView), m_oldModel(g_strModel)
{
    std::random_device rd;
    m_dir =
        std::filesystem::temp_directory_path() / ("vpx-link-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_dir);
    g_strAppDir = m_dir.string();
    ResetLangTextCache();
}

LinkAppDir::~LinkAppDir()
{
    g_strAppDir = m_oldDir;
    g_bServiceView = m_oldServiceView;
    g_strModel = m_oldModel;
    ResetLangTextCache();
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
}

void LinkAppDir::WriteFile(const std::string& name, const std::string& text) const
{
    std::ofstream out(m_dir / name, std::ios::binary | std::ios::trunc);
    out << text;
}

void RecordingUi::SetProgressRange(int l, int h)
{
    low = l;
    high = h;
}

void RecordingUi::ReportMessage(int textNumber, const std::string& detail)
{
    messages.push_back(textNumber);
    details.push_back(detail);
}

bool RecordingUi::AskYesNo(int textNumber)
{
    questions.push_back(textNumber);
    return answer;
}

std::vector<std::string> RecordingUi::SentFrames() const
{
    std::vector<std::string> out;
    std::istringstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("S:", 0) == 0)
            out.push_back(line.substr(2));
    }
    return out;
}

int RecordingUi::CountLines(const std::string& prefix) const
{
    int n = 0;
    std::istringstream in(log);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0)
            ++n;
    return n;
}

SimBench::SimBench() : port(radio)
{
    std::string error;
    port.Open(error);
}
