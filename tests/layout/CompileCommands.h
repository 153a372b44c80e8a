// The compile commands a CMake build folder records (compile_commands.json): which source each
// target compiles and with which flags, read back for the checks of the core's line.
#pragma once

#include <string>
#include <vector>

struct CompileCommand {
    std::string directory; // where the command runs
    std::string command;   // the whole command line
    std::string file;      // the source, absolute
    std::string output;    // the object, relative to directory (from -o when CMake writes no "output")
};

// Reads every entry of a compile_commands.json; false with error set when the file is missing or
// not in the form CMake writes.
bool ReadCompileCommands(const std::string& path, std::vector<CompileCommand>& commands, std::string& error);

// The target that compiles the entry: "vpx_link" for ".../CMakeFiles/vpx_link.dir/link/Protocol.cpp.o".
std::string TargetOf(const CompileCommand& entry);

// The command's words, with the shell's quotes and backslashes taken off.
std::vector<std::string> SplitCommandLine(const std::string& command);

// The compiler and the flags that decide where headers are found (include folders, sysroot,
// language standard), without the launcher, the source and the object.
std::vector<std::string> HeaderSearchArguments(const CompileCommand& entry);
