// The main window as the file commands and the language switch see it: they report to it through
// this interface and never reach the window itself.
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
