// Runs vpxds-cli on a test's application directory as a user would from a shell, and collects its
// exit code, standard output and standard error.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "tests/support/TestAppDir.h"

struct CliResult {
    int exitCode;
    std::string out, err;
};

class CliRunner {
public:
    // appDir: the application directory given with --appdir; the output is collected there too.
    explicit CliRunner(std::filesystem::path appDir)
        : m_dir(std::move(appDir)), m_program(std::string(VPX_BIN_DIR) + "/vpxds-cli")
    {
    }
    explicit CliRunner(const TestAppDir& dir) : CliRunner(dir.Path()) {}
    bool Available() const { return std::filesystem::exists(m_program); }

    // arguments: the command line after --appdir, quoted for the shell by the caller.
    CliResult Run(const std::string& arguments) const
    {
        const std::string out = (m_dir / "out.txt").string();
        const std::string err = (m_dir / "err.txt").string();
        const std::string command = "'" + m_program + "' --appdir '" + m_dir.string() + "' " + arguments +
                                    " >'" + out + "' 2>'" + err + "'";
        const int status = std::system(command.c_str());
        CliResult r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadWhole(out);
        r.err = ReadWhole(err);
        return r;
    }

private:
    static std::string ReadWhole(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path m_dir;
    std::string m_program;
};
