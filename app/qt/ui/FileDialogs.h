// The file dialogs of every window, answered by tests without a person.
#pragma once

#include <QString>

class QWidget;

// A file dialog for saving or opening files of a kind (name filter, default suffix), opened on the
// suggested name. Returns the chosen path, empty for Cancel; tests answer it with
// SetNextFileDialogResult.
QString AskFileNameFor(QWidget* parent, bool forSave, const QString& filter, const QString& suffix,
                       const QString& suggested);
// The same without a suggested name.
QString AskFilePath(QWidget* parent, bool forSave, const QString& filter, const QString& suffix);
// The same for a code-plug data file (*.dat).
QString AskDataFilePath(QWidget* parent, bool forSave);

// Test support: the path the next file dialog returns instead of being shown (empty = Cancel).
void SetNextFileDialogResult(const QString& path);
