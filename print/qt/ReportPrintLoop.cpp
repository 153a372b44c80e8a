// The print loop of the code-plug report.
#include "print/qt/ReportPrintLoop.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "print/ReportJob.h"
#include "print/qt/DrawReportPage.h"

bool ReportPrintTarget::StartDocument(QPainter& painter)
{
    return m_device != nullptr && painter.begin(m_device);
}

bool ReportPrintTarget::StartPage(QPainter& /*painter*/, bool firstPage)
{
    return firstPage || m_device->newPage();
}

void ReportPrintTarget::AbortDocument(QPainter& painter) { painter.end(); }

void ReportPrintTarget::EndDocument(QPainter& painter) { painter.end(); }

PrintOutcome PrintReportJob(const ReportJob& job, ReportPrintTarget& target)
{
    QPainter painter;
    if (!target.StartDocument(painter))
        return PrintOutcome::DocumentFailed;
    ReportJob page = job;
    page.printing = true;
    bool first = true;
    for (int copy = 1; copy <= job.copies; ++copy) {
        for (int p = 1; p <= job.pageCount; ++p) {
            if (!target.StartPage(painter, first)) {
                target.AbortDocument(painter);
                return PrintOutcome::PageFailed;
            }
            first = false;
            page.currentPage = p;
            DrawReportPage(&painter, page);
        }
    }
    target.EndDocument(painter);
    return PrintOutcome::Printed;
}
