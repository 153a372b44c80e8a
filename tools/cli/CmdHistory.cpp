// vpxds-cli history: the radio history as a table or JSON, one entry in full, and a recorded code plug
// (or alignment block) written back to a file.
#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>

#include "app/LangText.h"
#include "codeplug/BackupFolder.h"
#include "codeplug/DataFile.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"
#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "service/AlignmentFile.h"
#include "tools/cli/Commands.h"
#include "tools/cli/JsonText.h"

namespace {

const char* kHistoryUsage =
    "usage: vpxds-cli history [--serial S] [--json]\n"
    "       vpxds-cli history show ID\n"
    "       vpxds-cli history restore ID OUT\n"
    "Every read, backup before a write, write, verification, alignment read and alignment write is\n"
    "kept in the radio history ($XDG_DATA_HOME/vpxds/history.sqlite, else\n"
    "~/.local/share/vpxds/history.sqlite), with the port, the radio's identity, serial number and\n"
    "hardware version, the result and message, and the code plug or alignment block involved.\n"
    "The list is newest first; --serial lists one radio; --json prints only a JSON array, one object\n"
    "per entry with the keys id, time, operation, port, serial, hardware, firmware, result, message.\n"
    "show prints one entry in full; restore writes its code plug to OUT (a data file) or its alignment\n"
    "block (an alignment data file), replacing OUT as a whole.\n";

int UsageError(const std::string& what)
{
    std::cerr << "vpxds-cli history: " << what << "\n" << kHistoryUsage;
    return 2;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// Columns on the terminal: a Chinese character takes two.
std::size_t DisplayWidth(const std::string& text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

void PrintTable(const std::vector<HistoryRecord>& rows)
{
    // The window's columns and the first line of the message.
    std::vector<std::vector<std::string>> cells = {HistoryView::Headings()};
    cells.front().push_back(GetLangText(histtext::kLabelMessage));
    for (const HistoryRecord& r : rows) {
        cells.push_back(HistoryView::Cells(r));
        cells.back().push_back(FirstLine(r.message));
    }
    std::vector<std::size_t> widths(cells.front().size(), 0);
    for (const auto& line : cells)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(line[c]));
    for (const auto& line : cells) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            out += line[c];
            if (c + 1 < line.size())
                out += std::string(widths[c] - DisplayWidth(line[c]) + 2, ' ');
        }
        std::cout << out << "\n";
    }
}

void PrintJson(const std::vector<HistoryRecord>& rows)
{
    std::ostringstream out;
    out << "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HistoryRecord& r = rows[i];
        out << (i > 0 ? "," : "") << "\n  {\"id\": " << r.id << ", \"time\": " << JsonString(HistoryTimeIso(r.time))
            << ", \"operation\": " << JsonString(HistoryOpName(r.operation)) << ", \"port\": " << JsonString(r.port)
            << ", \"serial\": " << JsonString(r.serial) << ", \"hardware\": " << JsonString(r.hardware)
            << ", \"firmware\": " << JsonString(r.firmware)
            << ", \"result\": " << JsonString(HistoryResultName(r.result))
            << ", \"message\": " << JsonString(r.message) << "}";
    }
    out << (rows.empty() ? "" : "\n") << "]\n";
    std::cout << out.str();
}

bool OpenStore(HistoryStore& store)
{
    if (store.Open(HistoryStore::DefaultPath(), BackupFolderPath()))
        return true;
    std::cerr << "error " << histtext::kNotKept << ": " << NotKeptText(store.Path(), store.Error()) << "\n";
    return false;
}

// The entry named by text in the history; nothing (after the message, rc the exit code) when the
// history cannot be opened or has no such entry.
std::optional<HistoryRecord> Entry(const std::string& text, int& rc)
{
    rc = 1;
    HistoryStore store;
    if (!OpenStore(store))
        return std::nullopt;
    std::size_t used = 0;
    long long id = 0;
    try {
        id = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    HistoryRecord row;
    if (used == text.size() && !text.empty() && store.Find(id, row))
        return row;
    CliFail(histtext::kNoEntry, text);
    return std::nullopt;
}

int List(const CliArgs& args)
{
    std::string serial;
    bool json = false;
    bool bySerial = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json")
            json = true;
        else if (args[i] == "--serial" && i + 1 < args.size()) {
            serial = args[++i];
            bySerial = true;
        } else
            return UsageError("unexpected argument '" + args[i] + "'");
    }
    HistoryStore store;
    if (!OpenStore(store))
        return 1;
    std::vector<HistoryRecord> rows;
    for (HistoryRecord& row : store.List())
        if (!bySerial || row.serial == serial)
            rows.push_back(std::move(row));
    if (json)
        PrintJson(rows);
    else
        PrintTable(rows);
    return 0;
}

int Show(const CliArgs& args)
{
    if (args.size() != 1)
        return UsageError("show needs one ID");
    int rc = 0;
    const std::optional<HistoryRecord> r = Entry(args[0], rc);
    if (!r)
        return rc;
    // The table's columns, then what the window shows below the table.
    const std::vector<std::string> headings = HistoryView::Headings();
    const std::vector<std::string> cells = HistoryView::Cells(*r);
    for (std::size_t i = 0; i < headings.size(); ++i)
        std::cout << headings[i] << ": " << cells[i] << "\n";
    std::cout << HistoryView::Details(*r) << "\n";
    return 0;
}

int Restore(const CliArgs& args)
{
    if (args.size() != 2)
        return UsageError("restore needs an ID and a file");
    int rc = 0;
    const std::optional<HistoryRecord> r = Entry(args[0], rc);
    if (!r)
        return rc;
    const std::string& out = args[1];
    if (r->HoldsCodePlug()) {
        if (!SaveTextFileAtomic(out, r->data))
            return CliFail(2014, out);
    } else if (r->HoldsAlignment()) {
        if (const int saved = SaveAlignmentFile(out, r->data); saved != 0)
            return CliFail(saved, out);
    } else {
        return CliFail(histtext::kNoData, args[0]);
    }
    std::cerr << GetLangTextWith(histtext::kRestored, {out}) << "\n";
    return 0;
}

} // namespace

void WarnHistoryNotKept(const HistoryRecorder& history)
{
    if (!history.Note().empty())
        std::cerr << "warning " << histtext::kNotKept << ": " << history.Note() << "\n";
}

int CmdHistory(const CliArgs& args)
{
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kHistoryUsage;
            return 0;
        }
    }
    if (!args.empty() && args[0] == "show")
        return Show(CliArgs(args.begin() + 1, args.end()));
    if (!args.empty() && args[0] == "restore")
        return Restore(CliArgs(args.begin() + 1, args.end()));
    return List(args);
}
