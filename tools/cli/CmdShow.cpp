// vpxds-cli show: prints a code plug's band, general settings and channel table with the texts the
// editor page shows for it, as plain text or as one JSON object.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "app/LangText.h"
#include "codeplug/ChannelTableLogic.h"
#include "codeplug/CodePlug.h"
#include "codeplug/DataFile.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ModelInfo.h"
#include "codeplug/NumberText.h"
#include "codeplug/PanelLogic.h"
#include "codeplug/PanelReport.h"
#include "link/PasswordField.h"
#include "tools/cli/Commands.h"
#include "tools/cli/JsonText.h"

namespace {

void PrintShowUsage(std::ostream& out)
{
    out << "usage: vpxds-cli show FILE [--json]\n"
           "  Prints the band code and limits, every general setting of the editor page and the\n"
           "  16-channel table of a data file (*.dat, either form), with the page's texts in the\n"
           "  language chosen in system.ini, then the model information and whether the read and\n"
           "  write passwords are set. --json prints one JSON object instead.\n";
}

std::string Limit(double mhz) { return FormatFixed(mhz, 5); }

// "modelInfo" with the six texts of the model-information window and "passwords" telling only
// whether each password is set.
void PrintModelInfoJson(std::ostream& out, const CodePlug& image)
{
    const ModelInfoView info = DescribeModelInfo(image, g_modelInfo);
    out << "  \"modelInfo\": {\"serialNumber\": " << JsonString(info.serialNumber)
        << ", \"hardwareVersion\": " << JsonString(info.hardwareVersion)
        << ", \"mcuVersion\": " << JsonString(info.mcuVersion)
        << ", \"pcVersion\": " << JsonString(info.pcVersion)
        << ", \"lastProgrammed\": " << JsonString(info.lastProgrammed)
        << ", \"fileName\": " << JsonString(info.fileName) << "},\n";
    out << "  \"passwords\": {\"read\": " << (IsPasswordSet(image, PasswordKind::Read) ? "true" : "false")
        << ", \"write\": " << (IsPasswordSet(image, PasswordKind::Write) ? "true" : "false") << "},\n";
}

void PrintJson(const std::string& path, const std::vector<PanelField>& fields, const CodePlug& image)
{
    std::ostringstream out;
    out << "{\n  \"file\": " << JsonString(path) << ",\n";
    out << "  \"band\": {\"code\": " << JsonString(g_band.code) << ", \"lower\": " << Limit(g_band.lower)
        << ", \"upper\": " << Limit(g_band.upper) << "},\n";
    out << "  \"settings\": {\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const PanelField& f = fields[i];
        out << "    " << JsonString(f.key) << ": "
            << (f.isCheck ? std::string(f.checked ? "true" : "false") : JsonString(f.text))
            << (i + 1 < fields.size() ? ",\n" : "\n");
    }
    out << "  },\n";
    PrintModelInfoJson(out, image);
    out << "  \"channels\": [\n";
    static constexpr const char* kKeys[] = {"channel", "rx",        "tx",    "decode",
                                            "encode",  "bandwidth", "power", "scan"};
    for (int n = 1; n <= 16; ++n) {
        const ChannelCells cells = ChannelRowCells(image, n, g_band);
        out << "    {\"channel\": " << n;
        for (int c = 1; c < kTableColumns; ++c)
            out << ", " << JsonString(kKeys[c]) << ": "
                << JsonString(cells.text[static_cast<std::size_t>(c)]);
        out << ", \"rxOutOfBand\": " << (cells.rxRed ? "true" : "false")
            << ", \"txOutOfBand\": " << (cells.txRed ? "true" : "false") << "}" << (n < 16 ? ",\n" : "\n");
    }
    out << "  ]\n}\n";
    std::cout << out.str();
}

void PrintText(const std::vector<PanelField>& fields, const CodePlug& image)
{
    std::cout << "band " << g_band.code << ": " << Limit(g_band.lower) << " - " << Limit(g_band.upper)
              << " MHz\n";
    for (const PanelField& f : fields)
        std::cout << f.caption << ": " << f.text << "\n";
    const ModelInfoView info = DescribeModelInfo(image, g_modelInfo);
    for (const auto& [number, value] :
         {std::pair{8002, &info.serialNumber}, std::pair{8003, &info.hardwareVersion},
          std::pair{8000, &info.mcuVersion}, std::pair{8004, &info.pcVersion},
          std::pair{8005, &info.lastProgrammed}, std::pair{8006, &info.fileName}})
        std::cout << GetLangText(number) << ": " << *value << "\n";
    for (const auto& [number, kind] :
         {std::pair{7805, PasswordKind::Read}, std::pair{7806, PasswordKind::Write}})
        std::cout << GetLangText(number) << ": " << GetLangText(IsPasswordSet(image, kind) ? 90003 : 90004)
                  << "\n";
    std::cout << "\n";
    const auto headers = ChannelTableHeaders();
    for (int c = 0; c < kTableColumns; ++c)
        std::cout << headers[static_cast<std::size_t>(c)] << (c + 1 < kTableColumns ? "\t" : "\n");
    for (int n = 1; n <= 16; ++n) {
        const ChannelCells cells = ChannelRowCells(image, n, g_band);
        for (int c = 0; c < kTableColumns; ++c) {
            std::cout << cells.text[static_cast<std::size_t>(c)] << (c + 1 < kTableColumns ? "\t" : "\n");
        }
    }
}

} // namespace

int CmdShow(const CliArgs& args)
{
    std::string path;
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            PrintShowUsage(std::cout);
            return 0;
        }
        if (a == "--json") {
            json = true;
        } else if (path.empty() && !a.starts_with("--")) {
            path = a;
        } else {
            std::cerr << "vpxds-cli show: unexpected argument '" << a << "'\n";
            PrintShowUsage(std::cerr);
            return 2;
        }
    }
    if (path.empty()) {
        std::cerr << "vpxds-cli show: no FILE given\n";
        PrintShowUsage(std::cerr);
        return 2;
    }

    std::string text;
    const int result = LoadDataFile(path, text);
    if (result != 0)
        return CliFail(result, path);
    const CodePlug image(text);
    ApplyBand(image.Text(), false);

    const std::vector<PanelField> fields = DescribeImagePanel(image, g_band.code);
    if (json)
        PrintJson(path, fields, image);
    else
        PrintText(fields, image);
    return 0;
}
