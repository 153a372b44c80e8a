// The command line of the window program vpxds, read before any window exists (so that --help and
// --version work without a display).
#pragma once

#include <string>
#include <vector>

struct WindowArgs {
    std::string appDir;          // --appdir DIR
    std::string file;            // a data file to open once the window is up
    bool measureStartup = false; // --measure-startup (scripts/screenshot.sh)
    std::string screenshot;      // --screenshot FILE (scripts/screenshot.sh)
    bool help = false;           // --help, -h
    bool version = false;        // --version
    std::string error;           // what is wrong with the command line; empty when nothing is
};

// Reads the arguments after the program name: an unknown option or a second file is an error, but
// --help and --version are found wherever they stand. The program reads --help and --version before
// the toolkit starts and the rest from what the toolkit leaves (it takes -platform, -style ...).
WindowArgs ParseWindowArgs(const std::vector<std::string>& args);

// "Usage: vpxds ..." and the options, for --help.
std::string WindowUsageText();
