// Rules of the radio-history window: filtering, cell texts, details, selection and differences.
#include "history/HistoryView.h"

#include <algorithm>
#include <set>

#include "app/LangText.h"
#include "codeplug/CodePlug.h"
#include "codeplug/CodePlugDiff.h"
#include "codeplug/DiffText.h"
#include "history/HistoryTexts.h"

namespace {

constexpr int kTextSame = 9564; // "The two code plugs are the same."
constexpr std::size_t kDateChars = 10;

std::string DateOf(const HistoryRecord& row) { return HistoryTimeText(row.time).substr(0, kDateChars); }

std::string Caption(int number) { return GetLangText(number); }

// "No. 12, 2026-12-08 14:03:22, Write"
std::string RowName(const HistoryRecord& row)
{
    return Caption(histtext::kColumnId) + " " + std::to_string(row.id) + ", " + HistoryTimeText(row.time) +
           ", " + HistoryOpText(row.operation);
}

} // namespace

bool HistoryFilter::Matches(const HistoryRecord& row) const
{
    if (!serial.empty() && row.serial != serial)
        return false;
    if (operation && row.operation != *operation)
        return false;
    const std::string date = DateOf(row);
    return (fromDate.empty() || date >= fromDate) && (toDate.empty() || date <= toDate);
}

void HistoryView::SetRows(std::vector<HistoryRecord> rows)
{
    m_rows = std::move(rows);
    Refilter();
}

void HistoryView::SetFilter(const HistoryFilter& filter)
{
    m_filter = filter;
    Refilter();
}

void HistoryView::Refilter()
{
    m_shown.clear();
    for (const HistoryRecord& row : m_rows)
        if (m_filter.Matches(row))
            m_shown.push_back(&row);
}

std::vector<std::string> HistoryView::Serials() const
{
    std::set<std::string> serials;
    for (const HistoryRecord& row : m_rows)
        if (!row.serial.empty())
            serials.insert(row.serial);
    return {serials.begin(), serials.end()};
}

std::string HistoryView::FirstDate() const
{
    if (m_rows.empty())
        return {};
    return DateOf(*std::min_element(m_rows.begin(), m_rows.end(),
                                    [](const HistoryRecord& a, const HistoryRecord& b) { return a.time < b.time; }));
}

std::string HistoryView::LastDate() const
{
    if (m_rows.empty())
        return {};
    return DateOf(*std::max_element(m_rows.begin(), m_rows.end(),
                                    [](const HistoryRecord& a, const HistoryRecord& b) { return a.time < b.time; }));
}

std::vector<std::string> HistoryView::Headings()
{
    using namespace histtext;
    return {Caption(kColumnId),       Caption(kColumnTime),   Caption(kColumnOperation), Caption(kColumnPort),
            Caption(kSerialNumber),   Caption(kHardwareVersion), Caption(kFirmware),     Caption(kColumnResult)};
}

std::vector<std::string> HistoryView::Cells(const HistoryRecord& row)
{
    return {std::to_string(row.id), HistoryTimeText(row.time), HistoryOpText(row.operation), row.port,
            row.serial,             row.hardware,              row.firmware,                 HistoryResultText(row.result)};
}

std::string HistoryView::Details(const HistoryRecord& row)
{
    using namespace histtext;
    std::string text;
    auto line = [&text](int caption, const std::string& value) {
        if (!value.empty())
            text += Caption(caption) + ": " + value + "\n";
    };
    line(kLabelModel, row.model);
    line(kBand, row.band);
    if (row.HoldsCodePlug())
        line(kLabelCodePlug, BandText(CodePlug(row.data)));
    else if (row.HoldsAlignment())
        line(kAlignmentData, row.data);
    line(kLabelFile, row.file);
    line(kLabelMessage, row.message);
    if (!text.empty())
        text.pop_back(); // no empty line after the last
    return text;
}

bool HistoryView::CanOpen(const std::vector<const HistoryRecord*>& selected)
{
    return selected.size() == 1 && selected.front()->HoldsCodePlug();
}

bool HistoryView::CanCompare(const std::vector<const HistoryRecord*>& selected)
{
    return selected.size() == 2 && selected[0]->HoldsCodePlug() && selected[1]->HoldsCodePlug();
}

std::string HistoryView::Differences(const HistoryRecord& a, const HistoryRecord& b)
{
    const bool aFirst = a.time != b.time ? a.time < b.time : a.id < b.id;
    const HistoryRecord& older = aFirst ? a : b;
    const HistoryRecord& newer = aFirst ? b : a;
    std::string text = RowName(older) + " \u2192 " + RowName(newer) + "\n\n";
    const CodePlugDiff diff = DiffCodePlugs(CodePlug(older.data), CodePlug(newer.data));
    if (diff.Equal())
        return text + Caption(kTextSame) + "\n";
    for (const std::string& line : DiffLines(diff))
        text += line + "\n";
    return text;
}
