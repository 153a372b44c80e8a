// File commands of the main window (New, Open, Save, Save As) with their prompts and file dialogs
// (app/qt/ui/UnsavedWork.h, app/qt/ui/FileDialogs.h).
#pragma once

#include <QString>

class QWidget;

void FileNew(QWidget* parent);
void FileOpen(QWidget* parent);
// Open without the file dialog (a file named on the command line): the same question about unsaved
// work first, the same refusal of a file that holds no code plug. True when the file was opened.
bool FileOpenPath(QWidget* parent, const QString& path);
bool FileSave(QWidget* parent); // false when cancelled or failed
void FileSaveAs(QWidget* parent);
