// Band selection rules of the editor page's model list.
#include "editor/BandSelection.h"

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"

namespace {
constexpr int kCustomLimitBytes = 13;
}

BandChoice DecideBandChoice(int selected, int imageEntry, const std::string& selectedText)
{
    if (selected < 0)
        return BandChoice::Nothing;
    if (selected == imageEntry)
        return selectedText == GetLangText(4027) ? BandChoice::BandLimitOnCurrent : BandChoice::Nothing;
    return BandChoice::ChangeBand;
}

std::string PresetRangeIn(const std::string& entryText)
{
    for (const char* range : {"146-174", "350-390", "433-447", "446-447"}) {
        if (entryText.find(range) != std::string::npos)
            return range;
    }
    return {};
}

BandImagePlan PlanBandImage(const std::string& bandCode, const std::string& entryText)
{
    BandImagePlan plan;
    plan.custom = bandCode == CustomBandCode();
    if (plan.custom) {
        plan.presetRange = PresetRangeIn(entryText);
        plan.needsBandLimitDialog = plan.presetRange.empty();
    }
    return plan;
}

std::string BuildImageForBand(const BandImagePlan& plan, const std::string& bandCode)
{
    if (plan.custom && !plan.presetRange.empty())
        return ApplyPresetRange(BuildBandImage(bandCode), bandCode, plan.presetRange);
    return BuildBandImage(bandCode);
}

std::string BuildCustomImageKeepingLimits(const std::string& bandCode, const std::string& currentImage)
{
    const CodePlug current(currentImage);
    CodePlug result(BuildBandImage(bandCode));
    const std::string limits = current.Read(Addr::kCustomLower, kCustomLimitBytes);
    if (!limits.empty())
        result.Write(Addr::kCustomLower, limits);
    return result.Text();
}
