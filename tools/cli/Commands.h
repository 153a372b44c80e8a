// Sub-commands of vpxds-cli. Each takes the arguments after its name and returns the exit code.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/SerialPort.h"

using CliArgs = std::vector<std::string>;

int CmdNew(const CliArgs& args);       // new [--band CODE] FILE
int CmdShow(const CliArgs& args);      // show FILE [--json]
int CmdConvert(const CliArgs& args);   // convert IN OUT
int CmdRead(const CliArgs& args);      // read --port PORT FILE [--log]
int CmdWrite(const CliArgs& args);     // write FILE --port PORT [--log] [--backup] [--verify]
int CmdSim(const CliArgs& args);       // sim [options]: simulated radio on a pseudo-terminal
int CmdPasswords(const CliArgs& args); // passwords FILE [--read TEXT|--clear-read] [--write ...]

// Channel lists: export-csv FILE OUT.csv; import-csv FILE IN.csv [OUT.dat] [--partial].
int CmdExportCsv(const CliArgs& args);
int CmdImportCsv(const CliArgs& args);
int CmdReport(const CliArgs& args); // report FILE OUT.pdf [--lang en|zh]

int CmdDiff(const CliArgs& args);    // diff A B [--json]: 0 equal, 1 different, 2 usage or file error
int CmdBackups(const CliArgs& args); // backups: the backup folder, newest first

// Alignment data: align read|write|show|export (see its --help).
int CmdAlign(const CliArgs& args);
int CmdPort(const CliArgs& args); // port [COMn|none]: list the ports, choose one
// The radio history: history [--serial S] [--json]; history show ID; history restore ID OUT.
int CmdHistory(const CliArgs& args);
// Fleet programming: fleet FILE --port PORT [--port PORT ...] --count N [--log OUT.csv] [--force].
int CmdFleet(const CliArgs& args);

// Prints "error <number>: <text>" on standard error and returns the exit code 1.
int CliFail(int textNumber, const std::string& detail = std::string());

class HistoryRecorder;
// After a radio operation: "warning 9710: ..." on standard error when its rows could not be kept.
void WarnHistoryNotKept(const HistoryRecorder& history);

// The port of a real device (a path, the device of COMn): the POSIX termios port.
std::unique_ptr<SerialPort> MakeDevicePort();
