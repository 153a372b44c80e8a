// Model codes, band codes with their limits and default images, the band state and the radio type.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"

// Band state: one per program, set by ApplyBand.
struct BandState {
    std::string code = "33"; // two upper-case hex characters
    double lower = 400.0;    // MHz
    double upper = 470.0;    // MHz
};

// Model-information texts derived from the image (and the radio's reply after a read).
struct ModelInfoTexts {
    std::string serialNumber;    // 15 bytes at 0x03E0
    std::string hardwareVersion; // 8 bytes at 0x03D8
    std::string pcVersion;       // 3 bytes at 0x0302
    std::string mcuVersion;      // 2 bytes at 0x0300, or the radio's firmware after a read
};

extern int g_nRadioType; // 3 at start-up, after New and Open; set by a read from a radio
extern BandState g_band;
extern ModelInfoTexts g_modelInfo;

std::string GetModelHead(int number, int order);     // "5451393531", order 2: "3135395154"
std::string BuildDefaultImage();                     // base default image, 2048 characters
std::string BuildBandImage(const std::string& code); // default image of a band code
// The band an image names: its band code with that band's limits (for "FF" the limits stored at
// 0x0350); a code without limits of its own keeps those of fallback.
BandState BandStateOf(const CodePlug& image, const BandState& fallback);
// The fixed limits of a band code; false for a code without limits of its own ("F0", "FF", unknown).
bool CatalogueBandLimits(const std::string& code, BandState& band);
// Sets g_band and g_modelInfo from the image; the MCU version only when fromRadio is false.
void ApplyBand(const std::string& image, bool fromRadio = false);
std::string ApplyPresetRange(const std::string& image, const std::string& code, const std::string& range);
std::string BuildCustomTestFreqs(const std::string& image); // 0x0280 rewritten for the custom band
std::string CustomBandCode();                               // "FC" when g_nRadioType is 1, else "FF"
std::string BandCodeOf(const std::string& image);           // characters 10-11 of the model block
std::string VersionText(const std::string& hex);       // "0123" -> "1.23"; 3-byte form appends a character
bool FreqOutOfBand(double mhz, const BandState& band); // nonzero and outside the limits +- 0.000001
