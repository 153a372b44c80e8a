// Window-to-page table of the user manual and the rules that find the built manual.
#include "app/HelpTopics.h"

#include <filesystem>

#include "app/AppState.h"
#include "app/Settings.h"

namespace {

constexpr const char* kContentsPage = "index.html";

} // namespace

const std::vector<std::pair<std::string, std::string>>& HelpTopics()
{
    static const std::vector<std::pair<std::string, std::string>> topics = {
        {"CMainFrame", "editor.html"},
        {"CMainFrm", "editor.html"},
        {"CChannelDlg", "editor.html#channel-editor"},
        {"CBandLimitDlg", "editor.html#band"},
        {"CTestFreqFrm", "editor.html#test-frequencies"},
        {"CEmbedMsgFrm", "editor.html#embedded-message"},
        {"CSetComFrm", "getting-started.html#port"},
        {"ReadDialog", "radio.html#read"},
        {"WriteDialog", "radio.html#write"},
        {"ModelInfoDialog", "radio.html#radio-information"},
        {"PasswordDialog", "radio.html#passwords"},
        {"TestPasswordDialog", "radio.html#service-code"},
        {"COptionsDlg", "settings.html#options"},
        {"CAboutDlg", kContentsPage},
        {"CPrintPreviewFrame", "printing.html#preview"},
        {"CGotoPageDlg", "printing.html#preview"},
        {"TuningDialog", "service.html#tuning"},
        {"AlignmentDialog", "service.html#alignment-data"},
        {"HistoryDialog", "radio.html#history"},
        {"HistoryDiffDialog", "radio.html#history"},
        {"FleetDialog", "radio.html#fleet"},
    };
    return topics;
}

std::string HelpTopicForWindow(const std::string& className)
{
    for (const auto& [window, topic] : HelpTopics()) {
        if (window == className)
            return topic;
    }
    return {};
}

std::string ManualLanguageFolder(int languageBase) { return languageBase == kLangChinese ? "zh_CN" : "en"; }

std::string FindManualRoot(const std::string& programDir, const std::string& dataDir)
{
    for (const std::string& base : {programDir, dataDir}) {
        if (base.empty())
            continue;
        const std::filesystem::path root = std::filesystem::path(base) / "manual";
        if (FileExists((root / "en" / kContentsPage).string()))
            return root.string();
    }
    return {};
}

std::string ManualPageFile(const std::string& root, int languageBase, const std::string& topic)
{
    const std::string page = topic.substr(0, topic.find('#'));
    return (std::filesystem::path(root) / ManualLanguageFolder(languageBase) /
            (page.empty() ? kContentsPage : page))
        .string();
}

std::string HelpTopicSection(const std::string& topic)
{
    const std::size_t hash = topic.find('#');
    return hash == std::string::npos ? std::string() : topic.substr(hash + 1);
}
