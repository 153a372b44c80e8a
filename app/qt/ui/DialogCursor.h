// The wait cursor of a radio window: on while the radio is busy, off while a message box waits for
// the user, and never left on when the window goes.
#pragma once

#include <string>

class DialogCursor {
public:
    DialogCursor() = default;
    ~DialogCursor() { SetWait(false); }
    DialogCursor(const DialogCursor&) = delete;
    DialogCursor& operator=(const DialogCursor&) = delete;

    void SetWait(bool on);

    // Runs show (a message box) with the normal cursor; the wait cursor comes back afterwards.
    template <typename Show> auto WithNormalCursor(Show show)
    {
        const bool wait = m_wait;
        SetWait(false);
        auto result = show();
        SetWait(wait);
        return result;
    }

    // Interface text textNumber that reports a failure, with detail below it when there is one: a
    // message box with the warning icon.
    void ShowText(int textNumber, const std::string& detail);
    // Interface text textNumber that reports success ("Reading finished."), with detail below it
    // when there is one ("Verified ..."): a plain message box.
    void ShowSuccess(int textNumber, const std::string& detail);

private:
    bool m_wait = false;
};
