// Reading and writing comma- or tab-separated text as spreadsheets and other radio tools produce it:
// quoted fields, doubled quotes, CRLF or LF line ends, a UTF-8 byte-order mark and "#" comment lines.
#pragma once

#include <string>
#include <vector>

struct CsvRecord {
    int line = 0; // line of the text on which the record begins, counted from 1
    std::vector<std::string> fields;
};

// Splits text into records. A field in double quotes may hold the separator, line ends and doubled
// quotes; an unquoted field is taken as it stands. Lines that are empty or begin with "#" are skipped,
// and so is a byte-order mark at the very start.
std::vector<CsvRecord> ParseCsv(const std::string& text, char separator);

// The separator of a text: a tab when its first record line holds one (text copied from a
// spreadsheet), otherwise a comma.
char DetectCsvSeparator(const std::string& text);

// One record without its line end; fields holding the separator, a quote or a line end are quoted.
std::string CsvLine(const std::vector<std::string>& fields, char separator);
