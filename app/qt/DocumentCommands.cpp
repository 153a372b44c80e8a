// File commands New, Open, Save and Save As: the question about unsaved work first, then the file
// dialog, the code plug replaced or stored, and the editor page and the title in step with it.
#include "app/qt/DocumentCommands.h"

#include <QFileInfo>

#include "app/LangText.h"
#include "app/qt/ui/EditorPageUi.h"
#include "app/qt/ui/FileDialogs.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/MsgBox.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/Document.h"

namespace {

// Opens a chosen data file into memory; a file that is no code plug is refused with its message and
// the code plug in memory stays as it was.
bool OpenChosenFile(const QString& chosen)
{
    QFileInfo info(chosen);
    int error = g_doc.Open(info.absoluteFilePath().toStdString());
    if (error != 0) {
        // A file that opens but whose content is no code plug is refused the way an unreadable
        // image file is: the fixed notice above the numbered message, in one box.
        if (error == 2011 && info.isFile() && info.isReadable())
            ShowOpenFileError(QString::fromStdString(GetLangText(error)));
        else
            ShowTextError(error);
        return false;
    }
    ImageReplaced();
    return true;
}

} // namespace

void FileNew(QWidget* parent)
{
    if (!UnsavedWorkPrompt(parent))
        return;
    g_doc.ResetToNew();
    ImageReplaced();
}

void FileOpen(QWidget* parent)
{
    if (!UnsavedWorkPrompt(parent))
        return;
    QString chosen = AskDataFilePath(parent, false);
    if (!chosen.isEmpty())
        OpenChosenFile(chosen);
}

bool FileOpenPath(QWidget* parent, const QString& path)
{
    return UnsavedWorkPrompt(parent) && OpenChosenFile(path);
}

bool FileSave(QWidget* parent) { return SaveCodePlug(parent) == SaveOutcome::Saved; }

void FileSaveAs(QWidget* parent)
{
    // The current file is forgotten so that Save asks for a name; a cancelled dialog leaves the code
    // plug without a file. A save that failed keeps the file it had, as a failed Save does.
    const std::string previous = g_doc.path;
    g_doc.path.clear();
    if (SaveCodePlug(parent) == SaveOutcome::Failed)
        g_doc.path = previous;
    UpdateMainTitle();
}
