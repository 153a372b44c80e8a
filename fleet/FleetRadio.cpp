// Result names and the CSV log of a fleet run.
#include "fleet/FleetRadio.h"

#include <cerrno>
#include <cstring>

#include "app/AtomicFile.h"
#include "history/HistoryRecord.h"

namespace {

const char* const kResultNames[kFleetResultCount] = {"programmed", "refused", "failed", "repeated"};

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace

const char* FleetResultName(FleetResult result) { return kResultNames[static_cast<int>(result)]; }

std::string OneLine(const std::string& text)
{
    // Line breaks in a row (the blank line between a message's paragraphs) make one separator.
    std::string out;
    bool broken = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            broken = !out.empty();
            continue;
        }
        if (broken)
            out += "; ";
        broken = false;
        out += c;
    }
    return out;
}

std::string FleetCsv(const std::vector<FleetRadio>& radios)
{
    std::string out = "serial,hardware,firmware,port,start,end,result,message\r\n";
    for (const FleetRadio& r : radios) {
        const std::string fields[] = {r.serial, r.hardware, r.firmware, r.port, HistoryTimeIso(r.start),
                                      HistoryTimeIso(r.end), FleetResultName(r.result), OneLine(r.message)};
        bool first = true;
        for (const std::string& f : fields) {
            if (!first)
                out += ',';
            first = false;
            out += CsvField(f);
        }
        out += "\r\n";
    }
    return out;
}

bool SaveFleetCsv(const std::string& path, const std::vector<FleetRadio>& radios, std::string& error)
{
    if (WriteFileAtomically(path, FleetCsv(radios)))
        return true;
    error = path + ": " + std::strerror(errno != 0 ? errno : EIO);
    return false;
}
