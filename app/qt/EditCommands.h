// Edit commands of the main window: undo and redo of the code plug's changes, and the channel-list
// import and export (CSV in the layout other radio tools read).
#pragma once

class QAction;
class QWidget;

// One step back or forward in the code plug's history; the page, the band and the title follow.
void EditUndo();
void EditRedo();
// The Undo and Redo items are available exactly when there is a step to take.
void UpdateEditActions(QAction* undo, QAction* redo);

// File > Import channels: replaces the channels by a channel-list file as one undoable step, or shows
// every refused row with its line and changes nothing.
void ImportChannelsCommand(QWidget* parent);
// File > Export channels: writes the channels in use to a channel-list file, replaced atomically.
void ExportChannelsCommand(QWidget* parent);
