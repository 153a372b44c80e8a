// Every caption, list entry and cell text of every window fits at the window's default size, in
// Chinese and in English: nothing reads "Selected cl..." or loses its end under a neighbour.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QTest>

#include "app/CommandIds.h"
#include "app/qt/CAboutDlg.h"
#include "app/qt/COptionsDlg.h"
#include "app/qt/ui/EditorPageUi.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CBandLimitDlg.h"
#include "editor/qt/CChannelDlg.h"
#include "editor/qt/CMainFrm.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/CSetComFrm.h"
#include "link/qt/ModelInfoDialog.h"
#include "link/qt/PasswordDialog.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/TestPasswordDialog.h"
#include "link/qt/WriteDialog.h"
#include "print/qt/CGotoPageDlg.h"
#include "print/qt/CPrintPreviewFrame.h"
#include "print/qt/ReportPrinting.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/SamplePorts.h"
#include "tests/support/qt/TextFit.h"

namespace {

// Channels whose cells hold the longest texts the table shows: DCS codes, CTCSS tones, receive only.
void FillChannels()
{
    StoreSampleChannels(g_doc.image, {{438.5, 430.9, "D754I", "D023N"},
                                      {446.00625, 446.00625, "254.1", "123.0"},
                                      {462.5625, 0, "D411N", ""},
                                      {470.0, 470.0, "", ""}});
}

QString Report(const QString& window, const QStringList& cut)
{
    return window + QStringLiteral(":\n  ") + cut.join(QStringLiteral("\n  "));
}

void ExpectAllFit(QWidget* window, const QString& name)
{
    window->show();
    QApplication::processEvents();
    const QStringList cut = textfit::CutTexts(window);
    EXPECT_TRUE(cut.isEmpty()) << Report(name, cut).toStdString();
}

} // namespace

TEST(WindowTexts, FitAtTheDefaultSizeInBothLanguages)
{
    for (const char* language : {"200000", "100000"}) {
        SCOPED_TRACE(language);
        WindowTestEnv env;
        env.Touch(kMarkerServiceUnlock); // every window and the service areas are there
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n[computer]\ncom=com1\n");
        CMainFrame* frame = env.Start();
        FillChannels();
        ImageReplaced();
        // Revert-channel entries are the longest list texts; show the list with each priority mode.
        for (int mode = 0; mode < 3; ++mode) {
            g_pMainView->PriorityModeList()->setCurrentIndex(mode);
            ExpectAllFit(frame, QStringLiteral("main window, priority mode %1").arg(mode));
        }
        // The editor page is never wider than the window: nothing needs scrolling sideways.
        auto* pageArea = qobject_cast<QScrollArea*>(g_pMainView->parentWidget()->parentWidget());
        ASSERT_NE(pageArea, nullptr);
        EXPECT_LE(g_pMainView->width(), pageArea->viewport()->width());
        EXPECT_LE(g_pMainView->minimumSizeHint().width(), pageArea->viewport()->width());

        CSetComFrm::SetProbeForTests(&ProbeWithAdapters);
        frame->OnCommand(cmd::kComPort);
        frame->OnCommand(cmd::kTestFrequency);
        frame->OnCommand(cmd::kEmbeddedMessage);
        CSetComFrm::SetProbeForTests({});
        for (QMdiSubWindow* child :
             {frame->ComPortWindow(), frame->TestFreqWindow(), frame->EmbedMsgWindow()}) {
            ASSERT_NE(child, nullptr);
            ExpectAllFit(child, child->windowTitle());
            // The window is not smaller than its page needs: no row or button is cut off.
            EXPECT_GE(child->height(), child->minimumSizeHint().height())
                << child->windowTitle().toStdString();
            EXPECT_GE(child->width(), child->minimumSizeHint().width()) << child->windowTitle().toStdString();
            // Each of these windows lies wholly inside the document area, buttons included.
            EXPECT_TRUE(frame->MdiArea()->viewport()->rect().contains(child->geometry()))
                << child->windowTitle().toStdString();
        }

        g_pMainView->m_nCurRow = 1;
        g_pMainView->TakeRowSnapshot(1);
        CChannelDlg channel(g_pMainView);
        ExpectAllFit(&channel, QStringLiteral("channel editor"));
        CBandLimitDlg limits;
        ExpectAllFit(&limits, QStringLiteral("band limits"));
        COptionsDlg options;
        ExpectAllFit(&options, QStringLiteral("options"));
        CAboutDlg about;
        ExpectAllFit(&about, QStringLiteral("about"));
        SimulatedRadio radio;
        ReadDialog read(nullptr, std::make_unique<SimulatedPort>(radio));
        ExpectAllFit(&read, QStringLiteral("read"));
        WriteDialog write(nullptr, std::make_unique<SimulatedPort>(radio));
        ExpectAllFit(&write, QStringLiteral("write"));
    }
}

TEST(WindowTexts, ThePasswordInformationAndPrintWindowsFitToo)
{
    for (const char* language : {"200000", "100000"}) {
        SCOPED_TRACE(language);
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        CMainFrame* frame = env.Start();
        FillSamplePlug(g_doc.image);
        ImageReplaced();
        PasswordDialog passwords(frame);
        ExpectAllFit(&passwords, QStringLiteral("passwords"));
        TestPasswordDialog serviceCode(frame);
        ExpectAllFit(&serviceCode, QStringLiteral("service code"));
        ModelInfoDialog information(frame);
        ExpectAllFit(&information, QStringLiteral("radio information"));
        CGotoPageDlg goTo(1, 1, frame);
        ExpectAllFit(&goTo, QStringLiteral("go to page"));
        CPrintPreviewFrame preview(ReportJobOfPage(1, false));
        ExpectAllFit(&preview, QStringLiteral("print preview"));
    }
}

TEST(WindowTexts, TheChannelTableSharesAWiderWindowAmongItsColumns)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    frame->show();
    QApplication::processEvents();
    QTableWidget* table = g_pMainView->ChannelTable();
    const int narrow = table->columnWidth(1);
    frame->resize(frame->width() + 300, frame->height());
    QApplication::processEvents();
    // All columns grow, and together they still fill the table.
    EXPECT_GT(table->columnWidth(1), narrow);
    int total = 0;
    for (int c = 0; c < table->columnCount(); ++c)
        total += table->isColumnHidden(c) ? 0 : table->columnWidth(c);
    EXPECT_EQ(total, table->viewport()->width());
}
