// The user manual behind F1: every window of the program has a page that explains it, in both
// languages, and the built manual holds every page, section, picture and link it names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/HelpTopics.h"
#include "tests/app/AppTestDir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSource = VPX_SOURCE_DIR;
const fs::path kBuiltManual = fs::path(VPX_BIN_DIR) / "manual";

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The program's windows, found in its headers: the dialogs, the main window and the pages that live
// in the main window's child windows (classes named ...Frm). F1 can be pressed in each. A class that
// others derive from (the read and write windows' common frame) is never shown by itself.
std::set<std::string> WindowClasses()
{
    const std::regex window(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+(\w+))");
    std::set<std::string> classes;
    std::set<std::string> bases;
    for (const char* folder : {"app", "codeplug", "link", "editor", "print", "service", "history", "fleet"}) {
        for (const auto& entry : fs::recursive_directory_iterator(kSource / folder)) {
            if (entry.path().extension() != ".h")
                continue;
            const std::string text = ReadText(entry.path());
            for (std::sregex_iterator m(text.begin(), text.end(), window), end; m != end; ++m) {
                const std::string name = (*m)[1];
                const std::string base = (*m)[2];
                bases.insert(base);
                const bool dialog = base == "QDialog" || base == "QMainWindow" || base == "TransferDialog";
                const bool page = base == "QWidget" && name.size() > 3 && name.ends_with("Frm");
                if (dialog || page)
                    classes.insert(name);
            }
        }
    }
    for (const std::string& base : bases)
        classes.erase(base);
    return classes;
}

// Section ids a Markdown source gives its headings ({#id}).
std::set<std::string> SourceSections(const fs::path& page)
{
    const std::string text = ReadText(page);
    const std::regex id(R"(\{#([A-Za-z0-9-]+)\})");
    std::set<std::string> ids;
    for (std::sregex_iterator m(text.begin(), text.end(), id), end; m != end; ++m)
        ids.insert((*m)[1]);
    return ids;
}

std::set<std::string> Attributes(const std::string& html, const char* name)
{
    const std::regex attribute(std::string(name) + R"lit(="([^"]*)")lit");
    std::set<std::string> values;
    for (std::sregex_iterator m(html.begin(), html.end(), attribute), end; m != end; ++m)
        values.insert((*m)[1]);
    return values;
}

} // namespace

TEST(UserManual, EveryWindowHasItsPageInBothLanguages)
{
    const std::set<std::string> windows = WindowClasses();
    // The scan finds the program's windows (a scan that found nothing would prove nothing).
    for (const char* known : {"CMainFrame", "CMainFrm", "ReadDialog", "TuningDialog", "CSetComFrm"})
        EXPECT_TRUE(windows.count(known)) << known;
    for (const std::string& window : windows)
        EXPECT_FALSE(HelpTopicForWindow(window).empty()) << window << " has no page in the manual";

    for (const auto& [window, topic] : HelpTopics()) {
        const std::string page = topic.substr(0, topic.find('#'));
        const std::string section = HelpTopicSection(topic);
        ASSERT_TRUE(page.ends_with(".html")) << topic;
        for (const char* language : {"en", "zh_CN"}) {
            const fs::path source =
                kSource / "docs" / "manual" / language / (page.substr(0, page.size() - 5) + ".md");
            ASSERT_TRUE(fs::exists(source)) << window << ": " << source;
            if (!section.empty()) {
                EXPECT_TRUE(SourceSections(source).count(section))
                    << window << ": no {#" << section << "} in " << source;
            }
        }
    }
    EXPECT_EQ(HelpTopicForWindow("QMessageBox"), ""); // a message box defers to the window beneath it
}

TEST(UserManual, TheBuiltManualHoldsEveryPagePictureAndLink)
{
    if (!fs::exists(kBuiltManual / "en" / "index.html"))
        GTEST_SKIP() << "the manual is built with the window program";
    for (const char* language : {"en", "zh_CN"}) {
        std::set<std::string> pages;
        for (const auto& entry : fs::directory_iterator(kSource / "docs" / "manual" / language))
            if (entry.path().extension() == ".md")
                pages.insert(entry.path().stem().string() + ".html");
        EXPECT_GE(pages.size(), 9u) << language;
        for (const std::string& page : pages) {
            const fs::path file = kBuiltManual / language / page;
            ASSERT_TRUE(fs::exists(file)) << file;
            const std::string html = ReadText(file);
            EXPECT_NE(html.find("<html lang=\"" +
                                std::regex_replace(std::string(language), std::regex("_"), "-") + "\">"),
                      std::string::npos)
                << file;
            for (const std::string& src : Attributes(html, "src"))
                EXPECT_TRUE(fs::is_regular_file(file.parent_path() / src)) << file << ": picture " << src;
            for (const std::string& href : Attributes(html, "href")) {
                if (href.starts_with("http"))
                    continue;
                const std::string target = href.substr(0, href.find('#'));
                const fs::path linked = target.empty() ? file : file.parent_path() / target;
                ASSERT_TRUE(fs::is_regular_file(linked)) << file << ": link " << href;
                if (href.find('#') != std::string::npos) {
                    const std::string id = href.substr(href.find('#') + 1);
                    EXPECT_TRUE(Attributes(ReadText(linked), "id").count(id)) << file << ": link " << href;
                }
            }
        }
        // Every page F1 opens, at its section.
        for (const auto& [window, topic] : HelpTopics()) {
            const int base = std::string(language) == "en" ? kLangEnglish : kLangChinese;
            const fs::path file = ManualPageFile(kBuiltManual.string(), base, topic);
            ASSERT_TRUE(fs::exists(file)) << window << ": " << file;
            const std::string section = HelpTopicSection(topic);
            if (!section.empty()) {
                EXPECT_TRUE(Attributes(ReadText(file), "id").count(section))
                    << window << ": " << file << "#" << section;
            }
        }
    }
}

TEST(UserManual, FoundBesideABuiltProgramElseInTheInstalledData)
{
    AppTestDir dir;
    const fs::path build = dir.Path() / "build" / "bin";
    const fs::path data = dir.Path() / "usr" / "share" / "vpxds";
    fs::create_directories(build);
    fs::create_directories(data / "manual" / "en");
    EXPECT_EQ(FindManualRoot(build.string(), ""), "");
    EXPECT_EQ(FindManualRoot(build.string(), data.string()), ""); // a folder without its contents page
    std::ofstream(data / "manual" / "en" / "index.html") << "<html></html>";
    EXPECT_EQ(FindManualRoot(build.string(), data.string()), (data / "manual").string());
    fs::create_directories(build / "manual" / "en");
    std::ofstream(build / "manual" / "en" / "index.html") << "<html></html>";
    EXPECT_EQ(FindManualRoot(build.string(), data.string()), (build / "manual").string());

    EXPECT_EQ(ManualPageFile("/m", kLangChinese, "radio.html#read"), "/m/zh_CN/radio.html");
    EXPECT_EQ(ManualPageFile("/m", kLangEnglish, "radio.html#read"), "/m/en/radio.html");
    EXPECT_EQ(ManualPageFile("/m", kLangEnglish, ""), "/m/en/index.html");
    EXPECT_EQ(HelpTopicSection("radio.html#read"), "read");
    EXPECT_EQ(HelpTopicSection("index.html"), "");
}
