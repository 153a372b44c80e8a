// Cell texts and layout figures of the editor page's channel table.
#include "codeplug/ChannelTableLogic.h"

#include <charconv>

#include "app/LangText.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/HexText.h"

std::array<std::string, kTableColumns> ChannelTableHeaders()
{
    static constexpr std::array<int, kTableColumns> kNumbers{4019, 4020, 4021, 4022, 4023, 4011, 4012, 4026};
    std::array<std::string, kTableColumns> headers;
    for (std::size_t c = 0; c < headers.size(); ++c)
        headers[c] = GetLangText(kNumbers[c]);
    return headers;
}

int ColumnWidthTwips(int column)
{
    static constexpr std::array<int, kTableColumns> kTwips{1300, 1700, 1700, 1700, 1700, 0, 1400, 1400};
    if (column < 0 || column >= kTableColumns)
        return 0;
    return kTwips[static_cast<std::size_t>(column)];
}

int TwipsToPixels(int twips) { return (twips + 7) / 15; }

std::array<int, kTableColumns> ColumnWidths(int available)
{
    std::array<int, kTableColumns> widths{};
    int base = 0;
    for (int c = 0; c < kTableColumns; ++c) {
        widths[static_cast<std::size_t>(c)] = TwipsToPixels(ColumnWidthTwips(c));
        base += widths[static_cast<std::size_t>(c)];
    }
    const int extra = available - base;
    if (extra <= 0 || base == 0)
        return widths;
    // Each column gets its share of the extra width; the pixels lost to rounding go to the last
    // shown columns, one each, so that the total is exact.
    int given = 0;
    for (auto& w : widths) {
        const int share = w * extra / base;
        w += share;
        given += share;
    }
    for (int c = kTableColumns - 1; c >= 0 && given < extra; --c) {
        if (widths[static_cast<std::size_t>(c)] > 0) {
            ++widths[static_cast<std::size_t>(c)];
            ++given;
        }
    }
    return widths;
}

std::array<int, 2> RowHeights(int gridHeight)
{
    const int row = gridHeight > 0 ? gridHeight / kTableRows : 0;
    return {gridHeight - (kTableRows - 1) * row, row};
}

ChannelCells ChannelRowCells(const CodePlug& image, int n, const BandState& band)
{
    ChannelCells cells;
    cells.text[kColNumber] = std::to_string(n);
    const ChannelRow row = RenderChannelRow(image, n, band);
    if (row.blank)
        return cells;
    cells.text[kColRx] = row.rx;
    cells.text[kColTx] = row.tx;
    cells.text[kColDecode] = row.decode;
    cells.text[kColEncode] = row.tx.empty() ? std::string() : row.encode;
    cells.text[kColBandwidth] = GetLangText(row.wide ? 4047 : 4048);
    cells.text[kColPower] = GetLangText(row.highPower ? 4049 : 4050);
    cells.text[kColScan] = GetLangText(row.scan ? 90003 : 90004);
    cells.rxRed = CellOutOfBand(row.rx, band);
    cells.txRed = CellOutOfBand(row.tx, band);
    return cells;
}

bool CellOutOfBand(const std::string& cellText, const BandState& band)
{
    const std::string t = TrimBlanks(cellText);
    if (t.empty())
        return false;
    // The cell holds the "%9.5f" text the table wrote; a text that does not start with a number reads 0.
    double mhz = 0.0;
    std::from_chars(t.data(), t.data() + t.size(), mhz);
    return FreqOutOfBand(mhz, band);
}

bool RowIsScanChannel(const std::string& rxCell, const std::string& scanCell)
{
    return !TrimBlanks(rxCell).empty() && scanCell == GetLangText(90003);
}
