// Printing a report job page by page on a paged device: every copy, every page, each drawn by
// DrawReportPage. One loop serves printers and PDF files; tests give it devices that fail.
#pragma once

class QPainter;
class QPagedPaintDevice;
struct ReportJob;

// Where the pages go. The default implementation drives any paged device (printer, PDF writer).
class ReportPrintTarget {
public:
    explicit ReportPrintTarget(QPagedPaintDevice* device) : m_device(device) {}
    virtual ~ReportPrintTarget() = default;
    ReportPrintTarget(const ReportPrintTarget&) = delete;
    ReportPrintTarget& operator=(const ReportPrintTarget&) = delete;

    // Starts the document with the painter on the device; false when the device refuses.
    virtual bool StartDocument(QPainter& painter);
    // Starts a page; the first page comes with the document. False when the device refuses.
    virtual bool StartPage(QPainter& painter, bool firstPage);
    // Gives up a started document (a printer drops its job).
    virtual void AbortDocument(QPainter& painter);
    virtual void EndDocument(QPainter& painter);

protected:
    QPagedPaintDevice* Device() const { return m_device; }

private:
    QPagedPaintDevice* m_device;
};

enum class PrintOutcome {
    Printed,
    DocumentFailed, // nothing printed
    PageFailed,     // the document was aborted
};

// Prints copies x pages of the job (with printing set) on the target.
PrintOutcome PrintReportJob(const ReportJob& job, ReportPrintTarget& target);
