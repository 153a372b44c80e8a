// The service access code: typed into the test-password window, it unlocks the service functions
// and the service view for the rest of the run; any other text locks them again.
#pragma once

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* SERVICE_ACCESS_CODE = "pvkrwamt47"; // compared exactly, case-sensitive
inline constexpr int kTextWrongServiceCode = 5202;

// The rule of the service-code window: the code, compared exactly.
bool IsServiceAccessCode(const std::string& text);

// The menu items that follow the service flags: Test frequency (206), Test mode (209) and Batch write
// test data (32780).
std::vector<int> ServiceMenuCommands();

// Enables or grays the menu item of a command; the window leaves alone a command without an item.
using MenuItemEnabler = std::function<void(int commandId, bool enabled)>;

// OK of the test-password window: the right code sets g_bTestEnabled and g_bServiceView and enables
// the service menu items; any other text clears both flags (also when the marker file had set them
// at start-up) and grays the items. True for the right code; the window then shows 5202 otherwise.
bool EnterServiceAccessCode(const std::string& text, const MenuItemEnabler& setMenuItem);
