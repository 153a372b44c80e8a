// Encoding of the test-frequency table and the commit rule of its editor.
#include "editor/TestFreqTable.h"

#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "editor/ChannelRules.h"

namespace {

constexpr std::size_t kFieldChars = 8; // one frequency field
constexpr std::size_t kEntryChars = 2 * kTestFreqEntryBytes;
constexpr std::size_t kTableChars = kEntryChars * kTestFreqRows;

// A frequency field holding eight decimal digits; anything else (FFFFFFFF, corrupt bytes) is none.
std::string FieldText(const std::string& field)
{
    for (char c : field) {
        if (c < '0' || c > '9') {
            return {};
        }
    }
    return DecodeFreq(field);
}

std::string FieldOf(const std::string& text)
{
    if (TrimBlanks(text).empty()) {
        return "FFFFFFFF";
    }
    const std::string field = EncodeFreq(LeadingNumber(text));
    return field.empty() ? "FFFFFFFF" : field;
}

} // namespace

TestFreqTable DecodeTestFreqTable(const std::string& hex)
{
    TestFreqTable table;
    for (int i = 0; i < kTestFreqRows; ++i) {
        const std::size_t pos = static_cast<std::size_t>(i) * kEntryChars;
        if (pos + kEntryChars > hex.size()) {
            break;
        }
        const std::string entry = hex.substr(pos, kEntryChars);
        if (entry == std::string(kEntryChars, 'F') || entry == std::string(kEntryChars, '0')) {
            continue;
        }
        const std::string rx = FieldText(entry.substr(0, kFieldChars));
        if (rx.empty()) {
            continue;
        }
        table[static_cast<std::size_t>(i)].rx = rx;
        table[static_cast<std::size_t>(i)].tx = FieldText(entry.substr(kFieldChars, kFieldChars));
    }
    return table;
}

bool IsCalibrationRow(int row)
{
    const int address = Addr::kTestFreqs + (row - 1) * kTestFreqEntryBytes;
    return row >= 1 && row <= kTestFreqRows && address >= Addr::kAlignment && address < Addr::kAlignmentEnd;
}

TestFreqTable ReadTestFreqTable(const CodePlug& image)
{
    TestFreqTable table =
        DecodeTestFreqTable(image.Read(Addr::kTestFreqs, static_cast<int>(kTableChars / 2)));
    for (int row = 1; row <= kTestFreqRows; ++row)
        if (IsCalibrationRow(row))
            table[static_cast<std::size_t>(row - 1)] = TestFreqRow{};
    return table;
}

std::string EncodeTestFreqTable(const TestFreqTable& table)
{
    std::string hex;
    hex.reserve(kTableChars);
    for (const TestFreqRow& row : table) {
        if (TrimBlanks(row.rx).empty() && TrimBlanks(row.tx).empty()) {
            hex += std::string(kEntryChars, 'F');
        } else {
            hex += FieldOf(row.rx) + FieldOf(row.tx);
        }
    }
    return hex;
}

void WriteTestFreqTable(CodePlug& image, const TestFreqTable& table)
{
    const std::string current = image.Read(Addr::kTestFreqs, static_cast<int>(kTableChars / 2));
    const TestFreqTable shown = DecodeTestFreqTable(current);
    std::string hex = EncodeTestFreqTable(table);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const bool same = TrimBlanks(shown[i].rx) == TrimBlanks(table[i].rx) &&
                          TrimBlanks(shown[i].tx) == TrimBlanks(table[i].tx);
        // A row the user left as it was shown keeps its bytes (the tail of a 16-byte test record), and
        // the radio's alignment block is never the test table's to change.
        const bool calibration = IsCalibrationRow(static_cast<int>(i) + 1);
        if ((same || calibration) && current.size() == kTableChars)
            hex.replace(i * kEntryChars, kEntryChars, current, i * kEntryChars, kEntryChars);
    }
    image.Write(Addr::kTestFreqs, hex);
}

void CommitTestFreqText(TestFreqRow& row, int column, const std::string& text, const std::string& bandCode)
{
    if (TrimBlanks(text).empty()) {
        row = TestFreqRow{};
        return;
    }
    int stepClass = 0;
    const std::string mhz = NormalizeFreqText(text, bandCode, stepClass);
    std::string& cell = column == 1 ? row.rx : row.tx;
    std::string& other = column == 1 ? row.tx : row.rx;
    cell = mhz;
    if (TrimBlanks(other).empty()) {
        other = mhz;
    }
}
