// One radio a fleet run handled: which radio (serial number, hardware, firmware), on which port, from
// when to when, and how it ended; and the run's list of them as CSV text.
#pragma once

#include <ctime>
#include <string>
#include <vector>

enum class FleetResult {
    Programmed, // written, read back and verified
    Refused,    // another model or band than the file's: nothing written
    Failed,     // something went wrong (the message says what); the radio may be partly written
    Repeated,   // handled earlier in this run: not taken again
};
inline constexpr int kFleetResultCount = 4;

struct FleetRadio {
    int portIndex = 0;
    std::string port;     // as the user named it
    std::string serial;   // "" when it could not be read
    std::string hardware;
    std::string firmware;
    std::string model;
    std::string band;
    std::time_t start = 0; // wall-clock time, seconds since the epoch
    std::time_t end = 0;
    double seconds = 0;    // on the line's clock, from the radio's first answer to its last row
    FleetResult result = FleetResult::Failed;
    std::string message;  // what the user was told, on one line
};

// "programmed", "refused", "failed", "repeated": the words of the log file and of standard error.
const char* FleetResultName(FleetResult result);

// The log file: a header line, then one row per radio (serial, hardware, firmware, port, start, end,
// result, message), fields quoted where they need it, times in local ISO 8601.
std::string FleetCsv(const std::vector<FleetRadio>& radios);
// Saves it atomically; false with error set when it could not be written.
bool SaveFleetCsv(const std::string& path, const std::vector<FleetRadio>& radios, std::string& error);

// The message as one line: line breaks become "; ".
std::string OneLine(const std::string& text);
