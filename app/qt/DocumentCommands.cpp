// File commands New, Open, Save and Save As with their prompts and file dialogs; the hooks that keep the
// main window's title and the editor page in step with the image.
#include "app/qt/DocumentCommands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <optional>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/MainFrameUi.h"
#include "app/qt/MsgBox.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CMainFrm.h"

namespace {

std::optional<QString> s_nextFileDialogResult;
MainFrameUi* s_pMainFrameUi = nullptr;

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

// "Code plug files (*.dat)" in the current language.
QString DataFileFilter() { return Text(2013) + QStringLiteral(" (*.dat)"); }

// The path chosen in a code-plug file dialog, or empty for Cancel.
QString AskFileName(QWidget* parent, bool forSave)
{
    return AskFileNameFor(parent, forSave, DataFileFilter(), QStringLiteral("dat"), QString());
}

} // namespace

QString AskFileNameFor(QWidget* parent, bool forSave, const QString& filter, const QString& suffix,
                       const QString& suggested)
{
    if (s_nextFileDialogResult) {
        QString path = *s_nextFileDialogResult;
        s_nextFileDialogResult.reset();
        return path;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return QString(); // headless: nobody can answer a dialog, so it counts as cancelled
    QFileDialog dialog(parent);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (forSave) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile); // the dialog asks before replacing an existing file
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString AskFilePath(QWidget* parent, bool forSave, const QString& filter, const QString& suffix)
{
    return AskFileNameFor(parent, forSave, filter, suffix, QString());
}

namespace {

// The name a code plug goes by in prompts: its file, or the word for "no file".
QString DocumentName() { return g_doc.path.empty() ? Text(90026) : QString::fromStdString(g_doc.path); }

enum class SaveOutcome { Saved, Cancelled, Failed };

SaveOutcome SaveDocument(QWidget* parent)
{
    std::string path = g_doc.path;
    if (path.empty()) {
        QString chosen = AskFileName(parent, true);
        if (chosen.isEmpty())
            return SaveOutcome::Cancelled;
        path = QFileInfo(chosen).absoluteFilePath().toStdString();
    }
    int error = g_doc.Save(path);
    if (error != 0) {
        ShowTextError(error);
        return SaveOutcome::Failed;
    }
    UpdateMainTitle();
    return SaveOutcome::Saved;
}

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
            ShowOpenFileError(Text(error));
        else
            ShowTextError(error);
        return false;
    }
    ImageReplaced();
    return true;
}

} // namespace

void SetNextFileDialogResult(const QString& path) { s_nextFileDialogResult = path; }

namespace {

// Work that is in no file: a code plug read from the radio and not saved yet, or edits. Asked about
// under the title text titleText; Yes saves, No drops the work. True when the command may go on.
bool AskAboutUnsavedWork(QWidget* parent, int titleText)
{
    QString question;
    if (g_doc.fromRadio)
        question = Text(2002);
    else if (g_doc.IsModified())
        question = DocumentName() + QStringLiteral(" ") + Text(2004);
    else
        return true;

    QMessageBox::StandardButton answer = MsgBox::Ask(parent, Text(titleText), question,
                                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                     QMessageBox::Yes, QMessageBox::Question);
    if (answer == QMessageBox::Cancel)
        return false;
    // Yes means "keep my work": when it was not saved after all (the Save dialog was cancelled or the
    // save failed), the command ends instead of throwing the work away.
    return answer != QMessageBox::Yes || SaveDocument(parent) == SaveOutcome::Saved;
}

} // namespace

bool UnsavedWorkPrompt(QWidget* parent) { return AskAboutUnsavedWork(parent, 90006); }

bool UnsavedEditsPromptBeforeRead(QWidget* parent)
{
    // A code plug read from the radio and not edited since is still in the radio: nothing to lose.
    return !g_doc.IsModified() || UnsavedWorkPrompt(parent);
}

bool SaveChangesPrompt(QWidget* parent)
{
    // A fresh read is asked about as New and Open ask about it: it is in no file yet.
    if (!AskAboutUnsavedWork(parent, 90005))
        return false; // the work is kept, and so is the window
    if (!g_doc.fromRadio && !g_doc.path.empty())
        WriteSetting("file", "file_path", g_doc.path);
    return true;
}

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
    QString chosen = AskFileName(parent, false);
    if (!chosen.isEmpty())
        OpenChosenFile(chosen);
}

bool FileOpenPath(QWidget* parent, const QString& path)
{
    return UnsavedWorkPrompt(parent) && OpenChosenFile(path);
}

bool FileSave(QWidget* parent) { return SaveDocument(parent) == SaveOutcome::Saved; }

void FileSaveAs(QWidget* parent)
{
    // The current file is forgotten so that Save asks for a name; a cancelled dialog leaves the code
    // plug without a file. A save that failed keeps the file it had, as a failed Save does.
    const std::string previous = g_doc.path;
    g_doc.path.clear();
    if (SaveDocument(parent) == SaveOutcome::Failed)
        g_doc.path = previous;
    UpdateMainTitle();
}

void ImageReplaced()
{
    if (g_pMainView != nullptr)
        g_pMainView->OnInitialUpdate();
    UpdateMainTitle();
}

void UpdateMainTitle()
{
    if (s_pMainFrameUi != nullptr)
        s_pMainFrameUi->RefreshTitle();
}

void SetMainFrameUi(MainFrameUi* frame) { s_pMainFrameUi = frame; }

void ClearMainFrameUi(const MainFrameUi* frame)
{
    if (s_pMainFrameUi == frame)
        s_pMainFrameUi = nullptr;
}
