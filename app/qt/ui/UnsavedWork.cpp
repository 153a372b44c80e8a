// The unsaved-work prompts and the save of the code plug that answering Yes runs.
#include "app/qt/ui/UnsavedWork.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QString>

#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/ui/FileDialogs.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

// The name a code plug goes by in prompts: its file, or the word for "no file".
QString DocumentName() { return g_doc.path.empty() ? Text(90026) : QString::fromStdString(g_doc.path); }

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
    return answer != QMessageBox::Yes || SaveCodePlug(parent) == SaveOutcome::Saved;
}

} // namespace

SaveOutcome SaveCodePlug(QWidget* parent)
{
    std::string path = g_doc.path;
    if (path.empty()) {
        QString chosen = AskDataFilePath(parent, true);
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
