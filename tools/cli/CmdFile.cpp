// vpxds-cli sub-commands on data files: "new" writes the default code plug of a band, "convert" loads a
// data file of either form and saves it as an image file.
#include <iostream>

#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "tools/cli/Commands.h"

namespace {

constexpr int kTextCannotSave = 2014;
constexpr int kUsageExit = 2;

void NewUsage(std::ostream& out)
{
    out << "usage: vpxds-cli new [--band CODE] FILE\n"
           "  Writes the default code plug of band CODE (two hex digits, default 33) to FILE\n"
           "  as an image data file (2048 hex characters).\n";
}

void ConvertUsage(std::ostream& out)
{
    out << "usage: vpxds-cli convert IN OUT\n"
           "  Loads the data file IN (image file or frame-stream file) and saves the code plug\n"
           "  to OUT as an image data file.\n";
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

} // namespace

int CmdNew(const CliArgs& args)
{
    std::string band = "33";
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (IsHelp(a)) {
            NewUsage(std::cout);
            return 0;
        }
        if (a == "--band") {
            if (i + 1 >= args.size()) {
                std::cerr << "vpxds-cli new: --band needs a band code\n";
                NewUsage(std::cerr);
                return kUsageExit;
            }
            band = args[++i];
            if (band.size() != 2 || !IsHexText(band)) {
                std::cerr << "vpxds-cli new: band code '" << band << "' is not two hex digits\n";
                NewUsage(std::cerr);
                return kUsageExit;
            }
            band = ToUpperAscii(band);
        } else if (file.empty() && !(a.size() > 1 && a[0] == '-')) {
            file = a;
        } else {
            std::cerr << "vpxds-cli new: unexpected argument '" << a << "'\n";
            NewUsage(std::cerr);
            return kUsageExit;
        }
    }
    if (file.empty()) {
        std::cerr << "vpxds-cli new: no FILE given\n";
        NewUsage(std::cerr);
        return kUsageExit;
    }
    g_nRadioType = 3;
    const std::string image = BuildBandImage(band);
    if (!SaveTextFileAtomic(file, image))
        return CliFail(kTextCannotSave, file);
    std::cout << file << ": band " << band << "\n";
    return 0;
}

int CmdConvert(const CliArgs& args)
{
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (IsHelp(a)) {
            ConvertUsage(std::cout);
            return 0;
        }
        files.push_back(a);
    }
    if (files.size() != 2) {
        std::cerr << "vpxds-cli convert: needs exactly IN and OUT\n";
        ConvertUsage(std::cerr);
        return kUsageExit;
    }
    std::string image;
    const int result = LoadDataFile(files[0], image);
    if (result != 0)
        return CliFail(result, files[0]);
    if (!SaveTextFileAtomic(files[1], image))
        return CliFail(kTextCannotSave, files[1]);
    std::cout << files[1] << ": band " << BandCodeOf(image) << "\n";
    return 0;
}
