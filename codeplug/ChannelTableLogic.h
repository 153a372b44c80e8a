// What the editor page's channel table shows for the code plug, without widgets: header texts,
// column widths, the cell texts of each channel row and which frequency cells are drawn red.
#pragma once

#include <array>
#include <string>

#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"

inline constexpr int kTableRows = 17; // header row + 16 channels
inline constexpr int kTableColumns = 8;

// Columns of the table, in the order they stand.
enum TableColumn {
    kColNumber = 0,
    kColRx = 1,
    kColTx = 2,
    kColDecode = 3,
    kColEncode = 4,
    kColBandwidth = 5, // hidden
    kColPower = 6,
    kColScan = 7,
};

// Header texts of columns 0 ... 7 in the current language.
std::array<std::string, kTableColumns> ChannelTableHeaders();
// Column width in twips (the bandwidth column is 0: hidden).
int ColumnWidthTwips(int column);
// Twips to screen pixels at 96 dots per inch.
int TwipsToPixels(int twips);
// Pixel widths of columns 0 ... 7 for a grid whose cells have `available` pixels: the twips widths,
// and when there is more room the extra shared out among the shown columns in proportion to them, so
// that together they fill the width exactly. The hidden column stays 0.
std::array<int, kTableColumns> ColumnWidths(int available);
// Row heights for a grid h pixels tall: [0] the header row, [1] each channel row.
std::array<int, 2> RowHeights(int gridHeight);

// The cells of one channel row: texts of columns 0 ... 7, and the red marks of columns 1 and 2.
struct ChannelCells {
    std::array<std::string, kTableColumns> text;
    bool rxRed = false;
    bool txRed = false;
};
ChannelCells ChannelRowCells(const CodePlug& image, int n, const BandState& band);

// True when a frequency cell's text holds a value that is not 0 and lies outside the band.
bool CellOutOfBand(const std::string& cellText, const BandState& band);
// True when the receive cell is not blank and the scan cell says yes (text 90003).
bool RowIsScanChannel(const std::string& rxCell, const std::string& scanCell);
