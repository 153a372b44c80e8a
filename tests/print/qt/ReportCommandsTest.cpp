// The report commands of the main window: the menu items, the preview that opens maximised, printing
// on a printer with the dialog's copy count and its failure messages, and the PDF export, which prints
// what the page shows and reads the same as the command line's report of the same code plug.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/qt/ui/EditorPageUi.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/Document.h"
#include "editor/qt/CMainFrm.h"
#include "editor/qt/CSpinEdit.h"
#include "print/qt/CPrintPreviewFrame.h"
#include "print/qt/ReportPrintLoop.h"
#include "print/qt/ReportPrinting.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/print/PdfText.h"
#include "tests/support/CliRunner.h"
#include "tests/support/SamplePlug.h"

namespace {

class ReportCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PdfToolsPresent()) << "pdftotext and pdfinfo come with poppler-utils (scripts/deps.sh)";
        m_env.Settings("[language]\nlanguage=200000\n");
        m_frame = m_env.Start();
    }
    void TearDown() override { SetReportPrinterFactory({}); }

    std::string Path(const char* name) const { return m_env.Path(QString::fromLatin1(name)).toStdString(); }

    // A printer that writes a PDF file, standing for the system's default printer.
    void PrintInto(const std::string& path)
    {
        SetReportPrinterFactory([path] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString(path));
            return printer;
        });
    }

    // The report text without its date and time, which differ from one run to the next.
    static std::string WithoutDate(const std::string& text)
    {
        std::string out;
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = text.find('\n', pos);
            const std::string line =
                text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
            const bool dateLine = line.size() == 19 && line[4] == '-' && line[7] == '-' && line[13] == ':';
            if (!dateLine)
                out += line + "\n";
            if (end == std::string::npos)
                break;
            pos = end + 1;
        }
        return out;
    }

    WindowTestEnv m_env;
    CMainFrame* m_frame = nullptr;
};

// A target that refuses its document or one of its pages.
class RefusingTarget : public ReportPrintTarget {
public:
    RefusingTarget(QPagedPaintDevice* device, int refusedPage)
        : ReportPrintTarget(device), m_refused(refusedPage)
    {
    }
    bool StartDocument(QPainter& painter) override
    {
        return m_refused != 0 && ReportPrintTarget::StartDocument(painter);
    }
    bool StartPage(QPainter& painter, bool first) override
    {
        return ++pagesStarted != m_refused && ReportPrintTarget::StartPage(painter, first);
    }
    void AbortDocument(QPainter& painter) override
    {
        aborted = true;
        ReportPrintTarget::AbortDocument(painter);
    }
    void EndDocument(QPainter& painter) override
    {
        ended = true;
        ReportPrintTarget::EndDocument(painter);
    }
    int pagesStarted = 0;
    bool aborted = false;
    bool ended = false;

private:
    int m_refused; // 0: the document itself
};

} // namespace

TEST_F(ReportCommands, FileMenuOffersPrintExportAndPreview)
{
    QMenu* file = m_frame->menuBar()->actions().constFirst()->menu();
    ASSERT_NE(file, nullptr);
    QList<int> ids;
    for (QAction* a : file->actions())
        ids << (a->isSeparator() ? 0 : a->data().toInt());
    const int print = static_cast<int>(ids.indexOf(cmd::kFilePrint));
    ASSERT_GE(print, 0);
    EXPECT_EQ(ids.value(print + 1), cmd::kFileExportReportPdf);
    EXPECT_EQ(ids.value(print + 2), cmd::kFilePrintPreview);
    EXPECT_EQ(m_frame->Action(cmd::kFileExportReportPdf)->text(), LangText(9510));
}

TEST_F(ReportCommands, PreviewOpensMaximisedOnPageOne)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<CPrintPreviewFrame*>(QApplication::activeModalWidget());
        if (preview == nullptr || seen)
            return;
        seen = true;
        EXPECT_TRUE(preview->isMaximized());
        EXPECT_EQ(preview->CurrentPage(), 1);
        EXPECT_EQ(preview->PageCount(), 1);
        preview->Action(CPrintPreviewFrame::kClose)->trigger();
    });
    poll.start();
    m_frame->OnCommand(cmd::kFilePrintPreview);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
}

TEST_F(ReportCommands, PrintUsesTheDialogsCopiesOnLandscapeA4)
{
    PrintInto(Path("printed.pdf"));
    SetNextPrintDialogCopies(0); // Cancel
    m_frame->OnCommand(cmd::kFilePrint);
    EXPECT_FALSE(std::filesystem::exists(Path("printed.pdf")));

    SetNextPrintDialogCopies(2);
    m_frame->OnCommand(cmd::kFilePrint);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty()) << MsgBox::ShownTexts().join('\n').toStdString();
    EXPECT_EQ(PdfInfo(Path("printed.pdf"), "Pages"), "2"); // one page, two copies
    EXPECT_EQ(PdfInfo(Path("printed.pdf"), "Page size"), "842 x 595 pts (A4)");
    const std::string text = PdfText(Path("printed.pdf"));
    const std::size_t first = text.find("Page 1/Total 1");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find("Page 1/Total 1", first + 1), std::string::npos);

    // Without any printer the command says so and prints nothing.
    SetReportPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    SetNextPrintDialogCopies(1);
    m_frame->OnCommand(cmd::kFilePrint);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(7603)});
}

TEST_F(ReportCommands, PrinterFailuresAreReportedAndAbortTheDocument)
{
    const ReportJob job = ReportJobOfPage(2, true);
    ASSERT_EQ(job.pageCount, 1);
    QPdfWriter writer(m_env.Path(QStringLiteral("loop.pdf")));

    RefusingTarget noDocument(&writer, 0);
    EXPECT_FALSE(PrintReportOn(m_frame, job, noDocument));
    EXPECT_EQ(noDocument.pagesStarted, 0);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(3024)});

    MsgBox::ClearAnswers();
    RefusingTarget secondPage(&writer, 2); // the second copy's page
    EXPECT_FALSE(PrintReportOn(m_frame, job, secondPage));
    EXPECT_TRUE(secondPage.aborted);
    EXPECT_FALSE(secondPage.ended);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(3025)});

    MsgBox::ClearAnswers();
    RefusingTarget none(&writer, -1);
    EXPECT_TRUE(PrintReportOn(m_frame, job, none));
    EXPECT_EQ(none.pagesStarted, 2);
    EXPECT_TRUE(none.ended);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
}

TEST_F(ReportCommands, ExportReadsLikeTheCommandLineReportAndFollowsThePage)
{
    FillSamplePlug(g_doc.image);
    ASSERT_EQ(g_doc.Save(Path("plan.dat")), 0);
    ImageReplaced();
    EXPECT_EQ(DefaultReportPdfName().toStdString(), Path("plan.pdf"));

    SetNextFileDialogResult(m_env.Path(QStringLiteral("window.pdf")));
    m_frame->OnCommand(cmd::kFileExportReportPdf);
    ASSERT_TRUE(MsgBox::ShownTexts().isEmpty()) << MsgBox::ShownTexts().join('\n').toStdString();
    EXPECT_EQ(PdfInfo(Path("window.pdf"), "Page size"), "842 x 595 pts (A4)");

    TestAppDir cliDir("vpx-cli-report-", TestAppDir::Texts::Project);
    const CliRunner cli(cliDir);
    ASSERT_TRUE(cli.Available());
    const CliResult r =
        cli.Run("report '" + Path("plan.dat") + "' '" + cliDir.File("cli.pdf") + "' --lang en");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string windowText = PdfText(Path("window.pdf"));
    EXPECT_NE(windowText.find("438.52500"), std::string::npos);
    EXPECT_EQ(WithoutDate(windowText), WithoutDate(PdfText(cliDir.File("cli.pdf"))));

    // A value typed on the page but not yet stored is what the page shows, so the report has it.
    g_pMainView->PauseTime()->Edit()->setText(QStringLiteral("123"));
    SetNextFileDialogResult(m_env.Path(QStringLiteral("typed.pdf")));
    m_frame->OnCommand(cmd::kFileExportReportPdf);
    EXPECT_NE(PdfText(Path("typed.pdf")).find("TX pause time (s) : 123"), std::string::npos);

    // A folder that does not exist: the message, and no file.
    SetNextFileDialogResult(m_env.Path(QStringLiteral("missing/x.pdf")));
    m_frame->OnCommand(cmd::kFileExportReportPdf);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(9511)});
    // Cancel writes nothing either.
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(QString());
    m_frame->OnCommand(cmd::kFileExportReportPdf);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());

    g_doc.path.clear();
    EXPECT_EQ(DefaultReportPdfName(), QStringLiteral("report.pdf"));
}
