// File commands of the main window (New, Open, Save, Save As) with their prompts and file dialogs,
// and the hooks through which other windows tell the main window that the image was replaced.
#pragma once

#include <QString>

class MainFrameUi;
class QWidget;

// Unsaved-work prompt of New, Open and the band selection: false when the command must end - the
// user chose Cancel, or chose Yes and then cancelled the Save dialog or the save failed.
bool UnsavedWorkPrompt(QWidget* parent);
// The same prompt before a read from the radio replaces the code plug, asked only while the code plug
// has unsaved changes; false when the read must not start.
bool UnsavedEditsPromptBeforeRead(QWidget* parent);
// Unsaved-changes prompt before exit and before a language switch, asked as New and Open ask (also
// about a code plug read from the radio and not saved): Yes saves, No goes on, Cancel (and Escape)
// stays. False when the program must stay: Cancel, or Yes with a cancelled or failed save.
bool SaveChangesPrompt(QWidget* parent);

void FileNew(QWidget* parent);
void FileOpen(QWidget* parent);
// Open without the file dialog (a file named on the command line): the same question about unsaved
// work first, the same refusal of a file that holds no code plug. True when the file was opened.
bool FileOpenPath(QWidget* parent, const QString& path);
bool FileSave(QWidget* parent); // false when cancelled or failed
void FileSaveAs(QWidget* parent);

// After the image was replaced (New, Open, read, band change): reload the editor page, refresh title.
void ImageReplaced();
// Recomputes the main window's title and status panes now.
void UpdateMainTitle();
// The main window that UpdateMainTitle reports to: set by the main window while it exists.
void SetMainFrameUi(MainFrameUi* frame);
// Forgets frame if it is the one set (a main window that goes).
void ClearMainFrameUi(const MainFrameUi* frame);

// A file dialog for saving or opening files of a kind (name filter, default suffix), opened on the
// suggested name. Returns the chosen path, empty for Cancel; tests answer it with
// SetNextFileDialogResult.
QString AskFileNameFor(QWidget* parent, bool forSave, const QString& filter, const QString& suffix,
                       const QString& suggested);
// The same without a suggested name.
QString AskFilePath(QWidget* parent, bool forSave, const QString& filter, const QString& suffix);

// Test support: the path the next file dialog returns instead of being shown (empty = Cancel).
void SetNextFileDialogResult(const QString& path);
