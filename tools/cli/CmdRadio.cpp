// vpxds-cli read / write: the code-plug transfers of the read and write windows, on the terminal.
#include <iostream>

#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/Document.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryRecorder.h"
#include "history/SessionRows.h"
#include "link/PortNames.h"
#include "link/RadioPort.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"
#include "tools/cli/CliLinkUi.h"
#include "tools/cli/Commands.h"

namespace {

constexpr int kTextNotWritten = 9627; // the code plug's problems were not confirmed

struct RadioArgs {
    std::string port;
    std::string file;
    bool log = false;
    bool twice = false;
    bool crossBand = false;
    bool force = false;
    bool backup = false;
    bool verify = false;
    bool help = false;
    std::string error;
};

RadioArgs ParseRadioArgs(const CliArgs& args, bool forWrite)
{
    RadioArgs r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h")
            r.help = true;
        else if (a == "--log")
            r.log = true;
        else if (a == "--yes-cross-band" && forWrite)
            r.crossBand = true;
        else if (a == "--force" && forWrite)
            r.force = true;
        else if (a == "--backup" && forWrite)
            r.backup = true;
        else if (a == "--verify" && forWrite)
            r.verify = true;
        else if (a == "--twice" && !forWrite)
            r.twice = true;
        else if (a == "--port" && i + 1 < args.size())
            r.port = args[++i];
        else if (a.rfind("--port=", 0) == 0)
            r.port = a.substr(7);
        else if (!a.empty() && a[0] == '-')
            r.error = "unknown option " + a;
        else if (r.file.empty())
            r.file = a;
        else
            r.error = "more than one file given";
    }
    if (!r.help && r.error.empty() && (r.port.empty() || r.file.empty()))
        r.error = "both --port PORT and FILE are needed";
    return r;
}

const char* kPortHelp =
    "PORT is a device path (/dev/ttyUSB0, a pseudo-terminal), com1..com16 (the [ports] comN entry\n"
    "of system.ini, else the N-th serial device, USB adapters first), or 'simulator' (a built-in\n"
    "simulated radio). --log prints the exchange log (every frame sent and reply received).\n"
    "Exit code 0 only when the transfer succeeded; failures print 'error N: text'.\n";

// A failure whose detail runs over several lines (the differences a verification found) prints the
// detail below the message; a short one stays in parentheses on the message's line.
int FailWithDetail(int textNumber, const std::string& detail)
{
    if (detail.find('\n') == std::string::npos)
        return CliFail(textNumber, detail);
    CliFail(textNumber);
    std::cerr << detail << "\n";
    return 1;
}

int Usage(const RadioArgs& a, const char* usage)
{
    if (a.help) {
        std::cout << usage << kPortHelp;
        return 0;
    }
    std::cerr << "vpxds-cli: " << a.error << "\n" << usage;
    return 2;
}

} // namespace

int CmdRead(const CliArgs& args)
{
    static const char* usage =
        "usage: vpxds-cli read --port PORT FILE [--log] [--twice]\n"
        "Reads the code plug of the radio on PORT and saves it as the data file FILE\n"
        "(FILE is left untouched when the read fails). --twice reads the radio a second time and\n"
        "succeeds only when both reads agree (for a doubtful cable or line).\n";
    const RadioArgs a = ParseRadioArgs(args, false);
    if (a.help || !a.error.empty())
        return Usage(a, usage);

    if (a.log)
        g_bServiceView = true;
    CliLinkUi ui(a.log, false);
    HistoryLinkUi recorded(ui);
    RadioPort port(&MakeDevicePort);
    ConfigureRadioPort(port, a.port, kCodePlugLineSettings);
    ReadSession session(port, recorded);
    session.SetReadTwice(a.twice);
    HistoryRecorder history;
    const TransferResult result = session.Run();
    ui.FinishProgress();
    history.Record(ReadRows(result, session.Identity(), g_doc.image.Text(), recorded.Message()),
                   HistoryPortLabel(a.port, port));
    WarnHistoryNotKept(history);
    if (!result.Succeeded())
        return CliFail(result.textNumber, ui.LastDetail());
    const int saved = g_doc.Save(a.file);
    if (saved != 0)
        return CliFail(saved, a.file);
    std::cerr << GetLangText(3007) << "\n";
    return 0;
}

int CmdWrite(const CliArgs& args)
{
    static const char* usage =
        "usage: vpxds-cli write FILE --port PORT [--log] [--yes-cross-band] [--force] [--backup]\n"
        "                [--verify]\n"
        "Writes the data file FILE into the radio on PORT. When the radio's band differs from the\n"
        "file's and the cross-band marker file is present, the write asks on the terminal; without a\n"
        "terminal it answers No unless --yes-cross-band is given.\n"
        "Before the first frame the code plug is checked against the band the radio reports: channels\n"
        "outside it, no channel at all, tones the radio cannot use. Problems are listed and asked about\n"
        "on the terminal; without a terminal nothing is written (exit 1) unless --force is given.\n"
        "--force answers only this check, never the band question.\n"
        "--backup first reads the whole radio and keeps its code plug in the backup folder\n"
        "($XDG_DATA_HOME/vpxds/backups, see 'vpxds-cli backups'); nothing is written when that fails.\n"
        "--verify reads the radio back afterwards and fails, naming the differences, unless it holds\n"
        "every written byte. Each is also on when system.ini says [option] backup_before_write=yes or\n"
        "verify_after_write=yes.\n";
    const RadioArgs a = ParseRadioArgs(args, true);
    if (a.help || !a.error.empty())
        return Usage(a, usage);

    const int opened = g_doc.Open(a.file);
    if (opened != 0)
        return CliFail(opened, a.file);
    if (a.log)
        g_bServiceView = true;
    CliLinkUi ui(a.log, a.crossBand);
    ui.SetForceWrite(a.force);
    HistoryLinkUi recorded(ui);
    RadioPort port(&MakeDevicePort);
    ConfigureRadioPort(port, a.port, kCodePlugLineSettings);
    WriteSession session(port, recorded, g_doc.image);
    WriteOptions options = WriteOptionsFromSettings();
    options.backup = options.backup || a.backup;
    options.verify = options.verify || a.verify;
    session.SetOptions(options);
    HistoryRecorder history;
    const TransferResult result = session.Run();
    ui.FinishProgress();
    history.Record(WriteRows(session, options, result, g_doc.image.Text(), recorded.Message()),
                   HistoryPortLabel(a.port, port));
    WarnHistoryNotKept(history);
    if (!result.Succeeded()) {
        if (result.status == TransferStatus::CheckDeclined)
            return CliFail(kTextNotWritten);
        if (result.textNumber == 0)
            return 1; // the user declined the cross-band write
        return FailWithDetail(result.textNumber, ui.LastDetail());
    }
    std::cerr << GetLangText(3014) << "\n";
    if (!ui.LastDetail().empty())
        std::cerr << ui.LastDetail() << "\n"; // verified, and where the backup is
    return 0;
}
