// The question about unsaved work that New, Open, a read, the band selection, a restored backup, the
// language switch and the exit ask, and the save it may lead to.
#pragma once

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

enum class SaveOutcome { Saved, Cancelled, Failed };
// Saves the code plug into its file, or into a file the user names when it has none; a failure is
// shown. The title follows a save.
SaveOutcome SaveCodePlug(QWidget* parent);
