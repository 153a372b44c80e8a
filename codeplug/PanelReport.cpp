// Caption and value texts of the page's general settings.
#include "codeplug/PanelReport.h"

#include "app/LangText.h"

std::string EntryText(const std::vector<ListEntry>& entries, int index)
{
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return {};
    return entries[static_cast<std::size_t>(index)].text;
}

std::vector<PanelField> DescribePanel(const PanelState& s)
{
    const auto models = ModelListEntries();
    const std::string model = (s.model >= 0 && s.model < static_cast<int>(models.size()))
                                  ? models[static_cast<std::size_t>(s.model)].text
                                  : std::string();
    const auto priority = PriorityChannelEntries({});
    // The priority-channel list shows the channel number itself for every entry but the first.
    const std::string priorityText =
        s.priorityChannelData == 0 ? EntryText(priority, 0) : std::to_string(s.priorityChannelData);
    const auto revert = RevertEntries(s.priorityMode);

    std::vector<PanelField> fields;
    auto add = [&fields](const char* key, int caption, std::string text) {
        fields.push_back({key, GetLangText(caption), std::move(text)});
    };
    auto addCheck = [&fields](const char* key, int caption, bool checked) {
        fields.push_back({key, GetLangText(caption), GetLangText(checked ? 90003 : 90004), true, checked});
    };
    add("model", 4001, model);
    add("voiceLanguage", 4064, EntryText(VoiceLanguageEntries(), s.voiceLanguage));
    fields.push_back({"pf1", "PF1", EntryText(Pf1Entries(), s.pf1)});
    add("timeOut", 4006, EntryText(TimeOutEntries(), s.timeOut));
    add("preAlert", 4007, EntryText(PreAlertEntries(), s.preAlert));
    add("squelch", 4010, EntryText(SquelchEntries(), s.squelch));
    addCheck("batterySave", 4029, s.batterySave);
    addCheck("wiredClone", 4054, s.wiredClone);
    add("priorityMode", 4429, EntryText(PriorityModeEntries(), s.priorityMode));
    add("priorityChannel", 4015, priorityText);
    add("scanBackA", 4430, s.scanBackA);
    add("scanBackB", 4431, s.scanBackB);
    add("revertChannel", 4016, EntryText(revert, IndexOfData(revert, s.revertData)));
    add("pause", 4017, s.pause);
    add("dwell", 4018, s.dwell);
    return fields;
}

std::vector<PanelField> DescribeImagePanel(const CodePlug& image, const std::string& bandCode)
{
    return DescribePanel(LoadPanelState(image, bandCode, ScanChannelsInUse(image)));
}
