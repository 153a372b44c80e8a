// The user manual behind F1: which page explains which window, and where the built manual lies in
// each language.
#pragma once

#include <string>
#include <utility>
#include <vector>

// Window class and the manual page (with its section) that explains it, e.g. {"ReadDialog",
// "radio.html#read"}. Every window that F1 can be pressed in has a line.
const std::vector<std::pair<std::string, std::string>>& HelpTopics();

// The page for a window class; empty when the class has no page of its own (a message box: the
// window beneath it decides).
std::string HelpTopicForWindow(const std::string& className);

// The manual's folder of a language base: "zh_CN" for Chinese, "en" for English.
std::string ManualLanguageFolder(int languageBase);

// The folder of the built manual: programDir/manual beside a built program, else
// dataDir/manual of an installed one; empty when neither holds the manual's contents page.
std::string FindManualRoot(const std::string& programDir, const std::string& dataDir);

// The file of a topic ("radio.html#read" -> root/en/radio.html) in a language; the section is left
// to the caller (HelpTopicSection).
std::string ManualPageFile(const std::string& root, int languageBase, const std::string& topic);
std::string HelpTopicSection(const std::string& topic);
