// vpxds-cli: the code-plug tools without a window. Finds the application directory as the window
// program does (or takes --appdir DIR), loads the state from system.ini and runs one sub-command.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>

#include "app/AppLocation.h"
#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Startup.h"
#include "app/Version.h"
#include "link/PosixSerialPort.h"
#include "tools/cli/Commands.h"

namespace {

std::string ProgramDirectory(const char* argv0)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

void PrintUsage(std::ostream& out)
{
    out << "Usage: vpxds-cli [--appdir DIR] COMMAND [ARGS]\n"
           "       vpxds-cli --version\n"
           "Reads, writes and inspects code plugs of VPXE+ MX6+ two-way radios.\n"
           "commands:\n"
           "  new [--band CODE] FILE      write the default code plug of a band (default 33)\n"
           "  show FILE [--json]          print the general settings and the channel table\n"
           "  convert IN OUT              load a data file of either form, save it as an image file\n"
           "  read --port PORT FILE       read the code plug from a radio into FILE\n"
           "  write FILE --port PORT      write FILE into a radio\n"
           "        [--backup] [--verify] (back the radio up first, read it back afterwards)\n"
           "        [--force]             (write a code plug with problems without asking)\n"
           "  sim [options]               serve a simulated radio on a pseudo-terminal\n"
           "  passwords FILE [OPTIONS]    set or clear the read and write passwords of FILE\n"
           "  export-csv FILE OUT.csv     write the channels to a channel-list file (CSV)\n"
           "  import-csv FILE IN.csv [OUT.dat] [--partial]\n"
           "                              replace the channels by those of a channel-list file\n"
           "  report FILE OUT.pdf         write the code-plug report as a PDF file\n"
           "  diff A B [--json]           the differences of two data files, field by field\n"
           "  backups                     list the backups made before writes, newest first\n"
           "  align read|write|show|export ...\n"
           "                              the radio's alignment data and its .dts files\n"
           "  port [COMn|none]            list COM1..COM16 and their devices, or choose the port\n"
           "  history [--serial S] [--json] | show ID | restore ID OUT\n"
           "                              the radio history: every read and write, and its code plug\n"
           "COMMAND --help describes each command.\n";
}

} // namespace

int CliFail(int textNumber, const std::string& detail)
{
    std::cerr << "error " << textNumber << ": " << GetLangText(textNumber);
    if (!detail.empty())
        std::cerr << " (" << detail << ")";
    std::cerr << "\n";
    return 1;
}

std::unique_ptr<SerialPort> MakeDevicePort() { return std::make_unique<PosixSerialPort>(); }

int main(int argc, char** argv)
{
    std::string appDirOverride;
    CliArgs args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--appdir" && i + 1 < argc)
            appDirOverride = argv[++i];
        else
            args.push_back(a);
    }
    if (args.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintUsage(std::cout);
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << ProgramVersionLine("vpxds-cli") << "\n";
        return 0;
    }
    const AppLocation where = ResolveAppLocation(ProgramDirectory(argv[0]), appDirOverride);
    g_strDataDir = where.dataDir;
    InitAppState(where.appDir);

    // One command a line: new commands are added in their own line.
    // clang-format off
    const std::map<std::string, int (*)(const CliArgs&)> commands = {
        {"new", CmdNew},
        {"show", CmdShow},
        {"convert", CmdConvert},
        {"read", CmdRead},
        {"write", CmdWrite},
        {"sim", CmdSim},
        {"passwords", CmdPasswords},
        {"export-csv", CmdExportCsv},
        {"import-csv", CmdImportCsv},
        {"report", CmdReport}, // the one command that brings up Qt Gui (offscreen) for its PDF
        {"diff", CmdDiff},
        {"backups", CmdBackups},
        {"align", CmdAlign},
        {"port", CmdPort},
        {"history", CmdHistory},
        {"fleet", CmdFleet},
    };
    // clang-format on
    auto it = commands.find(args[0]);
    if (it == commands.end()) {
        std::cerr << "vpxds-cli: unknown command '" << args[0] << "'\n";
        PrintUsage(std::cerr);
        return 2;
    }
    return it->second(CliArgs(args.begin() + 1, args.end()));
}
