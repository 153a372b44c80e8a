// Undo, redo and the channel-list file commands of the main window.
#include "app/qt/EditCommands.h"

#include <QAction>
#include <QFileInfo>

#include "app/AtomicFile.h"
#include "app/LangText.h"
#include "app/qt/ui/FileDialogs.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelCsv.h"
#include "editor/ChannelCsvImport.h"
#include "editor/qt/CChannelTableActions.h"
#include "editor/qt/CMainFrm.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

QString ChannelListFilter() { return Text(9578) + QStringLiteral(" (*.csv)"); }

// After the image was stepped back or forth: the band state comes from the image (a custom band's
// limits may have changed with it), and the page shows it.
void HistoryStepTaken()
{
    ApplyBand(g_doc.image.Text(), g_doc.fromRadio);
    if (g_pMainView != nullptr)
        g_pMainView->LoadFromImage();
    UpdateMainTitle();
}

} // namespace

void EditUndo()
{
    if (g_doc.history.Undo(g_doc.image))
        HistoryStepTaken();
}

void EditRedo()
{
    if (g_doc.history.Redo(g_doc.image))
        HistoryStepTaken();
}

void UpdateEditActions(QAction* undo, QAction* redo)
{
    if (undo != nullptr)
        undo->setEnabled(g_doc.history.CanUndo(g_doc.image));
    if (redo != nullptr)
        redo->setEnabled(g_doc.history.CanRedo(g_doc.image));
}

void ImportChannelsCommand(QWidget* parent)
{
    const QString chosen = AskFilePath(parent, false, ChannelListFilter(), QStringLiteral("csv"));
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    std::string text;
    if (!ReadWholeFile(path.toStdString(), text)) {
        ShowErrorMessage(Text(9589) + QStringLiteral("\n") + path);
        return;
    }
    ChannelImportResult result;
    {
        EditStep step;
        result =
            ImportChannelsCsv(g_doc.image, text, CChannelTableActions::ImportOptionsOf(g_pMainView), false);
    }
    if (!result.applied) {
        ShowErrorMessage(CChannelTableActions::ErrorMessage(result.errors));
        return;
    }
    if (g_pMainView != nullptr)
        g_pMainView->LoadFromImage();
    UpdateMainTitle();
    CChannelTableActions::ShowImportNotes(9634, result); // "%1 channels imported. Check these changes:"
}

void ExportChannelsCommand(QWidget* parent)
{
    const QString chosen = AskFilePath(parent, true, ChannelListFilter(), QStringLiteral("csv"));
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (!WriteFileAtomically(path.toStdString(), ExportChannelsCsv(g_doc.image)))
        ShowErrorMessage(Text(9581) + QStringLiteral("\n") + path);
}
