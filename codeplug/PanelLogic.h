// Rules of the editor page's general-settings panel without widgets: list contents, what each
// stored byte selects, what each selection writes back, and the numeric normalisation of the edits.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"

// One entry of a drop-down list: the text shown and the number attached to it.
struct ListEntry {
    std::string text;
    int data = 0;
};

// One entry of the model list: the text shown and the band code it stands for.
struct ModelEntry {
    std::string text;
    std::string bandCode;
};

// Priority modes (byte 0x0160).
inline constexpr int kPriorityModeNone = 0;
inline constexpr int kPriorityModeOne = 1;
inline constexpr int kPriorityModeTwo = 2;

// List contents, texts already in the current language.
std::vector<ModelEntry> ModelListEntries();
std::vector<ListEntry> VoiceLanguageEntries(); // data = index
std::vector<ListEntry> Pf1Entries();           // text 90020 (0), texts 4403 ... 4413 (1 ... 11)
std::vector<ListEntry> TimeOutEntries();       // "15" ... "600", data = seconds
std::vector<ListEntry> PreAlertEntries();      // text 90028, "1" ... "10", data = index
std::vector<ListEntry> SquelchEntries();       // "0" ... "9"
std::vector<ListEntry> PriorityModeEntries();  // texts 90020, 90024, 4432, data = mode
// Revert-channel entries left by a priority mode; an unknown mode (-1) offers those of mode 0.
std::vector<ListEntry> RevertEntries(int priorityMode);
// Priority-channel entries: text 90020 (0), then every channel in use that belongs to the scan list.
std::vector<ListEntry> PriorityChannelEntries(const std::array<bool, 16>& scanChannelInUse);

// Index of the entry with that data, -1 when none has it.
int IndexOfData(const std::vector<ListEntry>& entries, int data);
// Data of the entry at index, or fallback when the index is outside the list.
int DataAt(const std::vector<ListEntry>& entries, int index, int fallback = 0);
// Index of the model entry for a band code, -1 when the list has none.
int ModelIndexOf(const std::string& bandCode);

// How the priority mode governs the other scan controls.
struct PriorityDependencies {
    bool priorityChannelEnabled = false;
    bool scanBackEnabled = false;
};
PriorityDependencies PriorityDependenciesOf(int priorityMode);

// Decimal rule of the scan-back edits: "7" -> "5.00", "0.1" -> "0.50", "2.57" -> "2.55".
std::string NormalizeScanBackText(const std::string& text);
// The stored byte (1 ... 91) for an edit text, after the decimal rule.
int ScanBackByte(const std::string& text);
// The edit text for a stored byte; bytes outside 1 ... 91 show the nearest end of the range.
std::string ScanBackTextFromByte(int value);
// Integer rule of the pause and dwell edits: "abc" -> "0", "999" -> "300".
std::string NormalizeSecondsText(const std::string& text);
int SecondsValue(const std::string& text);
// The edit text for a stored 16-bit value; values above 300 show 300.
std::string SecondsTextFromValue(int value);
// One spin click (steps = +1 or -1) on an edit text, wrapping at the ends of the range.
std::string StepScanBackText(const std::string& text, int steps);
std::string StepSecondsText(const std::string& text, int steps);

// What the panel shows: the selected index of each list (-1 = no selection) and the edit texts.
struct PanelState {
    int model = -1;
    int voiceLanguage = 1;
    int pf1 = 0;
    int timeOut = 0;
    int preAlert = 0;
    int squelch = -1;
    bool batterySave = false;
    bool wiredClone = false;
    int priorityMode = -1;
    int priorityChannelData = 0; // data of the selected priority-channel entry
    std::string scanBackA = "0.50";
    std::string scanBackB = "0.50";
    int revertData = 0; // data of the selected revert-channel entry
    std::string pause = "0";
    std::string dwell = "0";
};

// The panel for an image. The priority-channel selection needs the channels that can be chosen.
PanelState LoadPanelState(const CodePlug& image, const std::string& bandCode,
                          const std::array<bool, 16>& scanChannelInUse);
// Writes every panel field into the image in the radio's order. A list without a selection
// (squelch or priority mode holding a value no entry represents) leaves its byte as it is.
void StorePanelState(CodePlug& image, const PanelState& state, const std::string& bandCode);

// Channels in use that belong to the scan list, read from the image (what the table shows).
std::array<bool, 16> ScanChannelsInUse(const CodePlug& image);
