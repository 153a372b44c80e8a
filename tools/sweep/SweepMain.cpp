// vpxds-faultsweep: every fault of the simulated radio at every frame position of a code-plug read or
// write, one result line per case, and a summary of what the user would have been told.
//   vpxds-faultsweep [--op read|write] [--paced] [--pty] [--twice] [--positions A-B] [--slice I/N]
//   vpxds-faultsweep --summary < lines
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "tools/sweep/FaultSweep.h"

namespace {

struct Options {
    std::vector<SweepOp> ops{SweepOp::Read, SweepOp::Write};
    SweepLine line = SweepLine::InProcess;
    bool paced = false;
    bool twice = false;
    int first = 1;
    int last = 0; // 0: every position of the transfer
    int slice = 0;
    int slices = 1;
    bool summary = false;
};

bool ParseRange(const std::string& text, int& a, int& b, char separator)
{
    const std::size_t at = text.find(separator);
    if (at == std::string::npos)
        return false;
    try {
        a = std::stoi(text.substr(0, at));
        b = std::stoi(text.substr(at + 1));
    } catch (...) {
        return false;
    }
    return true;
}

int Usage()
{
    std::cerr
        << "usage: vpxds-faultsweep [--op read|write|tune] [--paced] [--pty] [--twice] [--positions A-B]\n"
           "                        [--slice I/N]\n"
           "       vpxds-faultsweep --summary < result-lines\n";
    return 2;
}

// Aggregates result lines: per transfer kind, how the cases ended.
int Summarise(std::istream& in)
{
    struct Row {
        int cases = 0, exact = 0, failed = 0, dataByte = 0, violations = 0;
        std::map<int, int> texts;
    };
    std::map<std::string, Row> rows;
    std::vector<std::string> violations;
    std::string lineText;
    while (std::getline(in, lineText)) {
        std::istringstream f(lineText);
        std::string op, line, pace, twice, fault, pos, outcome, text, verdict, data, frame;
        if (!(f >> op >> line >> pace >> twice >> fault >> pos >> outcome >> text >> verdict >> data >>
              frame))
            continue;
        Row& row = rows[op + " " + line + " " + pace + " " + twice];
        ++row.cases;
        const bool undetectable = verdict != "trusted" && data == "data-byte" && twice == "once";
        if (outcome == "ok" && verdict == "trusted")
            ++row.exact;
        else if (outcome != "ok" && verdict == "trusted") {
            ++row.failed;
            ++row.texts[std::stoi(text)];
        }
        if (undetectable)
            ++row.dataByte;
        else if (verdict != "trusted") {
            ++row.violations;
            violations.push_back(lineText);
        }
    }
    std::cout << "| Transfer | Cases | Exact success | Failed with its message | Wrong data byte, one read | "
                 "Violations |\n|---|---|---|---|---|---|\n";
    for (const auto& [name, row] : rows) {
        std::ostringstream texts;
        for (const auto& [t, n] : row.texts)
            texts << (texts.tellp() > 0 ? ", " : "") << t << ": " << n;
        std::cout << "| " << name << " | " << row.cases << " | " << row.exact << " | " << row.failed;
        if (row.failed > 0)
            std::cout << " (" << texts.str() << ")";
        std::cout << " | " << row.dataByte << " | " << row.violations << " |\n";
    }
    for (const std::string& v : violations)
        std::cout << "VIOLATION " << v << "\n";
    return violations.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--op" && (value == "read" || value == "write" || value == "tune")) {
            o.ops = {value == "read" ? SweepOp::Read : value == "write" ? SweepOp::Write : SweepOp::Tune};
            ++i;
        } else if (a == "--paced")
            o.paced = true;
        else if (a == "--pty")
            o.line = SweepLine::Pty;
        else if (a == "--twice")
            o.twice = true;
        else if (a == "--summary")
            o.summary = true;
        else if (a == "--positions" && ParseRange(value, o.first, o.last, '-'))
            ++i;
        else if (a == "--slice" && ParseRange(value, o.slice, o.slices, '/') && o.slices > 0 &&
                 o.slice >= 0 && o.slice < o.slices)
            ++i;
        else
            return Usage();
    }
    if (o.summary)
        return Summarise(std::cin);

    // Messages are counted by number; the texts themselves are not needed.
    InitAppState("/nonexistent-vpx-appdir");
    int index = 0;
    for (SweepOp op : o.ops) {
        const int last = o.last > 0 ? o.last : SweepFrameCount(op);
        for (int position = o.first; position <= last; ++position) {
            for (const SimFault& fault : SweepFaultsAt(position)) {
                if (index++ % o.slices != o.slice)
                    continue;
                SweepCase c;
                c.op = op;
                c.line = o.line;
                c.paced = o.paced;
                c.twice = o.twice && op == SweepOp::Read;
                c.fault = fault;
                std::cout << SweepResultLine(c, RunSweepCase(c)) << std::endl;
            }
        }
    }
    return 0;
}
