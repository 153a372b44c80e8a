// Widget-free part of the radio-history window: the rows with the filter the user set (serial number,
// operation, dates), the table's cell texts, the details of a row, which commands the selection
// allows, and the differences between two recorded code plugs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "history/HistoryRecord.h"

struct HistoryFilter {
    std::string serial;                  // "" for every radio
    std::optional<HistoryOp> operation;  // none for every operation
    std::string fromDate;                // local dates "YYYY-MM-DD", both included; "" for no limit
    std::string toDate;

    bool Matches(const HistoryRecord& row) const;
};

class HistoryView {
public:
    static constexpr int kColumns = 8; // No., time, operation, port, serial, hardware, firmware, result

    // The history's rows, newest first (HistoryStore::List).
    void SetRows(std::vector<HistoryRecord> rows);
    void SetFilter(const HistoryFilter& filter);
    const HistoryFilter& Filter() const { return m_filter; }

    std::size_t RowCount() const { return m_rows.size(); }
    // The rows the filter lets through, newest first.
    const std::vector<const HistoryRecord*>& Shown() const { return m_shown; }
    // The serial numbers of all rows, sorted, each once ("" left out).
    std::vector<std::string> Serials() const;
    // The local dates of the oldest and the newest row ("" without rows).
    std::string FirstDate() const;
    std::string LastDate() const;

    // The captions of the columns and one row's cells, in the interface language.
    static std::vector<std::string> Headings();
    static std::vector<std::string> Cells(const HistoryRecord& row);
    // Everything about a row that the table does not show, one item a line (the message may take
    // several).
    static std::string Details(const HistoryRecord& row);

    // One row that holds a code plug: it can be opened as a document.
    static bool CanOpen(const std::vector<const HistoryRecord*>& selected);
    // Two rows that hold code plugs: they can be compared.
    static bool CanCompare(const std::vector<const HistoryRecord*>& selected);
    // The differences from the older row's code plug to the newer one's, one item a line, after a
    // line naming both rows; text 9564 when they are the same.
    static std::string Differences(const HistoryRecord& a, const HistoryRecord& b);

private:
    void Refilter();

    std::vector<HistoryRecord> m_rows;
    HistoryFilter m_filter;
    std::vector<const HistoryRecord*> m_shown;
};
