// Where the report's parts stand on the A4 landscape page, in millimetres, and how millimetres and
// points become device pixels for a device of a given resolution.
#pragma once

#include <array>

inline constexpr double kPageWidthMm = 297.0;
inline constexpr double kPageHeightMm = 210.0;
inline constexpr double kTitleTopMm = 25.0;
inline constexpr double kTitleBottomMm = 35.0;
inline constexpr double kEntryHeightMm = 6.0;
inline constexpr double kTableLeftMm = 15.0;
inline constexpr double kTableRightMm = 282.0;
inline constexpr double kRowHeightMm = 6.0;
inline constexpr int kTitlePoints = 16;
inline constexpr int kBodyPoints = 10;

// Millimetres to device pixels at dpi pixels per inch, truncated toward zero.
int MmToDevice(double mm, int dpi);
// Pixel height of a font of this many points at dpi (vertical) pixels per inch, rounded.
int FontPixelHeight(int points, int dpi);

// Place of one settings-block entry: rectangle tops and horizontal extents; an extent with
// right <= left means the entry has no such part.
struct EntryPlace {
    double top;
    double labelLeft, labelRight;
    bool labelAlignRight;
    double valueLeft, valueRight;
};
// Entry of the language type, the one whose value stands further left in Chinese.
inline constexpr int kEntryLanguage = 4;
// The place of entry index (0 ... 16, the order of ReportModel::settings); the language type's value
// stands further left in Chinese.
EntryPlace EntryPlaceOf(int index, bool chinese);

// Left edge of the table and the right edges of its seven printed columns.
std::array<double, 8> ReportColumnEdges();
// Top of the table band: 83 mm on page 1, 25 mm on later pages.
double TableTopMm(int page);
