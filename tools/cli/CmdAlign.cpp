// vpxds-cli align: the alignment-data window on the terminal. Reads the radio's alignment block into a
// .dts file, writes a file into the radio, shows a file's two tables and exports its parameters.
#include <iostream>
#include <sstream>

#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/HexText.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryRecorder.h"
#include "history/SessionRows.h"
#include "link/PortNames.h"
#include "link/RadioPort.h"
#include "link/ServiceAccess.h"
#include "service/AlignmentExport.h"
#include "service/AlignmentFile.h"
#include "service/AlignmentSession.h"
#include "service/AlignmentTables.h"
#include "tools/cli/CliLinkUi.h"
#include "tools/cli/Commands.h"
#include "tools/cli/JsonText.h"

namespace {

constexpr int kTextServiceLocked = 9643;

const char* kAlignUsage =
    "usage: vpxds-cli align read --port PORT OUT.dts [--log] [--service-code CODE]\n"
    "       vpxds-cli align write IN.dts --port PORT [--log] [--service-code CODE]\n"
    "       vpxds-cli align show IN.dts [--json]\n"
    "       vpxds-cli align export IN.dts OUT.xlsx\n"
    "The radio's 64-byte alignment block (service functions): read saves it as an alignment data\n"
    "file (OUT.dts is left untouched when the read fails); write sends a file's block to the radio\n"
    "exactly as the file holds it; show prints the frequency and parameter tables as the alignment\n"
    "data window shows them; export writes the parameters to a workbook (.xlsx) with the sheet\n"
    "AdjustData, and refuses a workbook that holds other sheets. IN may also be a code plug read from\n"
    "the radio (a backup made before a write): its alignment block is taken.\n"
    "read and write need the service functions unlocked, as the window does: the marker file in the\n"
    "application directory, or the service code given with --service-code CODE; otherwise they end\n"
    "with exit code 2 and send nothing.\n"
    "PORT as for read and write (a device path, com1..com16 or 'simulator'); the line runs at\n"
    "9600,n,8,1. --log prints the exchange log. Exit code 0 only on success; failures print\n"
    "'error N: text'.\n";

struct AlignArgs {
    std::string port;
    std::string serviceCode;
    bool serviceCodeGiven = false;
    std::vector<std::string> files;
    bool log = false;
    bool json = false;
    bool help = false;
    std::string error;
};

AlignArgs ParseAlignArgs(const CliArgs& args)
{
    AlignArgs a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            a.help = true;
        else if (arg == "--log")
            a.log = true;
        else if (arg == "--json")
            a.json = true;
        else if (arg == "--port" && i + 1 < args.size())
            a.port = args[++i];
        else if (arg.rfind("--port=", 0) == 0)
            a.port = arg.substr(7);
        else if (arg == "--service-code" && i + 1 < args.size()) {
            a.serviceCode = args[++i];
            a.serviceCodeGiven = true;
        } else if (!arg.empty() && arg[0] == '-')
            a.error = "unknown option " + arg;
        else
            a.files.push_back(arg);
    }
    return a;
}

int AlignUsageError(const std::string& why)
{
    std::cerr << "vpxds-cli align: " << why << "\n" << kAlignUsage;
    return 2;
}

std::string Text(int number) { return GetLangText(number); }

// The service functions' lock, as the window keeps it: unlocked by the marker file, or by the service
// code checked with the service-code window's rule. 0, or the exit code of the refusal.
int CheckServiceLock(const AlignArgs& a)
{
    if (a.serviceCodeGiven && !IsServiceAccessCode(a.serviceCode)) {
        CliFail(kTextWrongServiceCode);
        return 2;
    }
    if (!g_bTestEnabled && !a.serviceCodeGiven) {
        CliFail(kTextServiceLocked);
        return 2;
    }
    return 0;
}

// A session on the named port with the service line settings; the result's message is kept by ui.
// The operation is recorded in the radio history with block, the data read or written. disturbed
// (optional) tells whether a write had to be read back because its line was disturbed.
template <typename Run>
AlignmentResult RunOnPort(const AlignArgs& a, CliLinkUi& ui, HistoryOp op, const std::string& block, Run run,
                          bool* disturbed = nullptr)
{
    if (a.log)
        g_bServiceView = true;
    HistoryLinkUi recorded(ui);
    RadioPort port(&MakeDevicePort);
    ConfigureRadioPort(port, a.port, kServiceLineSettings);
    AlignmentSession session(port, recorded);
    HistoryRecorder history;
    const AlignmentResult result = run(session);
    ui.FinishProgress();
    if (disturbed)
        *disturbed = session.Disturbed();
    history.Record(AlignmentRows(op, result, session.Identity(), block, recorded.Message()),
                   HistoryPortLabel(a.port, port));
    WarnHistoryNotKept(history);
    return result;
}

int AlignRead(const AlignArgs& a)
{
    if (a.port.empty() || a.files.size() != 1)
        return AlignUsageError("read needs --port PORT and one OUT.dts");
    if (const int locked = CheckServiceLock(a); locked != 0)
        return locked;
    CliLinkUi ui(a.log, false);
    std::string data;
    const AlignmentResult result = RunOnPort(a, ui, HistoryOp::AlignRead, data, [&](AlignmentSession& s) { return s.Read(data); });
    if (!result.Succeeded())
        return CliFail(result.textNumber, ui.LastDetail());
    if (const int rc = SaveAlignmentFile(a.files[0], data); rc != 0)
        return CliFail(rc, a.files[0]);
    std::cerr << Text(9530) << "\n";
    return 0;
}

int AlignWrite(const AlignArgs& a)
{
    if (a.port.empty() || a.files.size() != 1)
        return AlignUsageError("write needs one IN.dts and --port PORT");
    if (const int locked = CheckServiceLock(a); locked != 0)
        return locked;
    std::string data;
    if (const int rc = LoadAlignmentFile(a.files[0], data); rc != 0)
        return CliFail(rc, a.files[0]);
    CliLinkUi ui(a.log, false);
    bool disturbed = false;
    const AlignmentResult result = RunOnPort(
        a, ui, HistoryOp::AlignWrite, data, [&](AlignmentSession& s) { return s.Write(data); }, &disturbed);
    if (!result.Succeeded())
        return CliFail(result.textNumber, ui.LastDetail());
    std::cerr << Text(9531) << "\n";
    if (disturbed)
        std::cerr << Text(9603) << "\n";
    return 0;
}

void PrintTablesText(const AlignmentTables& t)
{
    std::ostringstream out;
    out << Text(6844) << "\n" << Text(FreqRowLabel(0)) << "\t" << Text(5002) << "\t" << Text(5003) << "\n";
    for (int row = 1; row <= kFreqRows; ++row)
        out << Text(FreqRowLabel(row)) << "\t" << TrimBlanks(t.FreqText(row, 1)) << "\t"
            << TrimBlanks(t.FreqText(row, 2)) << "\n";
    out << "\n" << Text(ParamRowLabel(0)) << "\n";
    for (int row = 1; row <= kParamRows; ++row) {
        const auto headings = ParamHeadings(LayoutForRow(row));
        out << Text(ParamRowLabel(row));
        for (int col = 1; col <= ParamRowColumns(row); ++col)
            out << "\t" << Text(headings[static_cast<std::size_t>(col - 1)]) << "=" << t.ParamText(row, col);
        out << "\n";
    }
    std::cout << out.str();
}

void PrintTablesJson(const std::string& path, const std::string& data, const AlignmentTables& t)
{
    std::ostringstream out;
    out << "{\n  \"file\": " << JsonString(path) << ",\n  \"data\": " << JsonString(data) << ",\n";
    out << "  \"frequencies\": [\n";
    for (int row = 1; row <= kFreqRows; ++row)
        out << "    {\"row\": " << JsonString(Text(FreqRowLabel(row)))
            << ", \"rx\": " << JsonString(TrimBlanks(t.FreqText(row, 1)))
            << ", \"tx\": " << JsonString(TrimBlanks(t.FreqText(row, 2))) << "}"
            << (row < kFreqRows ? ",\n" : "\n");
    out << "  ],\n  \"parameters\": [\n";
    for (int row = 1; row <= kParamRows; ++row) {
        const auto headings = ParamHeadings(LayoutForRow(row));
        std::string names;
        std::string values;
        for (int col = 1; col <= ParamRowColumns(row); ++col) {
            if (col > 1) { // appended piece by piece (GCC 12 -Wrestrict at -O3)
                names += ", ";
                values += ", ";
            }
            names += JsonString(Text(headings[static_cast<std::size_t>(col - 1)]));
            values += t.ParamText(row, col);
        }
        out << "    {\"row\": " << JsonString(Text(ParamRowLabel(row))) << ", \"headings\": [" << names
            << "], \"values\": [" << values << "]}" << (row < kParamRows ? ",\n" : "\n");
    }
    out << "  ]\n}\n";
    std::cout << out.str();
}

// Shows the file IN.dts (the first of files files) in tables: 0, or the exit code of the failure.
int LoadTables(const AlignArgs& a, std::size_t files, const char* usage, std::string& data,
               AlignmentTables& tables)
{
    if (a.files.size() != files)
        return AlignUsageError(usage);
    if (const int rc = LoadAlignmentFile(a.files[0], data); rc != 0)
        return CliFail(rc, a.files[0]);
    tables.Fill(data);
    return 0;
}

int AlignShow(const AlignArgs& a)
{
    std::string data;
    AlignmentTables tables;
    if (const int rc = LoadTables(a, 1, "show needs one IN.dts", data, tables); rc != 0)
        return rc;
    if (a.json)
        PrintTablesJson(a.files[0], data, tables);
    else
        PrintTablesText(tables);
    return 0;
}

int AlignExport(const AlignArgs& a)
{
    std::string data;
    AlignmentTables tables;
    if (const int rc = LoadTables(a, 2, "export needs IN.dts and OUT.xlsx", data, tables); rc != 0)
        return rc;
    const SheetExport result = ExportAlignmentSheet(a.files[1], tables);
    if (!result.written && result.args.empty())
        return CliFail(result.textNumber, result.path);
    if (!result.written) { // the reason names the file itself
        std::cerr << "error " << result.textNumber << ": " << SheetExportMessage(result) << "\n";
        return 1;
    }
    std::cerr << SheetExportMessage(result) << "\n";
    return 0;
}

} // namespace

int CmdAlign(const CliArgs& args)
{
    if (args.empty())
        return AlignUsageError("no sub-command given");
    const std::string what = args[0];
    const AlignArgs a = ParseAlignArgs(CliArgs(args.begin() + 1, args.end()));
    if (what == "--help" || what == "-h" || a.help) {
        std::cout << kAlignUsage;
        return 0;
    }
    if (!a.error.empty())
        return AlignUsageError(a.error);
    if (what == "read")
        return AlignRead(a);
    if (what == "write")
        return AlignWrite(a);
    if (what == "show")
        return AlignShow(a);
    if (what == "export")
        return AlignExport(a);
    return AlignUsageError("unknown sub-command '" + what + "'");
}
