// Widget-free rules of the editor page's general-settings panel.
#include "codeplug/PanelLogic.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"

namespace {

constexpr int kScanBackMinHundredths = 50;
constexpr int kScanBackMaxHundredths = 500;
constexpr int kScanBackStepHundredths = 5;
constexpr int kScanBackMaxByte = 91;
constexpr int kSecondsMax = 300;

std::vector<ListEntry> TextEntries(std::initializer_list<int> numbers)
{
    std::vector<ListEntry> entries;
    int index = 0;
    for (int n : numbers)
        entries.push_back({GetLangText(n), index++});
    return entries;
}

// Reads [blanks][sign]digits[.digits] as the leading number of a text; 0 when there is none.
// Locale-independent on purpose: a decimal comma of the desktop's locale must not change the reading.
double ReadLeadingDecimal(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    bool any = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10.0 + (text[i] - '0');
        any = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            value += (text[i] - '0') * scale;
            scale *= 0.1;
            any = true;
            ++i;
        }
    }
    return any ? sign * value : 0.0;
}

// Leading decimal integer, saturated far beyond the range the edits accept.
long ReadLeadingInteger(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    long sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    long value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        if (value < 1000000)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    return sign * value;
}

// Scan-back time in hundredths of a second after the decimal rule: 50 ... 500, a multiple of 5.
int ScanBackHundredths(const std::string& text)
{
    // The small allowance keeps a typed 2.55 (held as 2.5499999...) from dropping to 2.50.
    const double t = ReadLeadingDecimal(text) * 100.0 + 1e-6;
    if (!(t >= kScanBackMinHundredths))
        return kScanBackMinHundredths;
    if (t > kScanBackMaxHundredths)
        return kScanBackMaxHundredths;
    const int v = static_cast<int>(t);
    return v - v % kScanBackStepHundredths;
}

std::string HundredthsText(int v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d.%02d", v / 100, v % 100);
    return buf;
}

} // namespace

std::vector<ModelEntry> ModelListEntries()
{
    // One entry per band of this build.
    return {{"MX6+ (400-470MHz)", "33"}};
}

std::vector<ListEntry> VoiceLanguageEntries() { return TextEntries({90028, 90033, 90034}); }

std::vector<ListEntry> Pf1Entries()
{
    std::vector<ListEntry> entries{{GetLangText(90020), 0}};
    for (int n = 4403; n <= 4413; ++n)
        entries.push_back({GetLangText(n), n - 4402});
    return entries;
}

std::vector<ListEntry> TimeOutEntries()
{
    std::vector<ListEntry> entries;
    for (int s = 15; s <= 600; s += 15)
        entries.push_back({std::to_string(s), s});
    return entries;
}

std::vector<ListEntry> PreAlertEntries()
{
    std::vector<ListEntry> entries{{GetLangText(90028), 0}};
    for (int s = 1; s <= 10; ++s)
        entries.push_back({std::to_string(s), s});
    return entries;
}

std::vector<ListEntry> SquelchEntries()
{
    std::vector<ListEntry> entries;
    for (int s = 0; s <= 9; ++s)
        entries.push_back({std::to_string(s), s});
    return entries;
}

std::vector<ListEntry> PriorityModeEntries() { return TextEntries({90020, 90024, 4432}); }

std::vector<ListEntry> RevertEntries(int priorityMode)
{
    std::vector<ListEntry> entries;
    int first = 0;
    int last = 1;
    if (priorityMode == kPriorityModeOne) {
        last = 3;
    } else if (priorityMode == kPriorityModeTwo) {
        first = 2;
        last = 3;
    }
    for (int d = first; d <= last; ++d)
        entries.push_back({GetLangText(4043 + d), d});
    return entries;
}

std::vector<ListEntry> PriorityChannelEntries(const std::array<bool, 16>& scanChannelInUse)
{
    std::vector<ListEntry> entries{{GetLangText(90020), 0}};
    for (int n = 1; n <= 16; ++n) {
        if (scanChannelInUse[static_cast<std::size_t>(n - 1)])
            entries.push_back({std::to_string(n), n});
    }
    return entries;
}

int IndexOfData(const std::vector<ListEntry>& entries, int data)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].data == data)
            return static_cast<int>(i);
    }
    return -1;
}

int DataAt(const std::vector<ListEntry>& entries, int index, int fallback)
{
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return fallback;
    return entries[static_cast<std::size_t>(index)].data;
}

int ModelIndexOf(const std::string& bandCode)
{
    const auto models = ModelListEntries();
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (models[i].bandCode == bandCode)
            return static_cast<int>(i);
    }
    return -1;
}

PriorityDependencies PriorityDependenciesOf(int priorityMode)
{
    switch (priorityMode) {
    case kPriorityModeOne:
        return {true, true};
    case kPriorityModeTwo:
        return {false, true};
    default:
        return {false, false};
    }
}

std::string NormalizeScanBackText(const std::string& text)
{
    return HundredthsText(ScanBackHundredths(text));
}

int ScanBackByte(const std::string& text)
{
    return (ScanBackHundredths(text) - kScanBackMinHundredths) / kScanBackStepHundredths + 1;
}

std::string ScanBackTextFromByte(int value)
{
    if (value < 1)
        value = 1;
    if (value > kScanBackMaxByte)
        value = kScanBackMaxByte;
    return HundredthsText((value - 1) * kScanBackStepHundredths + kScanBackMinHundredths);
}

int SecondsValue(const std::string& text)
{
    const long v = ReadLeadingInteger(text);
    if (v < 0)
        return 0;
    if (v > kSecondsMax)
        return kSecondsMax;
    return static_cast<int>(v);
}

std::string NormalizeSecondsText(const std::string& text) { return std::to_string(SecondsValue(text)); }

std::string SecondsTextFromValue(int value)
{
    return std::to_string(value < 0 ? 0 : (value > kSecondsMax ? kSecondsMax : value));
}

std::string StepScanBackText(const std::string& text, int steps)
{
    int v = ScanBackHundredths(text) + steps * kScanBackStepHundredths;
    if (v > kScanBackMaxHundredths)
        v = kScanBackMinHundredths;
    else if (v < kScanBackMinHundredths)
        v = kScanBackMaxHundredths;
    return HundredthsText(v);
}

std::string StepSecondsText(const std::string& text, int steps)
{
    int v = SecondsValue(text) + steps;
    if (v > kSecondsMax)
        v = 0;
    else if (v < 0)
        v = kSecondsMax;
    return std::to_string(v);
}

std::array<bool, 16> ScanChannelsInUse(const CodePlug& image)
{
    std::array<bool, 16> result{};
    for (int n = 1; n <= 16; ++n) {
        const ChannelRow row = RenderChannelRow(image, n, g_band);
        result[static_cast<std::size_t>(n - 1)] = !row.blank && row.scan;
    }
    return result;
}

PanelState LoadPanelState(const CodePlug& image, const std::string& bandCode,
                          const std::array<bool, 16>& scanChannelInUse)
{
    PanelState s;
    s.model = ModelIndexOf(bandCode);

    const int timeOut = image.ReadByte(Addr::kTimeOut) - 1;
    s.timeOut = (timeOut >= 0 && timeOut <= 39) ? timeOut : 0;
    const int preAlert = image.ReadByte(Addr::kTimeOutPreAlert);
    s.preAlert = (preAlert >= 0 && preAlert <= 10) ? preAlert : 0;
    s.pf1 = 0;
    // Stored 0, 1 and 2 are the three languages; anything else falls back to entry 1.
    const int voice = image.ReadByte(Addr::kVoiceLanguage);
    s.voiceLanguage = (voice >= 0 && voice <= 2) ? voice : 1;
    const int squelch = image.ReadByte(Addr::kSquelch);
    s.squelch = (squelch >= 0 && squelch <= 9) ? squelch : -1;
    s.batterySave = image.ReadByte(Addr::kBatterySave) == 1;
    s.wiredClone = image.ReadByte(Addr::kWiredClone) == 1;

    const int mode = image.ReadByte(Addr::kPriorityMode);
    s.priorityMode = (mode >= 0 && mode <= 2) ? mode : -1;

    const int priorityChannel = image.ReadByte(Addr::kPriorityChannel);
    const auto priorityEntries = PriorityChannelEntries(scanChannelInUse);
    s.priorityChannelData = IndexOfData(priorityEntries, priorityChannel) > 0 ? priorityChannel : 0;

    s.scanBackA = ScanBackTextFromByte(image.ReadByte(Addr::kScanBackA));
    s.scanBackB = ScanBackTextFromByte(image.ReadByte(Addr::kScanBackB));

    const auto revert = RevertEntries(s.priorityMode);
    const int revertByte = image.ReadByte(Addr::kRevertChannel);
    s.revertData = IndexOfData(revert, revertByte) >= 0 ? revertByte : revert.front().data;

    s.pause = SecondsTextFromValue(image.ReadWordLE(Addr::kTxPause));
    s.dwell = SecondsTextFromValue(image.ReadWordLE(Addr::kScanDwell));
    return s;
}

void StorePanelState(CodePlug& image, const PanelState& s, const std::string& bandCode)
{
    image.Write(Addr::kModelBlock, GetModelHead(0, 1) + bandCode + "F8FF");
    image.WriteByte(Addr::kPf1Key, DataAt(Pf1Entries(), s.pf1));
    if (s.voiceLanguage >= 0 && s.voiceLanguage <= 2)
        image.WriteByte(Addr::kVoiceLanguage, s.voiceLanguage);
    if (s.timeOut >= 0 && s.timeOut <= 39)
        image.WriteByte(Addr::kTimeOut, s.timeOut + 1);
    if (s.preAlert >= 0 && s.preAlert <= 10)
        image.WriteByte(Addr::kTimeOutPreAlert, s.preAlert);
    if (s.squelch >= 0 && s.squelch <= 9)
        image.WriteByte(Addr::kSquelch, s.squelch);
    image.WriteByte(Addr::kBatterySave, s.batterySave ? 1 : 0);
    image.WriteByte(Addr::kWiredClone, s.wiredClone ? 1 : 0);
    if (s.priorityMode >= 0 && s.priorityMode <= 2)
        image.WriteByte(Addr::kPriorityMode, s.priorityMode);
    image.WriteByte(Addr::kPriorityChannel, s.priorityChannelData);
    image.WriteByte(Addr::kScanBackA, ScanBackByte(s.scanBackA));
    image.WriteByte(Addr::kScanBackB, ScanBackByte(s.scanBackB));
    image.WriteByte(Addr::kRevertChannel, s.revertData);
    image.WriteWordLE(Addr::kTxPause, SecondsValue(s.pause));
    image.WriteWordLE(Addr::kScanDwell, SecondsValue(s.dwell));
}
