// Millimetre layout of the report page.
#include "print/ReportLayout.h"

#include <cmath>

int MmToDevice(double mm, int dpi)
{
    // A hair above the exact product, so that 41 mm at 254 pixels per inch gives 410 and not 409
    // through the rounding of 25.4 in binary.
    return static_cast<int>(std::trunc(mm * dpi / 25.4 + (mm >= 0 ? 1e-7 : -1e-7)));
}

int FontPixelHeight(int points, int dpi) { return static_cast<int>(std::lround(points * dpi / 72.0)); }

EntryPlace EntryPlaceOf(int index, bool chinese)
{
    // Columns of the block: the left column (model, key, language), then three columns of label and
    // value pairs whose labels end where their values begin.
    static constexpr EntryPlace kPlaces[] = {
        {41.0, 18, 68, false, 0, 0},      // model group caption
        {46.0, 0, 0, false, 18, 68},      // model
        {52.5, 18, 68, false, 0, 0},      // key group caption
        {57.5, 0, 0, false, 18, 68},      // monitor key
        {64.0, 18, 48, false, 48, 78},    // language type
        {41.0, 75, 115, true, 115, 125},  // time-out timer
        {48.3, 75, 115, true, 115, 125},  // TOT pre-alert
        {55.6, 75, 115, true, 115, 125},  // squelch level
        {62.9, 75, 115, true, 115, 135},  // battery save
        {41.0, 135, 160, true, 160, 180}, // wired clone mode
        {48.3, 135, 160, true, 160, 180}, // priority
        {55.6, 135, 160, true, 160, 180}, // priority channel
        {62.9, 135, 160, true, 160, 180}, // revert channel
        {41.0, 195, 245, true, 245, 295}, // rescan time A
        {48.2, 195, 245, true, 245, 295}, // rescan time B
        {55.4, 195, 245, true, 245, 295}, // transmit pause time
        {62.6, 195, 245, true, 245, 295}, // scan dwell time
    };
    EntryPlace place = kPlaces[index < 0 || index > 16 ? 0 : index];
    if (index == kEntryLanguage && chinese) {
        place.valueLeft = 37;
        place.valueRight = 67;
    }
    return place;
}

std::array<double, 8> ReportColumnEdges()
{
    static constexpr double kWidths[] = {34, 40, 40, 40, 40, 36, 37};
    std::array<double, 8> edges{};
    edges[0] = kTableLeftMm;
    for (int i = 0; i < 7; ++i)
        edges[static_cast<std::size_t>(i + 1)] = edges[static_cast<std::size_t>(i)] + kWidths[i];
    return edges;
}

double TableTopMm(int page) { return page <= 1 ? 83.0 : 25.0; }
