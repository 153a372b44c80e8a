// The report commands of the window program: File > Print, Print preview and Export report as PDF,
// the preview's Print button, and the job they take from the editor page.
#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "print/ReportJob.h"

class QPrinter;
class QWidget;
class ReportPrintTarget;

// What the editor page shows now, as a report job (no rows when there is no page).
ReportJob ReportJobOfPage(int copies, bool printing);

// File > Print preview: the preview window on the page's report, modal.
void PreviewReport(QWidget* parent);
// File > Print: the print dialog (copies; no page ranges, selection or print to file), then the report
// on the printer, A4 landscape. Without any printer it says so (text 7603) instead.
void PrintReportFromMenu(QWidget* parent);
// The preview's Print button: the job on the default printer, or text 7603 when there is none.
bool PrintReport(QWidget* parent, const ReportJob& job);
// The job on a target; a document that does not start shows text 3024, a page that does not start
// text 3025 (the document is then aborted). True when every page was printed.
bool PrintReportOn(QWidget* parent, const ReportJob& job, ReportPrintTarget& target);
// File > Export report as PDF: asks for a file (named after the data file), writes the report there.
void ExportReportPdf(QWidget* parent);
// The file name the export suggests: the data file's name with ".pdf", or "report.pdf".
QString DefaultReportPdfName();

// Test support: the printer that stands for the system's default printer (empty = the system's own),
// and the copy count the next print dialog returns instead of being shown (0 = Cancel).
void SetReportPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory);
void SetNextPrintDialogCopies(int copies);
