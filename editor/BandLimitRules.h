// Widget-free rules of the band-limit dialog: the silent corrections of the custom band's limits
// and first intermediate frequency, and the fields they occupy in the image.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"

// The dialog's three texts and its check box.
struct BandLimitValues {
    std::string lower;  // "%9.5f" MHz, or empty
    std::string upper;  // "%9.5f" MHz, or empty
    std::string ifText; // "%5.2f" MHz, or empty
    bool highSideLo = false;
};

inline constexpr double kBandLimitMin = 100.0;
inline constexpr double kBandLimitMax = 999.995;
inline constexpr double kBandMaxSpan = 70.0;

// The lowest frequency lost focus: snap, keep within 100 ... 999.995 MHz, pull the highest into
// lowest ... lowest + 70 MHz; an empty intermediate frequency becomes "50.00".
void CorrectLowerLimit(BandLimitValues& v);
// The highest frequency lost focus: the mirror rule (lowest pulled into highest - 70 ... highest).
void CorrectUpperLimit(BandLimitValues& v);
// The intermediate frequency lost focus: kept within 0 ... 99.99, shown "%5.2f".
void CorrectIntermediateFreq(BandLimitValues& v);

// What the dialog shows when it opens: empty texts when the lowest-frequency field is unset.
BandLimitValues ReadBandLimits(const CodePlug& image);
// Writes the model block of the custom band, both limits, the intermediate frequency and the
// oscillator flag. The model block carries the band code in byte 5, where the band is read from.
void WriteBandLimits(CodePlug& image, const BandLimitValues& v, const std::string& customBandCode);

// Intermediate frequency field: four BCD digits of 10 kHz units, least significant pair first.
std::string EncodeIntermediateFreq(double mhz);             // 45.00 -> "0045"; "FFFF" outside 0 ... 99.99
std::string DecodeIntermediateFreq(const std::string& hex); // "0045" -> "45.00"; empty when not BCD
