// The page's general settings as caption/value texts, for showing a code plug without the page
// (the command line's show): each value is the text the page's control would show.
#pragma once

#include <string>
#include <vector>

#include "codeplug/PanelLogic.h"

struct PanelField {
    std::string key;      // stable name, used as the JSON key
    std::string caption;  // the control's caption in the current language
    std::string text;     // what the control shows; empty for a list without a selection
    bool isCheck = false; // a check box: checked tells its state
    bool checked = false;
};

// Text of the entry at index, empty when the index is outside the list.
std::string EntryText(const std::vector<ListEntry>& entries, int index);

// Every general setting of the page, in the page's order.
std::vector<PanelField> DescribePanel(const PanelState& state);
// The same for an image as the page would load it in band bandCode.
std::vector<PanelField> DescribeImagePanel(const CodePlug& image, const std::string& bandCode);
