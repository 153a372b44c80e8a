// vpxds-cli passwords: sets or clears the read and write passwords of a data file with the password
// window's rules and saves the file atomically. The passwords themselves are never printed.
#include <iostream>
#include <optional>

#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "link/PasswordForm.h"
#include "tools/cli/Commands.h"

namespace {

constexpr int kTextCannotSave = 2014;
constexpr int kUsageExit = 2;

void PasswordsUsage(std::ostream& out)
{
    out << "usage: vpxds-cli passwords FILE [--read TEXT|--clear-read] [--write TEXT|--clear-write]\n"
           "  Sets or clears the read and the write password of the data file FILE and saves it\n"
           "  as an image data file. A password is 1 to 10 letters A-Z, a-z and digits 0-9; an\n"
           "  empty TEXT clears it. Without an option it tells whether each password is set.\n"
           "  The passwords themselves are never printed.\n";
}

// What the command line asks for one password: nothing, a new text, or clearing it.
struct PasswordRequest {
    bool given = false;
    std::optional<std::string> text; // empty optional: clear
};

int UsageError(const std::string& message)
{
    std::cerr << "vpxds-cli passwords: " << message << "\n";
    PasswordsUsage(std::cerr);
    return kUsageExit;
}

const char* SetWord(const CodePlug& image, PasswordKind kind)
{
    return IsPasswordSet(image, kind) ? "set" : "not set";
}

} // namespace

int CmdPasswords(const CliArgs& args)
{
    std::string file;
    PasswordRequest read, write;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            PasswordsUsage(std::cout);
            return 0;
        }
        const bool isRead = a == "--read" || a == "--clear-read";
        const bool isWrite = a == "--write" || a == "--clear-write";
        if (isRead || isWrite) {
            PasswordRequest& request = isRead ? read : write;
            if (request.given)
                return UsageError("the " + std::string(isRead ? "read" : "write") +
                                  " password is given twice");
            request.given = true;
            if (a == "--read" || a == "--write") {
                if (i + 1 >= args.size())
                    return UsageError(a + " needs a password");
                request.text = args[++i];
            }
        } else if (file.empty() && !(a.size() > 1 && a[0] == '-')) {
            file = a;
        } else {
            return UsageError("unexpected argument '" + a + "'");
        }
    }
    if (file.empty())
        return UsageError("no FILE given");

    std::string text;
    const int loaded = LoadDataFile(file, text);
    if (loaded != 0)
        return CliFail(loaded, file);
    CodePlug image(text);

    PasswordForm form(image);
    for (auto [kind, request] :
         {std::pair{PasswordKind::Read, &read}, std::pair{PasswordKind::Write, &write}}) {
        if (!request->given)
            continue;
        if (request->text.has_value() && !request->text->empty())
            form.SetPassword(kind, *request->text);
        else
            form.SetEnabled(kind, false);
    }
    const int check = form.Apply(image);
    if (check != 0)
        return CliFail(check); // nothing written: the file stays as it was

    const bool changed = image.Text() != text;
    if (changed && !SaveTextFileAtomic(file, image.Text()))
        return CliFail(kTextCannotSave, file);
    std::cout << file << ": read password " << SetWord(image, PasswordKind::Read) << ", write password "
              << SetWord(image, PasswordKind::Write) << (changed ? "" : " (unchanged)") << "\n";
    return 0;
}
