// Rows of a channel list turned into channel records with the channel editor's rules, and stored into
// the code plug all together or not at all.
#include "editor/ChannelCsvImport.h"

#include <array>
#include <cmath>

#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/NumberText.h"
#include "editor/ChannelRules.h"

namespace {

constexpr int kChannels = 16;
constexpr int kTextLocation = 9583;  // channel number outside 1 ... 16
constexpr int kTextTwice = 9584;     // channel given a second time
constexpr int kTextCannotUse = 9585; // "%1 "%2" cannot be used"
constexpr int kTextFreqRange = 9582; // frequency the channel editor would not keep
constexpr int kTextNoHeader = 9587;  // no header line naming the columns
constexpr int kTextPastLast = 9588;  // pasted rows would run past channel 16
constexpr int kTextNoRows = 9638;    // a header line and nothing below it
constexpr int kTextMovedRx = 9630;   // "receive frequency %1 → %2 (moved to the channel step)"
constexpr int kTextMovedTx = 9631;
constexpr int kTextOutOfBandRx = 9632; // "receive frequency %1 MHz is outside the band (%2-%3 MHz)"
constexpr int kTextOutOfBandTx = 9633;
constexpr double kSameFrequency = 0.0000001; // closer than this a frequency was not moved
constexpr double kLowestWatts = 2.5;         // from here on a power counts as high power
constexpr double kGridTolerance = 0.0050001; // snapping moves a frequency by less than 5 kHz

bool RecordIsBlank(const CsvRecord& record)
{
    for (const std::string& f : record.fields)
        if (!TrimBlanks(f).empty())
            return false;
    return true;
}

bool IsHeader(const CsvRecord& record)
{
    for (const std::string& f : record.fields)
        if (ToUpperAscii(TrimBlanks(f)) == "FREQUENCY")
            return true;
    return false;
}

// One row being read: its fields by name and the first problem found.
class RowReader {
public:
    RowReader(const CsvColumns& columns, const CsvRecord& record, const ChannelImportOptions& options)
        : m_columns(columns), m_record(record), m_options(options)
    {
        m_error.line = record.line;
    }

    const CsvRowError& Error() const { return m_error; }
    const std::vector<CsvRowNote>& Notes() const { return m_notes; }
    std::string Get(const char* name) const { return m_columns.Get(m_record, name); }
    bool Has(const char* name) const { return m_columns.Has(name); }

    bool Fail(int textNumber, const std::string& column, const std::string& value)
    {
        m_error.textNumber = textNumber;
        m_error.column = column;
        m_error.value = value;
        return false;
    }

    bool ReadLocation(int& location, const std::array<bool, kChannels + 1>& taken)
    {
        const std::string text = Get("Location");
        double n = 0.0;
        if (!ReadExactDecimal(text, n) || n != std::floor(n) || n < 1 || n > kChannels)
            return Fail(kTextLocation, "Location", text);
        location = static_cast<int>(n);
        if (taken[static_cast<std::size_t>(location)])
            return Fail(kTextTwice, "Location", text);
        m_error.location = location;
        return true;
    }

    // A frequency through the channel editor's frequency rule; refused when the rule would not keep it
    // (not a number, or outside what the editor takes, which it would replace by another frequency).
    // A frequency moved to the channel step, and one outside the band, is noted.
    bool ReadFrequency(const std::string& column, const std::string& text, double mhz, std::string& out,
                       int& stepClass)
    {
        out = NormalizeFreqText(FormatFixed(mhz, 6), m_options.band.code, stepClass);
        const double stored = LeadingNumber(out);
        if (std::fabs(stored - mhz) > kGridTolerance)
            return Fail(kTextFreqRange, column, text);
        const bool receive = column == "Frequency";
        if (std::fabs(stored - mhz) > kSameFrequency)
            Note(receive ? kTextMovedRx : kTextMovedTx, {FormatFixed(mhz, 6), TrimBlanks(out)});
        if (FreqOutOfBand(stored, m_options.band))
            Note(receive ? kTextOutOfBandRx : kTextOutOfBandTx,
                 {TrimBlanks(out), FormatShortDecimal(m_options.band.lower),
                  FormatShortDecimal(m_options.band.upper)});
        return true;
    }

    bool ReadRow(ChannelPlanRow& row)
    {
        const std::string freqText = Get("Frequency");
        if (freqText.empty())
            return true; // a row without frequency empties its channel
        double rx = 0.0;
        if (!ReadExactDecimal(freqText, rx))
            return Fail(kTextCannotUse, "Frequency", freqText);
        ChannelInput& in = row.input;
        if (!ReadFrequency("Frequency", freqText, rx, in.rxText, in.rxClass) || !ReadTransmit(rx, in) ||
            !ReadTones(in) || !ReadChoices(row))
            return false;
        row.inUse = true;
        return true;
    }

private:
    void Note(int textNumber, std::vector<std::string> args)
    {
        m_notes.push_back({m_record.line, textNumber, std::move(args)});
    }

    bool ReadTransmit(double rx, ChannelInput& in)
    {
        const std::string duplexText = Get("Duplex");
        const std::string duplex = ToUpperAscii(duplexText);
        if (duplex.empty()) {
            in.txText = in.rxText;
            in.txClass = in.rxClass;
            return true;
        }
        if (duplex == "OFF")
            return true; // receive only
        if (duplex != "SPLIT" && duplex != "+" && duplex != "-")
            return Fail(kTextCannotUse, "Duplex", duplexText);
        const std::string offsetText = Get("Offset");
        double offset = 0.0;
        if (!ReadExactDecimal(offsetText, offset))
            return Fail(kTextCannotUse, "Offset", offsetText);
        if (duplex == "SPLIT")
            return ReadFrequency("Offset", offsetText, offset, in.txText, in.txClass);
        const double tx = duplex == "+" ? rx + offset : rx - offset;
        return ReadFrequency("Offset", FormatFixed(tx, 6), tx, in.txText, in.txClass);
    }

    bool ReadTones(ChannelInput& in)
    {
        CsvToneFields f;
        f.tone = Get("Tone");
        auto take = [this](const char* name, std::string& field) {
            if (Has(name))
                field = Get(name);
        };
        take("rToneFreq", f.rToneFreq);
        take("cToneFreq", f.cToneFreq);
        take("DtcsCode", f.dtcsCode);
        take("DtcsPolarity", f.dtcsPolarity);
        take("CrossMode", f.crossMode);
        // The older form has one DCS code for both ways.
        f.rxDtcsCode = Has("RxDtcsCode") ? Get("RxDtcsCode") : f.dtcsCode;
        CsvToneTexts tones;
        if (!ReadToneColumns(f, m_options.tones, tones, m_error))
            return false;
        in.decodeTone = tones.decode;
        // A receive-only channel sends no tone, as the channel editor stores it.
        in.encodeTone = in.txText.empty() ? std::string() : tones.encode;
        return true;
    }

    bool ReadChoices(ChannelPlanRow& row)
    {
        const std::string modeText = Get("Mode");
        const std::string mode = ToUpperAscii(modeText);
        row.input.wide = m_options.wide;
        if (mode == "FM" || mode == "NFM")
            row.input.wide = mode == "FM";
        else if (!mode.empty())
            return Fail(kTextCannotUse, "Mode", modeText); // AM, WFM, DV: not on this radio

        const std::string powerText = Get("Power");
        if (!ReadPower(powerText, row.input.highPower))
            return Fail(kTextCannotUse, "Power", powerText);

        const std::string skipText = Get("Skip");
        const std::string skip = ToUpperAscii(skipText);
        if (!Has("Skip"))
            row.scan = m_options.scan;
        else if (skip.empty() || skip == "P")
            row.scan = true; // a priority channel is scanned too
        else if (skip == "S")
            row.scan = false;
        else
            return Fail(kTextCannotUse, "Skip", skipText);
        return true;
    }

    bool ReadPower(const std::string& text, bool& high) const
    {
        const std::string word = ToUpperAscii(text);
        if (word.empty()) {
            high = m_options.highPower;
            return true;
        }
        if (word == "HIGH" || word == "LOW") {
            high = word == "HIGH";
            return true;
        }
        const std::string number = word.back() == 'W' ? word.substr(0, word.size() - 1) : word;
        double watts = 0.0;
        if (!ReadExactDecimal(number, watts) || watts < 0)
            return false;
        high = watts >= kLowestWatts;
        return true;
    }

    const CsvColumns& m_columns;
    const CsvRecord& m_record;
    const ChannelImportOptions& m_options;
    CsvRowError m_error;
    std::vector<CsvRowNote> m_notes;
};

void StoreRow(CodePlug& image, int n, const ChannelPlanRow& row)
{
    StoreChannel(image, n, row.inUse ? row.input : ChannelInput{}, row.inUse && row.scan);
}

// A priority channel that is no scan channel in use any more is no priority channel either (the editor
// page drops it from its list in the same way).
void DropStalePriorityChannel(CodePlug& image)
{
    const int p = image.ReadByte(Addr::kPriorityChannel);
    if (p >= 1 && p <= kChannels && !(ChannelInUse(image, p) && GetScanFlag(image, p)))
        image.WriteByte(Addr::kPriorityChannel, 0);
}

} // namespace

ChannelPlan ReadChannelPlan(const std::string& text, const ChannelImportOptions& options, bool byLocation)
{
    ChannelPlan plan;
    const std::vector<CsvRecord> records = ParseCsv(text, DetectCsvSeparator(text));
    std::size_t first = 0;
    while (first < records.size() && RecordIsBlank(records[first]))
        ++first;
    if (first == records.size()) {
        plan.errors.push_back({0, kTextNoHeader, "", "", 0});
        return plan;
    }
    CsvColumns columns;
    if (IsHeader(records[first])) {
        columns = CsvColumns(records[first].fields);
        ++first;
    } else if (!byLocation && records[first].fields.size() == ChannelCsvColumns().size()) {
        columns = CsvColumns(ChannelCsvColumns()); // rows copied from a spreadsheet without their header
    } else {
        plan.errors.push_back({records[first].line, kTextNoHeader, "", "", 0});
        return plan;
    }
    if (byLocation && !columns.Has("Location")) {
        plan.errors.push_back({records[first - 1].line, kTextNoHeader, "", "", 0});
        return plan;
    }

    std::array<bool, kChannels + 1> taken{};
    for (std::size_t i = first; i < records.size(); ++i) {
        if (RecordIsBlank(records[i]))
            continue;
        RowReader reader(columns, records[i], options);
        ChannelPlanRow row;
        row.line = records[i].line;
        if ((!byLocation || reader.ReadLocation(row.location, taken)) && reader.ReadRow(row)) {
            if (byLocation)
                taken[static_cast<std::size_t>(row.location)] = true;
            row.notes = reader.Notes();
            plan.rows.push_back(row);
        } else {
            plan.errors.push_back(reader.Error());
        }
    }
    // A header with nothing below it is no channel list to take (and no reason to empty the table).
    if (plan.rows.empty() && plan.errors.empty())
        plan.errors.push_back({first > 0 ? records[first - 1].line : 0, kTextNoRows, "", "", 0});
    return plan;
}

ChannelImportResult ImportChannelsCsv(CodePlug& image, const std::string& text,
                                      const ChannelImportOptions& options, bool partial)
{
    const ChannelPlan plan = ReadChannelPlan(text, options, true);
    ChannelImportResult result;
    result.errors = plan.errors;
    // Even with partial, a text without any good row (or without a header) leaves the table alone:
    // emptying every channel is never what a bad file asked for.
    if ((!plan.errors.empty() && !partial) || plan.rows.empty())
        return result;

    std::array<bool, kChannels + 1> keep{};
    for (const CsvRowError& e : plan.errors)
        if (e.location > 0)
            keep[static_cast<std::size_t>(e.location)] = true;
    for (const ChannelPlanRow& row : plan.rows)
        keep[static_cast<std::size_t>(row.location)] = true;

    CodePlug next = image;
    for (int n = 1; n <= kChannels; ++n)
        if (!keep[static_cast<std::size_t>(n)])
            StoreRow(next, n, ChannelPlanRow{});
    for (const ChannelPlanRow& row : plan.rows) {
        StoreRow(next, row.location, row);
        ++result.rows;
        result.channels += row.inUse ? 1 : 0;
        result.notes.insert(result.notes.end(), row.notes.begin(), row.notes.end());
    }
    DropStalePriorityChannel(next);
    image = next;
    result.applied = true;
    return result;
}

ChannelImportResult PasteChannelsText(CodePlug& image, const std::string& text, int first,
                                      const ChannelImportOptions& options)
{
    const ChannelPlan plan = ReadChannelPlan(text, options, false);
    ChannelImportResult result;
    result.errors = plan.errors;
    if (!result.errors.empty())
        return result;
    first = first < 1 ? 1 : first;
    if (first + static_cast<int>(plan.rows.size()) - 1 > kChannels) {
        result.errors.push_back({0, kTextPastLast, "", "", 0});
        return result;
    }
    CodePlug next = image;
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        StoreRow(next, first + static_cast<int>(i), plan.rows[i]);
        ++result.rows;
        result.channels += plan.rows[i].inUse ? 1 : 0;
        result.notes.insert(result.notes.end(), plan.rows[i].notes.begin(), plan.rows[i].notes.end());
    }
    DropStalePriorityChannel(next);
    image = next;
    result.applied = true;
    return result;
}

void ClearChannels(CodePlug& image, const std::vector<int>& channels)
{
    for (int n : channels)
        if (n >= 1 && n <= kChannels)
            StoreRow(image, n, ChannelPlanRow{});
    DropStalePriorityChannel(image);
}
