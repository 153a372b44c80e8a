// Cell texts, typed-value rules and the rebuilt block of the alignment-data tables.
#include "service/AlignmentTables.h"

#include <algorithm>
#include <cmath>

#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/NumberText.h"

namespace {

constexpr const char* kNoFrequency = "FFFFFFFF";
constexpr double kBandMarginMHz = 50.0;
// The widest span the 4-byte frequency field can hold.
constexpr double kFieldLowestMHz = 10.0;
constexpr double kFieldHighestMHz = 999.0;

bool IsBlock(const std::string& data)
{
    return data.size() == static_cast<std::size_t>(kAlignmentChars) && IsHexText(data);
}

std::string Field(const std::string& data, int byte, int bytes)
{
    return data.substr(static_cast<std::size_t>(2 * byte), static_cast<std::size_t>(2 * bytes));
}

void PutField(std::string& data, int byte, const std::string& hex)
{
    data.replace(static_cast<std::size_t>(2 * byte), hex.size(), hex);
}

} // namespace

std::string AlignmentFreqText(const std::string& data, int row, int col)
{
    const int byte = FreqCellByte(row, col);
    if (byte < 0 || !IsBlock(data))
        return std::string();
    return DecodeFreq(Field(data, byte, 4));
}

std::string AlignmentParamText(const std::string& data, int row, int col)
{
    const int byte = ParamCellByte(row, col);
    if (byte < 0 || !IsBlock(data))
        return std::string();
    return std::to_string(HexToInt(Field(data, byte, 1)));
}

int CountDifferingValues(const std::string& a, const std::string& b)
{
    if (!IsBlock(a) || !IsBlock(b))
        return -1;
    const std::string x = ToUpperAscii(a);
    const std::string y = ToUpperAscii(b);
    int differing = 0;
    auto compare = [&](int byte, int bytes) { differing += Field(x, byte, bytes) != Field(y, byte, bytes); };
    for (int row = 1; row <= kFreqRows; ++row)
        for (int col = 1; col <= kFreqColumns; ++col)
            compare(FreqCellByte(row, col), 4);
    for (int byte = kFirstParamByte; byte < kAlignmentBytes; ++byte)
        compare(byte, 1);
    return differing;
}

void AlignmentTables::Fill(const std::string& data)
{
    if (!IsBlock(data))
        return;
    m_source = ToUpperAscii(data);
    m_bFilled = true;
    for (int row = 1; row <= kFreqRows; ++row)
        for (int col = 1; col <= kFreqColumns; ++col)
            Freq(row, col) = AlignmentFreqText(m_source, row, col);
    for (int row = 1; row <= kParamRows; ++row)
        for (int col = 1; col <= kParamColumns; ++col)
            Param(row, col) = AlignmentParamText(m_source, row, col);
    m_nCrystal = HexToInt(Field(m_source, kCrystalByte, 1)) == 0 ? 0 : 1;
    m_nVoiceChip = HexToInt(Field(m_source, kVoiceChipByte, 1)) == 0 ? 0 : 1;
}

void AlignmentTables::Clear()
{
    m_bFilled = false;
    for (auto& row : m_freq)
        row.fill(std::string());
    for (auto& row : m_param)
        row.fill(std::string());
    m_nCrystal = -1;
    m_nVoiceChip = -1;
}

std::string& AlignmentTables::Freq(int row, int col)
{
    return m_freq[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
}

std::string& AlignmentTables::Param(int row, int col)
{
    return m_param[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
}

std::string AlignmentTables::FreqText(int row, int col) const
{
    if (FreqCellByte(row, col) < 0)
        return std::string();
    return m_freq[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
}

std::string AlignmentTables::ParamText(int row, int col) const
{
    if (ParamCellByte(row, col) < 0)
        return std::string();
    return m_param[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
}

bool AlignmentTables::CommitFreq(int row, int col, const std::string& text, double lowerMHz, double upperMHz)
{
    if (!CanEditFreq(row, col))
        return false;
    const int other = col == 1 ? 2 : 1;
    const std::string typed = TrimBlanks(text);
    if (typed.empty()) {
        Freq(row, col).clear();
        Freq(row, other).clear();
        return true;
    }
    double mhz = 0.0;
    if (!ReadExactDecimal(typed, mhz))
        return false;
    const double lowest = std::max(lowerMHz - kBandMarginMHz, kFieldLowestMHz);
    const double highest = std::min(upperMHz + kBandMarginMHz, kFieldHighestMHz);
    mhz = std::clamp(mhz, lowest, std::max(lowest, highest));
    Freq(row, col) = FormatMHz(mhz);
    if (Freq(row, other).empty())
        Freq(row, other) = Freq(row, col);
    return true;
}

bool AlignmentTables::CommitParam(int row, int col, const std::string& text)
{
    if (!CanEditParam(row, col))
        return false;
    double value = 0.0;
    if (!ReadExactDecimal(text, value))
        return false;
    Param(row, col) = std::to_string(static_cast<int>(std::clamp(std::trunc(value), 0.0, 255.0)));
    return true;
}

std::string AlignmentTables::Build() const
{
    std::string data = m_source;
    if (!m_bFilled)
        return data;
    for (int row = 1; row <= kFreqRows; ++row) {
        for (int col = 1; col <= kFreqColumns; ++col) {
            const std::string& text = FreqText(row, col);
            if (text == AlignmentFreqText(m_source, row, col))
                continue; // unedited: the field keeps its bytes, even ones that are no frequency
            std::string field = text.empty() ? std::string(kNoFrequency) : EncodeFreq(LeadingNumber(text));
            PutField(data, FreqCellByte(row, col), field.empty() ? std::string(kNoFrequency) : field);
        }
    }
    for (int row = 1; row <= kParamRows; ++row) {
        for (int col = 1; col <= ParamRowColumns(row); ++col) {
            const std::string& text = ParamText(row, col);
            if (text.empty() || text == AlignmentParamText(m_source, row, col))
                continue;
            PutField(data, ParamCellByte(row, col),
                     IntToHex(std::clamp(static_cast<int>(ReadLeadingDigits(text)), 0, 255), 1));
        }
    }
    return data;
}
