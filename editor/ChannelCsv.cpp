// Channel records written as rows of the common channel-list layout, and the reports of rows that
// cannot be read back.
#include "editor/ChannelCsv.h"

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/NumberText.h"
#include "editor/CsvToneColumns.h"

namespace {

constexpr int kTextLine = 9580;      // "Line %1: %2"
constexpr int kTextMoreLines = 9577; // "... and %1 more"
constexpr const char* kNoFrequency = "FFFFFFFF";

std::string Mhz6(const std::string& field) { return FormatFixed(FreqFieldMHz(field), 6); }

} // namespace

const std::vector<std::string>& ChannelCsvColumns()
{
    static const std::vector<std::string> columns = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return columns;
}

CsvColumns::CsvColumns(const std::vector<std::string>& header)
{
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = ToUpperAscii(TrimBlanks(header[i]));
        // The first of two columns with one name counts, as a reader going left to right finds it.
        if (!name.empty() && m_index.find(name) == m_index.end())
            m_index[name] = i;
    }
}

bool CsvColumns::Has(const std::string& name) const { return m_index.count(ToUpperAscii(name)) != 0; }

std::string CsvColumns::Get(const CsvRecord& record, const std::string& name) const
{
    const auto it = m_index.find(ToUpperAscii(name));
    if (it == m_index.end() || it->second >= record.fields.size())
        return {};
    return TrimBlanks(record.fields[it->second]);
}

std::string DescribeCsvError(const CsvRowError& error)
{
    // A reason with two places names the column and its value; one with a single place the value.
    const bool namesColumn = GetLangText(error.textNumber).find("%2") != std::string::npos;
    const std::string reason = namesColumn ? GetLangTextWith(error.textNumber, {error.column, error.value})
                                           : GetLangTextWith(error.textNumber, {error.value});
    if (error.line <= 0)
        return reason;
    return GetLangTextWith(kTextLine, {std::to_string(error.line), reason});
}

namespace {

// One line per entry, beyond maxLines the rest counted in a last line.
template <typename Entry, typename Describe>
std::string DescribeLines(const std::vector<Entry>& entries, std::size_t maxLines, Describe describe)
{
    std::string text;
    for (std::size_t i = 0; i < entries.size() && i < maxLines; ++i) {
        if (!text.empty())
            text += "\n";
        text += describe(entries[i]);
    }
    if (entries.size() > maxLines) {
        // Appended piece by piece: a literal put in front of a temporary string trips GCC 12's
        // -Wrestrict at -O3.
        text += "\n";
        text += GetLangTextWith(kTextMoreLines, {std::to_string(entries.size() - maxLines)});
    }
    return text;
}

} // namespace

std::string DescribeCsvErrors(const std::vector<CsvRowError>& errors, std::size_t maxLines)
{
    return DescribeLines(errors, maxLines, DescribeCsvError);
}

std::string DescribeCsvNotes(const std::vector<CsvRowNote>& notes, std::size_t maxLines)
{
    return DescribeLines(notes, maxLines, [](const CsvRowNote& note) {
        return GetLangTextWith(kTextLine,
                               {std::to_string(note.line), GetLangTextWith(note.textNumber, note.args)});
    });
}

bool ChannelInUse(const CodePlug& image, int n) { return !RenderChannelRow(image, n, BandState{}).blank; }

std::vector<std::string> ChannelCsvFields(const CodePlug& image, int n)
{
    if (!ChannelInUse(image, n))
        return {};
    const std::string record = image.Read(Addr::ChannelAddress(n), 16);
    const std::string rx = record.substr(0, 8);
    const std::string tx = record.substr(8, 8);
    const bool transmits = tx != kNoFrequency;

    std::string duplex;
    std::string offset = "0.000000";
    if (!transmits)
        duplex = "off";
    else if (tx != rx) {
        duplex = "split";
        offset = Mhz6(tx);
    }
    const CsvToneFields tones =
        ToneColumnsOf(record.substr(16, 4), transmits ? record.substr(20, 4) : "FFFF");
    const std::string flags = record.substr(26, 2);
    // The receive step class (bits 7 ... 6 of byte 14): "10" is the 6.25 kHz grid, "01" the 5 kHz grid.
    const bool step625 = GetBits(record.substr(28, 2), 6, 2) == "10";

    return {std::to_string(n), "", Mhz6(rx), duplex, offset, tones.tone, tones.rToneFreq, tones.cToneFreq,
            tones.dtcsCode, tones.dtcsPolarity, tones.rxDtcsCode, tones.crossMode,
            GetBit(flags, 4) == 1 ? "FM" : "NFM", step625 ? "6.25" : "5.00", GetScanFlag(image, n) ? "" : "S",
            // Watts, as the tools of this layout read them (they refuse level names such as "High").
            GetBit(flags, 5) == 1 ? "5.0W" : "1.0W", "", "", "", "", ""};
}

std::string ExportChannelsCsv(const CodePlug& image)
{
    std::string text = CsvLine(ChannelCsvColumns(), ',') + "\r\n";
    for (int n = 1; n <= 16; ++n) {
        const std::vector<std::string> fields = ChannelCsvFields(image, n);
        if (!fields.empty())
            text += CsvLine(fields, ',') + "\r\n";
    }
    return text;
}

std::string CopyChannelsText(const CodePlug& image, const std::vector<int>& channels)
{
    std::string text = CsvLine(ChannelCsvColumns(), '\t') + "\n";
    for (int n : channels) {
        if (n < 1 || n > 16)
            continue;
        std::vector<std::string> fields = ChannelCsvFields(image, n);
        if (fields.empty()) {
            fields.assign(ChannelCsvColumns().size(), "");
            fields[0] = std::to_string(n);
        }
        text += CsvLine(fields, '\t') + "\n";
    }
    return text;
}
