// The main menu: one action per command (id kept in QAction::data), captions from interface texts,
// the pruning done at start-up, and the keys that reach commands whether or not a menu item remains.
#pragma once

#include <map>

class QAction;
class QMenuBar;
class QWidget;

// Creates every command action on owner (so its key works without a menu item), fills the menu bar,
// sets the captions of the current language and removes the items that start-up prunes.
void BuildMainMenu(QMenuBar* bar, QWidget* owner, std::map<int, QAction*>& actions);
