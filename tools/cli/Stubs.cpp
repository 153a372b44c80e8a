// Weak fallbacks for sub-commands whose source is not in this build yet.
#include <iostream>

#include "tools/cli/Commands.h"

namespace {
int NotBuilt(const char* name)
{
    std::cerr << "vpxds-cli: '" << name << "' is not available in this build\n";
    return 2;
}
}  // namespace

__attribute__((weak)) int CmdNew(const CliArgs&) { return NotBuilt("new"); }
__attribute__((weak)) int CmdShow(const CliArgs&) { return NotBuilt("show"); }
__attribute__((weak)) int CmdConvert(const CliArgs&) { return NotBuilt("convert"); }
__attribute__((weak)) int CmdRead(const CliArgs&) { return NotBuilt("read"); }
__attribute__((weak)) int CmdWrite(const CliArgs&) { return NotBuilt("write"); }
__attribute__((weak)) int CmdSim(const CliArgs&) { return NotBuilt("sim"); }
