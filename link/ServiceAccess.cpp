// Checking the service access code and switching the service flags and menu items.
#include "link/ServiceAccess.h"

#include "app/AppState.h"
#include "app/CommandIds.h"

std::vector<int> ServiceMenuCommands() { return {cmd::kTestFrequency, cmd::kTestMode, cmd::kBatchWriteTest}; }

bool IsServiceAccessCode(const std::string& text) { return text == SERVICE_ACCESS_CODE; }

bool EnterServiceAccessCode(const std::string& text, const MenuItemEnabler& setMenuItem)
{
    const bool granted = IsServiceAccessCode(text);
    g_bTestEnabled = granted;
    g_bServiceView = granted;
    if (setMenuItem) {
        for (int id : ServiceMenuCommands())
            setMenuItem(id, granted);
    }
    return granted;
}
