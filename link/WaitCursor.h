// Wait cursor for the length of a transfer, switched off again on every way out.
#pragma once

#include "link/LinkUi.h"

class WaitCursor {
public:
    explicit WaitCursor(LinkUi& ui) : m_ui(ui) { m_ui.SetWaitCursor(true); }
    ~WaitCursor() { m_ui.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    LinkUi& m_ui;
};
