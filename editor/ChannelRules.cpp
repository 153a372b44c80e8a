// Widget-free rules of the channel editor (frequency rule, enable rules, tone rule, delete all).
#include "editor/ChannelRules.h"

#include <cmath>

#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"

namespace {
constexpr double kF9Base = 446.00625;
constexpr double kF9Step = 0.0125;
constexpr double kLowestChannelMHz = 100.0;
constexpr double kHighestChannelMHz = 999.0;
constexpr double kBandTolerance = 0.000001;
} // namespace

double F9ChannelFrequency(int k) { return kF9Base + k * kF9Step; }

std::string NormalizeFreqText(const std::string& text, const std::string& bandCode, int& stepClass)
{
    double f = LeadingNumber(text);
    if (bandCode == "F9") {
        bool onChannel = false;
        for (int k = 0; k < 8; ++k) {
            if (std::fabs(f - F9ChannelFrequency(k)) < 1e-7) {
                onChannel = true;
                f = F9ChannelFrequency(k);
                break;
            }
        }
        if (!onChannel) {
            const double whole = std::trunc(f);
            f = (whole >= 1.0 && whole <= 8.0) ? F9ChannelFrequency(static_cast<int>(whole) - 1) : kF9Base;
        }
    } else if (f < kLowestChannelMHz) {
        f = kLowestChannelMHz;
    } else if (f > kHighestChannelMHz) {
        f = kHighestChannelMHz;
    }
    stepClass = 0;
    return SnapFreq(FormatMHz(f), 4, stepClass);
}

bool FreqTextOutOfBand(const std::string& text, double lower, double upper)
{
    if (TrimBlanks(text).empty()) {
        return false;
    }
    const double f = LeadingNumber(text);
    return f < lower - kBandTolerance || f > upper + kBandTolerance;
}

ChannelEnableState ComputeEnableState(const std::string& rxText, const std::string& txText,
                                      const std::string& bandCode)
{
    ChannelEnableState state;
    if (TrimBlanks(rxText).empty()) {
        // An unused channel: everything cleared and disabled.
        return state;
    }
    state.channelUsed = true;
    state.rxText = NormalizeFreqText(rxText, bandCode, state.rxClass);
    state.txText = TrimBlanks(txText).empty() ? std::string() : txText;
    state.transmits = !state.txText.empty();
    state.txEditEnabled = state.transmits;
    return state;
}

ToneRules ToneRulesFromSettings()
{
    return {ReadYesSetting("option", "allow_illegal_qtdqt"), MarkerPresent(kMarkerLowCtcss)};
}

ToneTextResult ApplyToneRule(const std::string& typed, const std::vector<std::string>& entries)
{
    const ToneRules rules = ToneRulesFromSettings();
    return NormalizeToneText(typed, entries, rules.allowIllegal, rules.lowCtcss50);
}

void DeleteAllChannels(CodePlug& image)
{
    image.Write(Addr::kChannels, std::string(16 * 16 * 2, 'F'));
    const int clearedBytes = CodePlug::kBytes - Addr::kClearedOnDeleteAll;
    image.Write(Addr::kClearedOnDeleteAll, std::string(static_cast<std::size_t>(clearedBytes) * 2, '0'));
}
