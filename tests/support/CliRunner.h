// Runs vpxds-cli as a user would, on a test's application directory, and keeps what it printed.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "tests/support/TestAppDir.h"

struct CliResult {
    int exitCode;
    std::string out, err;
};

class CliRunner {
public:
    explicit CliRunner(const TestAppDir& dir) : m_dir(dir), m_program(std::string(VPX_BIN_DIR) + "/vpxds-cli")
    {
    }
    bool Available() const { return std::filesystem::exists(m_program); }

    // arguments as typed on a shell command line (quote paths).
    CliResult Run(const std::string& arguments) const
    {
        const std::string command = "'" + m_program + "' --appdir '" + m_dir.Path().string() + "' " +
                                    arguments + " >'" + m_dir.File("out.txt") + "' 2>'" +
                                    m_dir.File("err.txt") + "'";
        const int status = std::system(command.c_str());
        CliResult r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = m_dir.ReadFile("out.txt");
        r.err = m_dir.ReadFile("err.txt");
        return r;
    }

private:
    const TestAppDir& m_dir;
    std::string m_program;
};
