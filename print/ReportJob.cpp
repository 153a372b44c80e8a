// Page arithmetic of the code-plug report.
#include "print/ReportJob.h"

#include <algorithm>
#include <cctype>
#include <utility>

ReportJob MakeReportJob(ReportModel report, int copies, bool printing)
{
    ReportJob job;
    job.rowCount = static_cast<int>(report.rows.size());
    job.pageCount = ReportPageCount(job.rowCount);
    job.report = std::move(report);
    job.copies = std::max(1, copies);
    job.printing = printing;
    return job;
}

int ReportPageCount(int rowCount)
{
    if (rowCount <= 0)
        return 0;
    if (rowCount <= kFirstPageRows)
        return 1;
    return 1 + (rowCount - kFirstPageRows + kLaterPageChannels - 1) / kLaterPageChannels;
}

int FirstChannelOnPage(int page) { return page <= 1 ? 1 : kLaterPageChannels * page - 44; }

int ChannelRowsOnPage(int page, int rowCount)
{
    const int channels = rowCount - 1;
    if (page < 1 || channels <= 0)
        return 0;
    const int capacity = page == 1 ? kFirstPageRows - 1 : kLaterPageChannels;
    const int first = FirstChannelOnPage(page);
    return std::clamp(channels - first + 1, 0, capacity);
}

int ClampPageNumber(const std::string& text, int pageCount)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1000000)
            break; // far above any page count: no need to read on
    }
    return static_cast<int>(std::clamp<long>(value, 1, std::max(1, pageCount)));
}
