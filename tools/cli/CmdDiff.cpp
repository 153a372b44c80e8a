// vpxds-cli diff: the differences of two data files field by field, in the editor page's words, as
// lines of text or one JSON object; the exit code tells equal (0), different (1) or an error (2).
#include <iostream>
#include <sstream>

#include "app/LangText.h"
#include "codeplug/CodePlugDiff.h"
#include "codeplug/DataFile.h"
#include "codeplug/DiffText.h"
#include "codeplug/HexText.h"
#include "tools/cli/Commands.h"
#include "tools/cli/JsonText.h"

namespace {

constexpr int kTextSame = 9564;

const char* kDiffUsage =
    "usage: vpxds-cli diff A B [--json]\n"
    "Compares two data files (*.dat, either form) with the texts the editor page shows: the band,\n"
    "each general setting that differs (caption: A -> B), each channel row that differs (its cells),\n"
    "and how many other bytes differ, with their addresses. --json prints one JSON object instead.\n"
    "Exit code 0 when the code plugs are equal, 1 when they differ, 2 on a usage or file error.\n";

std::string Change(const std::string& before, const std::string& after)
{
    return "\"before\": " + JsonString(before) + ", \"after\": " + JsonString(after);
}

void PrintJson(const CodePlugDiff& d)
{
    std::ostringstream out;
    out << "{\n  \"equal\": " << (d.Equal() ? "true" : "false") << ",\n  \"band\": ";
    if (d.band)
        out << "{" << Change(d.band->before, d.band->after) << "}";
    else
        out << "null";
    out << ",\n  \"settings\": [";
    for (std::size_t i = 0; i < d.settings.size(); ++i) {
        const FieldChange& f = d.settings[i];
        out << (i > 0 ? "," : "") << "\n    {\"key\": " << JsonString(f.key)
            << ", \"caption\": " << JsonString(f.caption) << ", " << Change(f.before, f.after) << "}";
    }
    out << (d.settings.empty() ? "" : "\n  ") << "],\n  \"channels\": [";
    for (std::size_t i = 0; i < d.channels.size(); ++i) {
        const ChannelChange& c = d.channels[i];
        out << (i > 0 ? "," : "") << "\n    {\"channel\": " << c.channel << ", \"cells\": [";
        for (std::size_t j = 0; j < c.cells.size(); ++j)
            out << (j > 0 ? ", " : "") << "{\"key\": " << JsonString(c.cells[j].key)
                << ", \"header\": " << JsonString(c.cells[j].header) << ", "
                << Change(c.cells[j].before, c.cells[j].after) << "}";
        out << "]}";
    }
    out << (d.channels.empty() ? "" : "\n  ") << "],\n  \"otherBytes\": [";
    for (std::size_t i = 0; i < d.otherBytes.size(); ++i) {
        const ByteChange& b = d.otherBytes[i];
        out << (i > 0 ? "," : "") << "\n    {\"address\": \"" << IntToHex(b.address, 2)
            << "\", \"before\": \"" << IntToHex(b.before, 1) << "\", \"after\": \"" << IntToHex(b.after, 1)
            << "\"}";
    }
    out << (d.otherBytes.empty() ? "" : "\n  ") << "]\n}\n";
    std::cout << out.str();
}

} // namespace

int CmdDiff(const CliArgs& args)
{
    std::vector<std::string> files;
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kDiffUsage;
            return 0;
        }
        if (a == "--json") {
            json = true;
        } else if (!a.starts_with("--") && files.size() < 2) {
            files.push_back(a);
        } else {
            std::cerr << "vpxds-cli diff: unexpected argument '" << a << "'\n" << kDiffUsage;
            return 2;
        }
    }
    if (files.size() != 2) {
        std::cerr << "vpxds-cli diff: two files are needed\n" << kDiffUsage;
        return 2;
    }
    std::string images[2];
    for (int i = 0; i < 2; ++i) {
        const int rc = LoadDataFile(files[static_cast<std::size_t>(i)], images[i]);
        if (rc != 0) {
            CliFail(rc, files[static_cast<std::size_t>(i)]);
            return 2;
        }
    }

    const CodePlugDiff diff = DiffCodePlugs(CodePlug(images[0]), CodePlug(images[1]));
    if (json) {
        PrintJson(diff);
    } else if (diff.Equal()) {
        std::cout << GetLangText(kTextSame) << "\n";
    } else {
        for (const std::string& line : DiffLines(diff))
            std::cout << line << "\n";
    }
    return diff.Equal() ? 0 : 1;
}
