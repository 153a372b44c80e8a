// Report commands: the job from the editor page, the print dialog, the default printer, the print
// messages and the PDF export.
#include "print/qt/ReportPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTableWidget>

#include <optional>

#include "app/LangText.h"
#include "app/qt/ui/FileDialogs.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "codeplug/PanelReport.h"
#include "editor/qt/CMainFrm.h"
#include "print/qt/CPrintPreviewFrame.h"
#include "print/qt/ReportPdf.h"
#include "print/qt/ReportPrintLoop.h"

namespace {

std::function<std::unique_ptr<QPrinter>()> s_printerFactory;
std::optional<int> s_nextDialogCopies;

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

void ForceA4Landscape(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
}

// The system's default printer, set for A4 landscape; nullptr when the system has none.
std::unique_ptr<QPrinter> DefaultPrinter()
{
    std::unique_ptr<QPrinter> printer;
    if (s_printerFactory) {
        printer = s_printerFactory();
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull())
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    if (printer == nullptr || !printer->isValid())
        return nullptr;
    ForceA4Landscape(*printer);
    return printer;
}

// The print dialog on printer; the copy count chosen, 0 for Cancel.
int AskCopies(QWidget* parent, QPrinter& printer)
{
    if (s_nextDialogCopies) {
        const int copies = *s_nextDialogCopies;
        s_nextDialogCopies.reset();
        return copies;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return 0; // nobody can answer a dialog here
    QPrintDialog dialog(&printer, parent);
    // Copies and the printer only: no page ranges, no selection, no printing to a file.
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return std::max(1, printer.copyCount());
}

// A printer drops the whole job when it is aborted.
class PrinterTarget : public ReportPrintTarget {
public:
    explicit PrinterTarget(QPrinter* printer) : ReportPrintTarget(printer), m_printer(printer) {}
    void AbortDocument(QPainter& painter) override
    {
        m_printer->abort();
        ReportPrintTarget::AbortDocument(painter);
    }

private:
    QPrinter* m_printer;
};

bool PrintOnPrinter(QWidget* parent, const ReportJob& job, QPrinter& printer)
{
    ForceA4Landscape(printer);
    printer.setDocName(QString());
    printer.setCopyCount(1); // the copies are printed one after another by the print loop
    PrinterTarget target(&printer);
    return PrintReportOn(parent, job, target);
}

} // namespace

ReportJob ReportJobOfPage(int copies, bool printing)
{
    ReportSource source;
    if (g_pMainView != nullptr) {
        source.fields = DescribePanel(g_pMainView->CurrentPanelState());
        const QTableWidget* table = g_pMainView->ChannelTable();
        for (int r = 0; r < table->rowCount(); ++r) {
            std::array<std::string, kTableColumns> cells;
            for (int c = 0; c < kTableColumns && c < table->columnCount(); ++c) {
                if (const QTableWidgetItem* item = table->item(r, c))
                    cells[static_cast<std::size_t>(c)] = item->text().toStdString();
            }
            source.table.push_back(cells);
        }
    }
    return MakeReportJob(BuildReportModel(source, CurrentReportContext()), copies, printing);
}

void PreviewReport(QWidget* parent)
{
    CPrintPreviewFrame preview(ReportJobOfPage(1, false), parent);
    preview.exec();
}

bool PrintReportOn(QWidget* parent, const ReportJob& job, ReportPrintTarget& target)
{
    const PrintOutcome outcome = PrintReportJob(job, target);
    if (outcome == PrintOutcome::Printed)
        return true;
    const int number = outcome == PrintOutcome::DocumentFailed ? 3024 : 3025;
    MsgBox::Ask(parent, QGuiApplication::applicationDisplayName(), Text(number), QMessageBox::Ok,
                QMessageBox::Ok, QMessageBox::Warning);
    return false;
}

bool PrintReport(QWidget* parent, const ReportJob& job)
{
    const std::unique_ptr<QPrinter> printer = DefaultPrinter();
    if (printer == nullptr) {
        ShowTextError(7603);
        return false;
    }
    return PrintOnPrinter(parent, job, *printer);
}

void PrintReportFromMenu(QWidget* parent)
{
    // The dialog starts on the default printer; with none there is nothing it could offer.
    const std::unique_ptr<QPrinter> printer = DefaultPrinter();
    if (printer == nullptr) {
        ShowTextError(7603);
        return;
    }
    const int copies = AskCopies(parent, *printer);
    if (copies <= 0)
        return;
    PrintOnPrinter(parent, ReportJobOfPage(copies, true), *printer);
}

QString DefaultReportPdfName()
{
    if (g_doc.path.empty())
        return QStringLiteral("report.pdf");
    const QFileInfo data(QString::fromStdString(g_doc.path));
    return data.dir().filePath(data.completeBaseName() + QStringLiteral(".pdf"));
}

void ExportReportPdf(QWidget* parent)
{
    const ReportJob job = ReportJobOfPage(1, true);
    if (job.pageCount <= 0)
        return;
    const QString path = AskFileNameFor(parent, true, Text(9516) + QStringLiteral(" (*.pdf)"),
                                        QStringLiteral("pdf"), DefaultReportPdfName());
    if (path.isEmpty())
        return;
    const int error = WriteReportPdfFile(job, QFileInfo(path).absoluteFilePath().toStdString());
    if (error != 0)
        ShowTextError(error);
}

void SetReportPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory)
{
    s_printerFactory = std::move(factory);
}

void SetNextPrintDialogCopies(int copies) { s_nextDialogCopies = copies; }
