// Decisions of the page's model list: what choosing an entry leads to, and the image of the new band.
#pragma once

#include <string>

// What a selection in the model list asks for.
enum class BandChoice {
    Nothing,            // the entry of the image's own band was chosen again
    BandLimitOnCurrent, // the image's own entry is the custom one: edit its limits
    ChangeBand,         // another band: confirm, then build the new image
};
// selected: the chosen entry; imageEntry: the entry matching the image's band (-1 when none).
BandChoice DecideBandChoice(int selected, int imageEntry, const std::string& selectedText);

// The range text found in a custom entry's text ("146-174", "350-390", "433-447", "446-447",
// searched in that order), empty when the entry names none.
std::string PresetRangeIn(const std::string& entryText);

// How the image of a new band is made.
struct BandImagePlan {
    bool custom = false;               // the band is the custom code
    std::string presetRange;           // custom with a preset range
    bool needsBandLimitDialog = false; // custom without a preset: the band-limit dialog supplies the limits
};
BandImagePlan PlanBandImage(const std::string& bandCode, const std::string& entryText);

// The new image for a band that needs no dialog (standard band or preset range); ApplyBand and,
// for the custom code, BuildCustomTestFreqs are left to the caller.
std::string BuildImageForBand(const BandImagePlan& plan, const std::string& bandCode);
// The custom band's image keeping the 13 limit bytes at 0x0350 that the band-limit dialog wrote
// into currentImage.
std::string BuildCustomImageKeepingLimits(const std::string& bandCode, const std::string& currentImage);
