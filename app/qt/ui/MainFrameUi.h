// The main window as every other window and command sees it: they report to it through this interface
// and never reach the window itself.
#pragma once

class MainFrameUi {
public:
    // The document, the band or the port changed: the title and the status panes follow now.
    virtual void RefreshTitle() = 0;
    // Closes the main window, and with it the program, without asking about unsaved work again (the
    // caller has asked already).
    virtual void CloseWithoutAsking() = 0;

protected:
    ~MainFrameUi() = default;
};

// Recomputes the main window's title and status panes now.
void UpdateMainTitle();
// The main window that UpdateMainTitle reports to: set by the main window while it exists.
void SetMainFrameUi(MainFrameUi* frame);
// Forgets frame if it is the one set (a main window that goes).
void ClearMainFrameUi(const MainFrameUi* frame);
