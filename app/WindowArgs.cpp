// Command line of the window program: its own options, a data file to open, --help and --version.
#include "app/WindowArgs.h"

WindowArgs ParseWindowArgs(const std::vector<std::string>& args)
{
    WindowArgs parsed;
    // The whole line is read even after a mistake, so that --help and --version always answer.
    auto fail = [&parsed](const std::string& why) {
        if (parsed.error.empty())
            parsed.error = why;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--help" || a == "-h")
            parsed.help = true;
        else if (a == "--version")
            parsed.version = true;
        else if (a == "--measure-startup")
            parsed.measureStartup = true;
        else if (a == "--appdir" || a == "--screenshot") {
            if (!hasValue) {
                fail(a + " needs a value");
                continue;
            }
            (a == "--appdir" ? parsed.appDir : parsed.screenshot) = args[++i];
        } else if (a.size() > 1 && a[0] == '-')
            fail("unknown option '" + a + "'");
        else if (!parsed.file.empty())
            fail("only one data file can be opened");
        else
            parsed.file = a;
    }
    return parsed;
}

std::string WindowUsageText()
{
    return "Usage: vpxds [--appdir DIR] [FILE.dat]\n"
           "The programming software of VPXE+ MX6+ two-way radios: reads a radio's code plug over a serial\n"
           "programming cable, edits it, writes it back and keeps it in data files (*.dat).\n"
           "\n"
           "  FILE.dat              open this data file once the window is up\n"
           "  --appdir DIR          keep settings (system.ini) and marker files in DIR instead of the\n"
           "                        program's folder or ~/.config/vpxds\n"
           "  --measure-startup     print when the main window was first painted, then end\n"
           "  --screenshot FILE     save a picture of the main window as FILE, then end\n"
           "  --version             print the version and end\n"
           "  -h, --help            print this text and end\n"
           "\n"
           "vpxds-cli does the same from a terminal; the user manual opens with F1.\n";
}
