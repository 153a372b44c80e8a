// The 16 channels as rows of the common channel-list layout that radio programming tools exchange
// (Location, Frequency, Duplex, tone columns, Mode, TStep, Skip, Power, ...): the columns, the rows
// written for the records, and the way a problem with a row is reported.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"
#include "editor/CsvText.h"

// The columns of the current form of the layout, in the order they are written.
const std::vector<std::string>& ChannelCsvColumns();

// The fields of a record by column name, matched with the header it came with (case and blanks
// around the names do not matter; unknown columns are never asked for).
class CsvColumns {
public:
    CsvColumns() = default;
    explicit CsvColumns(const std::vector<std::string>& header);
    bool Has(const std::string& name) const;
    // The field without surrounding blanks; empty when the column or the field is missing.
    std::string Get(const CsvRecord& record, const std::string& name) const;

private:
    std::map<std::string, std::size_t> m_index; // upper-case name -> position
};

// A row that cannot be taken, with its line and the reason (an interface text with the column and
// value it names). line 0 is a problem of the whole text.
struct CsvRowError {
    int line = 0;
    int textNumber = 0;
    std::string column;
    std::string value;
    int location = 0; // channel the row was meant for, 0 when unknown
};
// "Line 5: frequency ...": the reason in the current language.
std::string DescribeCsvError(const CsvRowError& error);
// One line per error; beyond maxLines the rest is counted in a last line.
std::string DescribeCsvErrors(const std::vector<CsvRowError>& errors, std::size_t maxLines = 1000);

// What became of a row that was taken, when it is not quite what the row said: a frequency moved to
// the channel step, a frequency outside the band. An interface text with its arguments.
struct CsvRowNote {
    int line = 0;
    int textNumber = 0;
    std::vector<std::string> args;

    bool operator==(const CsvRowNote&) const = default;
};
// "Line 5: receive frequency 433.122500 → 433.12000 ...", one line per note; beyond maxLines the rest
// is counted in a last line.
std::string DescribeCsvNotes(const std::vector<CsvRowNote>& notes, std::size_t maxLines = 1000);

// The fields of channel n (1 ... 16) in column order; empty for a channel that is not in use.
std::vector<std::string> ChannelCsvFields(const CodePlug& image, int n);
bool ChannelInUse(const CodePlug& image, int n);

// A channel-list file: the header and one line per channel in use (empty channels are left out),
// comma-separated, CRLF line ends.
std::string ExportChannelsCsv(const CodePlug& image);
// The clipboard form of some channels: tab-separated with the header, LF line ends; a channel not in
// use is a row with its Location only, so that pasting it back empties the channel it lands on.
std::string CopyChannelsText(const CodePlug& image, const std::vector<int>& channels);
