// BCD frequency fields (8 digits in 10 Hz units, byte order reversed) and channel-step snapping.
#pragma once

#include <string>

std::string EncodeFreq(double mhz);                 // 8 hex digits, empty unless 10 <= mhz <= 999
std::string DecodeFreq(const std::string& hex);     // "%9.5f", empty for FFFFFFFF
std::string FreqTextToBcd(const std::string& text); // DDD.DDDDD -> field; "FFFFFFFF" otherwise
// Snaps a frequency text to the channel grid of the mode (1..4); result "%9.5f", stepClass 0 or 1.
std::string SnapFreq(const std::string& text, int mode, int& stepClass);
// Frequency field read as 8 decimal digits x 0.00001 (the table's reading); 0 for a non-digit start.
double FreqFieldMHz(const std::string& hex);
std::string FormatMHz(double mhz);             // "%9.5f"
double LeadingNumber(const std::string& text); // C-library decimal reading of the leading number, 0 if none
