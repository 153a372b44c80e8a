// The wait cursor of a radio window for the length of a transfer, and the boxes shown meanwhile: a
// message box gets the normal cursor while it waits for the user, then the wait cursor comes back.
#pragma once

#include <string>

class BusyCursor {
public:
    BusyCursor() = default;
    ~BusyCursor() { Set(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void Set(bool on);
    bool On() const { return m_on; }

    // Runs ask (a message box) with the normal cursor and returns its result.
    template <typename Ask> auto WithNormalCursor(Ask ask)
    {
        const bool wait = m_on;
        Set(false);
        auto result = ask();
        Set(wait);
        return result;
    }

    // Interface text textNumber, with detail below it when there is one, through ShowMessage.
    void ShowLinkMessage(int textNumber, const std::string& detail);

private:
    bool m_on = false;
};
