// vpxds-cli report: the code-plug report of a data file as a PDF file, the same page the window
// program prints, in the language of system.ini or the one given.
#include <iostream>

#include "app/AppState.h"
#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "codeplug/ModelCatalogue.h"
#include "print/ReportJob.h"
#include "print/ReportModel.h"
#include "print/qt/ReportPdf.h"
#include "tools/cli/Commands.h"

namespace {

void PrintReportUsage(std::ostream& out)
{
    out << "usage: vpxds-cli report FILE OUT.pdf [--lang en|zh]\n"
           "  Writes the code-plug report of a data file (*.dat, either form) as a PDF file: one A4\n"
           "  landscape page with the general settings and the channel table, text selectable.\n"
           "  The texts are in the language chosen in system.ini; --lang en or --lang zh overrides it.\n"
           "  An existing OUT.pdf is replaced only once the new file is complete.\n";
}

} // namespace

int CmdReport(const CliArgs& args)
{
    std::string in;
    std::string out;
    int language = g_nLanguage;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            PrintReportUsage(std::cout);
            return 0;
        }
        if (a == "--lang") {
            const std::string value = i + 1 < args.size() ? args[++i] : std::string();
            if (value == "en") {
                language = kLangEnglish;
            } else if (value == "zh") {
                language = kLangChinese;
            } else {
                std::cerr << "vpxds-cli report: --lang takes en or zh\n";
                PrintReportUsage(std::cerr);
                return 2;
            }
        } else if (!a.starts_with("--") && in.empty()) {
            in = a;
        } else if (!a.starts_with("--") && out.empty()) {
            out = a;
        } else {
            std::cerr << "vpxds-cli report: unexpected argument '" << a << "'\n";
            PrintReportUsage(std::cerr);
            return 2;
        }
    }
    if (in.empty() || out.empty()) {
        std::cerr << "vpxds-cli report: FILE and OUT.pdf are both needed\n";
        PrintReportUsage(std::cerr);
        return 2;
    }

    std::string text;
    const int result = LoadDataFile(in, text);
    if (result != 0)
        return CliFail(result, in);
    g_nLanguage = language;
    const CodePlug image(text);
    ApplyBand(image.Text(), false);

    const ReportModel model = BuildReportModel(ReportSourceFromImage(image, g_band), CurrentReportContext());
    const int error = WriteReportPdfFile(MakeReportJob(model, 1, true), out);
    if (error != 0)
        return CliFail(error, out);
    return 0;
}
