// The delivery list's texts and pages.
#include "fleet/DeliveryList.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/LangText.h"
#include "fleet/FleetTexts.h"
#include "history/HistoryRecord.h"
#include "history/HistoryTexts.h"

namespace {
constexpr int kColumnNumber = histtext::kColumnId;
} // namespace

std::string FleetResultText(FleetResult result)
{
    return GetLangText(fleettext::kFirstResult + static_cast<int>(result));
}

int DeliveryList::PageCount() const
{
    return std::max(1, static_cast<int>((rows.size() + kDeliveryRowsPerPage - 1) / kDeliveryRowsPerPage));
}

std::vector<DeliveryRow> DeliveryList::RowsOfPage(int page) const
{
    const std::size_t first = static_cast<std::size_t>(std::max(page - 1, 0)) * kDeliveryRowsPerPage;
    if (page < 1 || first >= rows.size())
        return {};
    const std::size_t last = std::min(rows.size(), first + kDeliveryRowsPerPage);
    return {rows.begin() + static_cast<long>(first), rows.begin() + static_cast<long>(last)};
}

DeliveryList MakeDeliveryList(const std::vector<FleetRadio>& radios, int count, std::time_t made)
{
    DeliveryList list;
    list.chinese = g_nLanguage == kLangChinese;
    list.title = GetLangText(fleettext::kListTitle);
    int programmed = 0;
    for (const FleetRadio& r : radios)
        programmed += r.result == FleetResult::Programmed ? 1 : 0;
    list.outcome = GetLangTextWith(fleettext::kRunEnded, {std::to_string(programmed), std::to_string(count)});
    list.made = HistoryTimeText(made);
    list.header = {GetLangText(kColumnNumber),       GetLangText(histtext::kSerialNumber),
                   GetLangText(histtext::kHardwareVersion), GetLangText(histtext::kFirmware),
                   GetLangText(histtext::kColumnPort), GetLangText(fleettext::kColumnEnd),
                   GetLangText(histtext::kColumnResult)};
    int number = 0;
    for (const FleetRadio& r : radios)
        list.rows.push_back({std::to_string(++number), r.serial, r.hardware, r.firmware, r.port,
                             HistoryTimeText(r.end), FleetResultText(r.result)});
    return list;
}
