// Widget-free rules of the channel editor: how a typed frequency is normalised, which controls
// are enabled for a channel, how a typed tone is corrected, and what deleting all channels writes.
#pragma once

#include <string>
#include <vector>

#include "codeplug/CodePlug.h"
#include "codeplug/ToneCodec.h"

// Normalises a typed frequency (MHz): the eight fixed frequencies of band "F9", otherwise clamped
// to 100 ... 999, then snapped to the channel grid. Returns "%9.5f"; stepClass receives 0 or 1.
std::string NormalizeFreqText(const std::string& text, const std::string& bandCode, int& stepClass);

// The eight channel frequencies of band "F9": 446.00625 + k x 0.0125, k = 0 ... 7.
double F9ChannelFrequency(int k);

// True when a frequency text is not empty and lies outside the band (the text is shown red).
bool FreqTextOutOfBand(const std::string& text, double lower, double upper);

// What the channel editor's controls show after the enable rules ran on the two frequency texts.
struct ChannelEnableState {
    bool channelUsed = false;   // receive text present: in-use box checked, lists and boxes enabled
    bool transmits = false;     // transmit text present: transmit box checked, encode list enabled
    bool txEditEnabled = false; // the transmit edit can be typed into
    std::string rxText;         // receive edit text afterwards (normalised, or empty)
    std::string txText;         // transmit edit text afterwards (cleared for an unused channel)
    int rxClass = 0;
};
ChannelEnableState ComputeEnableState(const std::string& rxText, const std::string& txText,
                                      const std::string& bandCode);

// How typed tones are checked in this installation: tones outside the lists are refused unless
// [option] allow_illegal_qtdqt is "yes"; then they are corrected (lowCtcss50: the low-CTCSS marker
// file exists, so CTCSS may go down to 50.0 Hz).
struct ToneRules {
    bool allowIllegal = false;
    bool lowCtcss50 = false;
};
ToneRules ToneRulesFromSettings();

// Corrects a tone text typed into a tone list that lost focus, with the settings and the marker
// file of this installation (illegal tones allowed, low CTCSS limit of 50 Hz).
ToneTextResult ApplyToneRule(const std::string& typed, const std::vector<std::string>& entries);

// Empties the whole channel table (16 x 0xFF) and clears the region from 0x0360 to the end of
// the image to 0x00.
void DeleteAllChannels(CodePlug& image);
