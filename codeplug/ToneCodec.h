// CTCSS/DCS tone fields (2 bytes, low byte first), the tone lists and the typed-tone rule.
#pragma once

#include <string>
#include <vector>

std::string EncodeTone(const std::string& text); // 4 hex digits in stored byte order; "FFFF" for no tone
std::string DecodeTone(const std::string& hex);  // "67.0", "D023N", "D754I" or text 90020 for FFFF

const std::vector<std::string>& CtcssTones();  // 38 entries "67.0" ... "250.3"
const std::vector<std::string>& DcsCodes();    // 83 entries "D023" ... "D754" (no suffix)
bool IsExtensionTone(const std::string& text); // extended tone set of model code "vpxgk"
// A tone text of the lists: a CTCSS tone ("67.0") or a DCS code with its polarity ("D023N", "D754I").
bool IsListedTone(const std::string& text);

// Entries of a tone drop-down list: text 90020, then the CTCSS list, the N list, the I list
// (for the extended-tone model code only the list chosen by kind 0, 1 or 3).
std::vector<std::string> BuildToneList(int kind);

// What a tone list shows after its edit text was typed (the list lost focus).
struct ToneTextResult {
    int selectedIndex; // entry to select, or -1 when the text stays in the edit field
    std::string text;  // the edit text afterwards
};
// allowIllegal: [option] allow_illegal_qtdqt is "yes"; lowCtcss50: the low-CTCSS marker file exists.
ToneTextResult NormalizeToneText(const std::string& typed, const std::vector<std::string>& entries,
                                 bool allowIllegal, bool lowCtcss50);
// The typed-text rewriting alone (steps 2 to 4 with illegal tones allowed).
std::string NormalizeIllegalToneText(const std::string& typed, bool lowCtcss50);
// First entry that begins with text (case-insensitive), -1 when none.
int FindTonePrefix(const std::vector<std::string>& entries, const std::string& text);
