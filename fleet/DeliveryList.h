// The delivery list of a fleet run without a painter: a title, the run's outcome, and a table of the
// radios handled (number, serial number, hardware, firmware, port, time, result), split into pages.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <vector>

#include "fleet/FleetRadio.h"

inline constexpr int kDeliveryColumns = 7;
inline constexpr int kDeliveryRowsPerPage = 28; // radios on a page of A4 landscape, below the header row

using DeliveryRow = std::array<std::string, kDeliveryColumns>;

struct DeliveryList {
    bool chinese = false;
    std::string title;   // text 9779
    std::string outcome; // "n of N radios programmed and verified."
    std::string made;    // when the list was made, "%Y-%m-%d %H:%M:%S"
    DeliveryRow header;
    std::vector<DeliveryRow> rows; // one per radio, in the order they were handled

    int PageCount() const;
    // The rows of a page (1-based); empty past the end.
    std::vector<DeliveryRow> RowsOfPage(int page) const;
};

// The list of the radios of a run that wanted count radios, in the interface language.
DeliveryList MakeDeliveryList(const std::vector<FleetRadio>& radios, int count, std::time_t made);

// A result in the interface language (texts 9772-9775).
std::string FleetResultText(FleetResult result);
