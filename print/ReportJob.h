// The print job of the code-plug report: what to draw (the report model), how many pages it takes,
// which page to draw next, how many copies, and whether the drawing goes to a printer or the preview.
#pragma once

#include <string>

#include "print/ReportModel.h"

// Page capacity of the report table: page 1 holds the header row and 27 channels, every later page
// the header row and 36 channels.
inline constexpr int kFirstPageRows = 28;
inline constexpr int kLaterPageChannels = 36;

struct ReportJob {
    ReportModel report;
    int rowCount = 0;  // table rows including the header row (header + channels)
    int pageCount = 0; // from the row count; 0 when there is nothing to show
    int currentPage = 1;
    int copies = 1;
    bool printing = false; // drawing goes to a printer (or a PDF file), not into the preview
};

// A job for a report: row count from its table, page count from the row count, page 1.
ReportJob MakeReportJob(ReportModel report, int copies = 1, bool printing = false);

// Pages for a row count n (header included): 1 for n <= 28, then one more per 36 rows; 0 for n <= 0.
int ReportPageCount(int rowCount);
// Number of the first channel on a page: 1 on page 1, 36 x page - 44 on later pages (28, 64, ...).
int FirstChannelOnPage(int page);
// Channel rows that a page of a report with this row count shows (0 for a page past the end).
int ChannelRowsOnPage(int page, int rowCount);

// The go-to-page field: the leading decimal digits of text as a page number, brought into 1 ... pages
// (a field without digits counts as 0 and becomes 1).
int ClampPageNumber(const std::string& text, int pageCount);
