// The fleet measurement of vpxds-bench: 1, 2, 4 and 8 simulated radios, each on its own pseudo-terminal
// at the pace of a 9600-baud line, programmed by one fleet run; wall time against one port and the
// processor time per port.
#pragma once

#include <functional>
#include <sys/types.h>

class PtyRadioServer;

// serve: starts a server in a child process (0 on failure). Prints a line per port count and a line
// of means; false when a run did not program every radio.
bool RunFleetBench(int rounds, const std::function<pid_t(PtyRadioServer&)>& serve);
