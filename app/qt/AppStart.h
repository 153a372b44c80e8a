// Start-up of the window program after the application directory is known: state from the settings
// and marker files, the font, a new code plug, the main window with its editor page, placed and shown.
#pragma once

#include <string>

class CMainFrame;

// Runs the start-up sequence for appDir and returns the shown main window (the caller owns it).
// show = false leaves it hidden (tests that only inspect it).
CMainFrame* StartMainWindow(const std::string& appDir, bool show = true);
