// The report as a PDF file: one A4 landscape page per report page, drawn at 1200 pixels per inch into
// memory through the print loop, then written over the target file in one step.
#include "print/qt/ReportPdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <memory>

#include "app/AtomicFile.h"
#include "print/qt/ReportPrintLoop.h"

namespace {

// The off-screen platform's remark about a missing runtime folder means nothing to a user of the
// command line (it writes no runtime files); every other message is passed on.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    qInstallMessageHandler(nullptr);
    qt_message_output(type, context, message);
    qInstallMessageHandler(QuietMessages);
}

// A program without a Qt application (the command line) gets an off-screen one for the fonts.
std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    qInstallMessageHandler(QuietMessages);
    static int argc = 3;
    static char arg0[] = "vpxds-cli";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Resolution of the PDF's drawing: fine enough that millimetre positions land within 0.03 mm.
constexpr int kReportPdfResolution = 1200;

// Every page of the job as one PDF document; empty when it could not be made.
QByteArray ReportPdfBytes(const ReportJob& job)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kReportPdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QString::fromStdString(job.report.title));
        writer.setCreator(QStringLiteral("vpxds"));
        ReportPrintTarget target(&writer);
        if (PrintReportJob(job, target) != PrintOutcome::Printed)
            return {};
    }
    return bytes;
}

} // namespace

int WriteReportPdfFile(const ReportJob& job, const std::string& path)
{
    const auto app = EnsureGuiApplication();
    if (job.pageCount <= 0)
        return 9511;
    const QByteArray bytes = ReportPdfBytes(job);
    if (bytes.isEmpty() || !WriteFileAtomically(path, bytes.toStdString()))
        return 9511;
    return 0;
}
