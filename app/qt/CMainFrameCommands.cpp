// Main window: the command table, and the child windows and dialogs its commands open.
#include "app/qt/CMainFrame.h"

#include <QLayout>
#include <QMdiArea>

#include <algorithm>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/qt/CAboutDlg.h"
#include "app/qt/CHelpViewer.h"
#include "app/qt/COptionsDlg.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/EditCommands.h"
#include "app/qt/LanguageSwitch.h"
#include "app/qt/ui/CChildFrame.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CEmbedMsgFrm.h"
#include "editor/qt/CTestFreqFrm.h"
#include "fleet/qt/FleetDialog.h"
#include "history/qt/HistoryDialog.h"
#include "link/qt/CSetComFrm.h"
#include "link/qt/ModelInfoDialog.h"
#include "link/qt/PasswordDialog.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/TestPasswordDialog.h"
#include "link/qt/WriteDialog.h"
#include "print/qt/ReportPrinting.h"
#include "service/qt/AlignmentDialog.h"
#include "service/qt/TuningDialog.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

} // namespace

QMdiSubWindow* CMainFrame::AddChild(QWidget* page, const QString& title)
{
    auto* child = new CChildFrame(page, true, m_mdi);
    m_mdi->addSubWindow(child);
    child->setWindowTitle(title);
    child->adjustSize();
    return child;
}

void CMainFrame::PlaceCentred(QMdiSubWindow* child)
{
    // Inside the document area, so that no scroll bars appear and the whole editor is in view.
    const QSize area = m_mdi->viewport()->size();
    const QSize size = child->size();
    child->move(std::max(0, (area.width() - size.width()) / 2),
                std::max(0, (area.height() - size.height()) / 2));
}

void CMainFrame::FitChildToPage(QMdiSubWindow* child)
{
    // The page has just been filled: its layout settles now, not at the next pass of the event loop,
    // so that the window takes the page's final size (nothing cut off at the bottom).
    if (QWidget* page = child->widget(); page != nullptr && page->layout() != nullptr)
        page->layout()->activate();
    child->adjustSize();
}

void CMainFrame::PlaceAtOffset(QMdiSubWindow* child, const QPoint& offset)
{
    const QSize area = m_mdi->viewport()->size();
    const QSize size = child->size();
    child->move(std::max(0, std::min(offset.x(), area.width() - size.width())),
                std::max(0, std::min(offset.y(), area.height() - size.height())));
}

void CMainFrame::OpenTestFrequency()
{
    if (!g_bTestEnabled)
        return;
    if (m_testFreqWnd) {
        m_mdi->setActiveSubWindow(m_testFreqWnd);
        return;
    }
    auto* page = new CTestFreqFrm;
    m_testFreqWnd = AddChild(page, page->windowTitle());
    m_testFreqWnd->hide();
    page->OnInitialUpdate();
    m_testFreqWnd->setWindowTitle(page->windowTitle());
    FitChildToPage(m_testFreqWnd);
    PlaceAtOffset(m_testFreqWnd, QPoint(200, 50));
    m_testFreqWnd->show();
    m_mdi->setActiveSubWindow(m_testFreqWnd);
    RefreshTitle();
}

void CMainFrame::OpenEmbeddedMessage()
{
    if (m_embedMsgWnd) {
        m_mdi->setActiveSubWindow(m_embedMsgWnd);
        return;
    }
    auto* page = new CEmbedMsgFrm;
    m_embedMsgWnd = AddChild(page, page->windowTitle());
    m_embedMsgWnd->hide();
    page->OnInitialUpdate();
    m_embedMsgWnd->setWindowTitle(page->windowTitle());
    FitChildToPage(m_embedMsgWnd);
    PlaceCentred(m_embedMsgWnd);
    m_embedMsgWnd->show();
    m_mdi->setActiveSubWindow(m_embedMsgWnd);
}

void CMainFrame::OpenComPort()
{
    if (m_comPortWnd) {
        m_mdi->setActiveSubWindow(m_comPortWnd);
        return;
    }
    auto* page = new CSetComFrm;
    m_comPortWnd = AddChild(page, Text(3008));
    m_comPortWnd->hide();
    page->OnInitialUpdate();
    FitChildToPage(m_comPortWnd);
    // The page's client corner sits 200 pixels right of and 50 below the area's corner.
    const QPoint clientOffset = m_comPortWnd->widget()->pos();
    PlaceAtOffset(m_comPortWnd, QPoint(200, 50) - clientOffset);
    m_comPortWnd->show();
    m_mdi->setActiveSubWindow(m_comPortWnd);
    connect(page, &CSetComFrm::PortChosen, this, [this](const QString& name) {
        SetPortText(name.toUpper());
        RefreshTitle();
    });
    RefreshTitle();
}

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case cmd::kFileNew:
        FileNew(this);
        break;
    case cmd::kFileOpen:
        FileOpen(this);
        break;
    case cmd::kFileSave:
        FileSave(this);
        break;
    case cmd::kFileSaveAs:
        FileSaveAs(this);
        break;
    case cmd::kAppExit:
        close();
        break;
    case cmd::kComPort:
        OpenComPort();
        break;
    case cmd::kLangEnglish:
        SwitchLanguage(this, *this, kLangEnglish);
        break;
    case cmd::kLangChinese:
        SwitchLanguage(this, *this, kLangChinese);
        break;
    case cmd::kOptions: {
        COptionsDlg dialog(this);
        dialog.exec();
        break;
    }
    case cmd::kTestFrequency:
        OpenTestFrequency();
        break;
    case cmd::kEmbeddedMessage:
        OpenEmbeddedMessage();
        break;
    case cmd::kReadData: {
        ReadDialog dialog(this);
        dialog.exec();
        break;
    }
    case cmd::kWriteData: {
        WriteDialog dialog(this);
        dialog.exec();
        g_doc.history.Absorb(g_doc.image); // the byte a write normalises is no change of the user's
        break;
    }
    case cmd::kTestMode:
        // The family's models open the tuning window at once, whatever the service flags say; the
        // test window of other models needs the service functions and a code plug read from a radio.
        if (IsFamilyCode(g_strModel)) {
            TuningDialog dialog(this);
            dialog.exec();
        } else if (g_bTestEnabled && !g_doc.fromRadio) {
            ShowTextError(6801);
        }
        break;
    case cmd::kBatchWriteTest:
        RunBatchWriteTest(this); // the alignment-data window, while the service functions are unlocked
        break;
    case cmd::kHelpTopics: // F1: the manual at the page of the window in front
    case cmd::kHelpContents:
        ShowHelp(this, id == cmd::kHelpContents);
        break;
    case cmd::kModelInfo:
    case cmd::kRadioInformation: {
        ModelInfoDialog dialog(this);
        dialog.exec();
        break;
    }
    case cmd::kRadioHistory:
        OpenRadioHistory(this);
        break;
    case cmd::kProgramFleet:
        OpenFleetDialog(this);
        break;
    case cmd::kTestPassword: {
        TestPasswordDialog dialog(this, [this](int command, bool on) { SetMenuCommandEnabled(command, on); });
        dialog.exec();
        break;
    }
    case cmd::kRwPassword: {
        PasswordDialog dialog(this);
        dialog.exec();
        break;
    }
    case cmd::kEditUndo:
        EditUndo();
        break;
    case cmd::kEditRedo:
        EditRedo();
        break;
    case cmd::kImportChannels:
        ImportChannelsCommand(this);
        break;
    case cmd::kExportChannels:
        ExportChannelsCommand(this);
        break;
    case cmd::kFilePrint:
        PrintReportFromMenu(this);
        break;
    case cmd::kFilePrintPreview:
        PreviewReport(this);
        break;
    case cmd::kFileExportReportPdf:
        ExportReportPdf(this);
        break;
    case cmd::kAbout: {
        CAboutDlg dialog(this);
        dialog.exec();
        break;
    }
    default:
        // Optional functions and key assignment: items present without an effect in this version.
        break;
    }
    RefreshTitle();
}
