// vpxds-cli sub-commands for channel lists: "export-csv" writes the channels of a data file in the common
// CSV layout of radio programming tools, "import-csv" replaces them by the rows of such a file.
#include <iostream>

#include "app/AtomicFile.h"
#include "app/LangText.h"
#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelCsv.h"
#include "editor/ChannelCsvImport.h"
#include "tools/cli/Commands.h"

namespace {

constexpr int kUsageExit = 2;
constexpr int kTextCannotSave = 2014;
constexpr int kTextCsvNotWritten = 9581;
constexpr int kTextCsvNotRead = 9589;
constexpr int kTextNotImported = 9579;
constexpr int kTextExported = 9648;       // "%1: %2 channels"
constexpr int kTextImported = 9635;       // "%1: %2 channels imported"
constexpr int kTextImportedPartly = 9636; // "%1: %2 channels imported, %3 rows left out"

void ExportUsage(std::ostream& out)
{
    out << "usage: vpxds-cli export-csv FILE OUT.csv\n"
           "  Writes the channels in use of the data file FILE to OUT.csv in the common channel-list\n"
           "  layout (Location, Frequency, Duplex, Offset, Tone, ..., Power), one row per channel.\n";
}

void ImportUsage(std::ostream& out)
{
    out << "usage: vpxds-cli import-csv FILE IN.csv [OUT.dat] [--partial]\n"
           "  Replaces the 16 channels of the data file FILE by the rows of IN.csv and saves the code\n"
           "  plug to OUT.dat (default: FILE). Each row goes through the channel editor's rules; a bad\n"
           "  row is reported with its line and nothing is saved, unless --partial is given: then the\n"
           "  good rows are stored and the channels of the bad rows keep what they held.\n";
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

// Loads a data file of either form into image; prints the error and returns false when it cannot.
bool LoadCodePlug(const std::string& path, CodePlug& image, int& exitCode)
{
    std::string text;
    const int result = LoadDataFile(path, text);
    if (result != 0 || !image.SetText(text)) {
        exitCode = CliFail(result != 0 ? result : 2011, path);
        return false;
    }
    ApplyBand(image.Text());
    return true;
}

void PrintRowErrors(const std::vector<CsvRowError>& errors)
{
    for (const CsvRowError& e : errors)
        std::cerr << "  " << DescribeCsvError(e) << "\n";
}

} // namespace

int CmdExportCsv(const CliArgs& args)
{
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (IsHelp(a)) {
            ExportUsage(std::cout);
            return 0;
        }
        files.push_back(a);
    }
    if (files.size() != 2) {
        std::cerr << "vpxds-cli export-csv: needs exactly FILE and OUT.csv\n";
        ExportUsage(std::cerr);
        return kUsageExit;
    }
    CodePlug image;
    int exitCode = 0;
    if (!LoadCodePlug(files[0], image, exitCode))
        return exitCode;
    if (!WriteFileAtomically(files[1], ExportChannelsCsv(image)))
        return CliFail(kTextCsvNotWritten, files[1]);
    int channels = 0;
    for (int n = 1; n <= 16; ++n)
        channels += ChannelInUse(image, n) ? 1 : 0;
    std::cout << GetLangTextWith(kTextExported, {files[1], std::to_string(channels)}) << "\n";
    return 0;
}

int CmdImportCsv(const CliArgs& args)
{
    std::vector<std::string> files;
    bool partial = false;
    for (const std::string& a : args) {
        if (IsHelp(a)) {
            ImportUsage(std::cout);
            return 0;
        }
        if (a == "--partial") {
            partial = true;
        } else if (a.size() > 1 && a[0] == '-') {
            std::cerr << "vpxds-cli import-csv: unexpected argument '" << a << "'\n";
            ImportUsage(std::cerr);
            return kUsageExit;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2 && files.size() != 3) {
        std::cerr << "vpxds-cli import-csv: needs FILE, IN.csv and optionally OUT.dat\n";
        ImportUsage(std::cerr);
        return kUsageExit;
    }
    const std::string out = files.size() == 3 ? files[2] : files[0];
    CodePlug image;
    int exitCode = 0;
    if (!LoadCodePlug(files[0], image, exitCode))
        return exitCode;
    std::string csv;
    if (!ReadWholeFile(files[1], csv))
        return CliFail(kTextCsvNotRead, files[1]);

    ChannelImportOptions options; // the channel defaults of a new editor page: wide, high power, scan
    options.band = g_band;
    options.tones = ToneRulesFromSettings();
    const ChannelImportResult result = ImportChannelsCsv(image, csv, options, partial);
    if (!result.applied) {
        std::cerr << "error " << kTextNotImported << ": " << GetLangText(kTextNotImported) << "\n";
        PrintRowErrors(result.errors);
        return 1;
    }
    PrintRowErrors(result.errors); // with --partial: the rows left out
    if (!SaveTextFileAtomic(out, image.Text()))
        return CliFail(kTextCannotSave, out);
    const std::string channels = std::to_string(result.channels);
    if (result.errors.empty())
        std::cout << GetLangTextWith(kTextImported, {out, channels}) << "\n";
    else
        std::cout << GetLangTextWith(kTextImportedPartly,
                                     {out, channels, std::to_string(result.errors.size())})
                  << "\n";
    if (!result.notes.empty()) // what became of rows that were taken otherwise than written
        std::cout << DescribeCsvNotes(result.notes) << "\n";
    return 0;
}
