// Cell positions and labels of the alignment-data tables.
#include "service/AlignmentLayout.h"

#include "app/LangText.h"

namespace {

constexpr std::array<int, kParamRows> kRowColumns = {1, 1, 5, 5, 2, 2, 5};
constexpr std::array<int, kParamRows + 1> kParamLabels = {7010, 7011, 7012, 4107, 7013, 7014, 7015, 7016};
constexpr std::array<int, kFreqRows + 1> kFreqLabels = {7009, 90018, 7006, 90038, 7007, 90017};

} // namespace

int FreqCellByte(int row, int col)
{
    if (row < 1 || row > kFreqRows || col < 1 || col > kFreqColumns)
        return -1;
    return (row - 1) * 8 + (col - 1) * 4;
}

int ParamRowColumns(int row)
{
    return row >= 1 && row <= kParamRows ? kRowColumns[static_cast<std::size_t>(row - 1)] : 0;
}

int ParamCellByte(int row, int col)
{
    if (col < 1 || col > ParamRowColumns(row))
        return -1;
    int offset = kFirstParamByte;
    for (int r = 1; r < row; ++r)
        offset += ParamRowColumns(r);
    return offset + col - 1;
}

HeadingLayout LayoutForRow(int row)
{
    switch (row) {
    case 3:
    case 4:
    case 7:
        return HeadingLayout::C;
    case 5:
    case 6:
        return HeadingLayout::B;
    default:
        return HeadingLayout::A;
    }
}

std::array<int, kParamColumns> ParamHeadings(HeadingLayout layout)
{
    switch (layout) {
    case HeadingLayout::C:
        return {90018, 7006, 90038, 7007, 90017};
    case HeadingLayout::B:
        return {4047, 4048, 0, 0, 0};
    case HeadingLayout::A:
        break;
    }
    return {90038, 0, 0, 0, 0};
}

int ParamRowLabel(int row)
{
    return row >= 0 && row <= kParamRows ? kParamLabels[static_cast<std::size_t>(row)] : 0;
}

int FreqRowLabel(int row)
{
    return row >= 0 && row <= kFreqRows ? kFreqLabels[static_cast<std::size_t>(row)] : 0;
}

int FreqColumnHeading(int col) { return col == 1 ? 5002 : col == 2 ? 5003 : 0; }

std::array<std::string, 2> CrystalEntries() { return {"12.8M", "13.0M"}; }

std::array<std::string, 2> VoiceChipEntries() { return {"W588", GetLangText(7026)}; }
