// vpxds-faultsweep: every trouble of the fault sweep at every frame position of the radio functions on
// virtual time, one result line per case, and a summary of what the user would have been told.
//   vpxds-faultsweep [--op NAME]... [--line paced-bytes|paced-burst|unpaced-bytes] [--scope full|sample]
//                    [--positions A-B] [--slice I/N] [--case NAME (only these, with their exchange logs)]
//   vpxds-faultsweep --summary < lines
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/Startup.h"
#include "tools/sweep/FaultSweep.h"

namespace {

struct Options {
    std::vector<SweepOp> ops;
    SweepLine line;
    SweepScope scope = SweepScope::Full;
    int first = 1;
    int last = 0; // 0: every position of the function
    int slice = 0;
    int slices = 1;
    bool summary = false;
    std::string only; // --case NAME: only the cases of this name, with their exchange logs
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

bool ParseLine(const std::string& text, SweepLine& line)
{
    if (text != "paced-bytes" && text != "paced-burst" && text != "unpaced-bytes" && text != "unpaced-burst")
        return false;
    line.paced = text.rfind("paced", 0) == 0;
    line.delivery = text.find("burst") != std::string::npos ? SimLine::Delivery::WholeReply : SimLine::Delivery::Bytes;
    return true;
}

int Usage()
{
    std::cerr << "usage: vpxds-faultsweep [--op read|read-twice|write|write-backup|write-verify|tune|align-read|"
                 "align-write]...\n"
                 "                        [--line paced-bytes|paced-burst|unpaced-bytes|unpaced-burst]\n"
                 "                        [--scope full|sample] [--positions A-B] [--slice I/N] [--case NAME]\n"
                 "       vpxds-faultsweep --summary < result-lines\n";
    return 2;
}

// Aggregates result lines: per function and line, how the cases ended.
int Summarise(std::istream& in)
{
    struct Row {
        long cases = 0, exact = 0, failed = 0, dataByte = 0, violations = 0;
        std::map<int, long> texts;
    };
    std::map<std::string, Row> rows;
    std::vector<std::string> violations;
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream f(text);
        std::string op, line, position, fault, outcome, number, verdict, data;
        if (!(f >> op >> line >> position >> fault >> outcome >> number >> verdict >> data))
            continue;
        Row& row = rows[op + " " + line];
        ++row.cases;
        if (verdict != "trusted") {
            ++row.violations;
            violations.push_back(text);
        } else if (data == "data-byte" && outcome == "ok") {
            ++row.dataByte;
        } else if (outcome == "ok") {
            ++row.exact;
        } else {
            ++row.failed;
            ++row.texts[std::stoi(number)];
        }
    }
    std::cout << "| Function | Line | Cases | Exact success | Failed with its true message | Wrong data byte, "
                 "one read | Violations |\n|---|---|---|---|---|---|---|\n";
    for (const auto& [name, row] : rows) {
        std::ostringstream texts;
        for (const auto& [t, n] : row.texts)
            texts << (texts.tellp() > 0 ? ", " : "") << t << ": " << n;
        const std::size_t space = name.find(' ');
        std::cout << "| " << name.substr(0, space) << " | " << name.substr(space + 1) << " | " << row.cases << " | "
                  << row.exact << " | " << row.failed;
        if (row.failed > 0)
            std::cout << " (" << texts.str() << ")";
        std::cout << " | " << row.dataByte << " | " << row.violations << " |\n";
    }
    for (const std::string& v : violations)
        std::cout << "VIOLATION " << v << "\n";
    return violations.empty() ? 0 : 1;
}

// The interface texts beside the program (the build copies them there), in a scratch application
// directory of its own: the judgement reads what a message says.
void LoadTexts(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vpx-faultsweep-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir, ec);
    std::filesystem::copy_file(exe.parent_path() / "language.sys", dir / "language.sys",
                               std::filesystem::copy_options::overwrite_existing, ec);
    InitAppState(dir.string());
    std::filesystem::remove_all(dir, ec);
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        SweepOp op;
        if (a == "--op" && SweepOpFromName(value, op)) {
            o.ops.push_back(op);
            ++i;
        } else if (a == "--line" && ParseLine(value, o.line))
            ++i;
        else if (a == "--scope" && (value == "full" || value == "sample")) {
            o.scope = value == "full" ? SweepScope::Full : SweepScope::Sample;
            ++i;
        } else if (a == "--summary")
            o.summary = true;
        else if (a == "--case" && !value.empty()) {
            o.only = value;
            ++i;
        } else if (a == "--positions" && ParseRange(value, o.first, o.last, '-'))
            ++i;
        else if (a == "--slice" && ParseRange(value, o.slice, o.slices, '/') && o.slices > 0 && o.slice >= 0 &&
                 o.slice < o.slices)
            ++i;
        else
            return Usage();
    }
    if (o.summary)
        return Summarise(std::cin);
    if (o.ops.empty())
        o.ops = {SweepOp::Read,        SweepOp::ReadTwice, SweepOp::Write,     SweepOp::WriteBackup,
                 SweepOp::WriteVerify, SweepOp::Tune,      SweepOp::AlignRead, SweepOp::AlignWrite};

    LoadTexts(argv[0]);
    g_bServiceView = !o.only.empty(); // the logs then hold every exchange
    long index = 0;
    for (SweepOp op : o.ops) {
        const int last = o.last > 0 ? std::min(o.last, SweepFrameCount(op)) : SweepFrameCount(op);
        for (int position = o.first; position <= last; ++position)
            for (SweepCase c : SweepCasesAt(op, position, o.scope)) {
                if (index++ % o.slices != o.slice || (!o.only.empty() && c.name != o.only))
                    continue;
                c.line = o.line;
                const SweepResult r = RunSweepCase(c);
                std::cout << SweepResultLine(c, r) << '\n';
                if (!o.only.empty())
                    std::cout << r.log << '\n';
            }
    }
    return 0;
}
