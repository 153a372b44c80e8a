// Recording window and simulated radio of the link tests.
#include "LinkTestSupport.h"

#include "app/AppState.h"
#include "app/LangText.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

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

bool HangUpTerminal(const std::string& devicePath)
{
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return false;
    const bool done = ::ioctl(fd, TIOCVHANGUP) == 0;
    ::close(fd);
    return done;
}

void AddReadTrouble(SimulatedRadio& radio)
{
    radio.AddFault(Stray("06", 1, SimStray::Where::After, std::vector<std::uint8_t>(30, 0x06), 30));
    radio.AddFault(Stray("52", 5, SimStray::Where::After, {0x06}, 30));
    radio.AddFault(Stray("02", 1, SimStray::Where::Before, {0x54, 0x51, 0x39, 0x35}));
    radio.AddFault(Stray("52", 9, SimStray::Where::Inside, {0x52}));
}
