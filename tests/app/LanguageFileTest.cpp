// The shipped language.sys: every text number the program uses has a Chinese and an English text,
// and the texts that the program compares or combines stay distinguishable.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/IniFile.h"

namespace fs = std::filesystem;

namespace {

const std::string kSourceDir = VPX_SOURCE_DIR;
const std::string kLanguageFile = kSourceDir + "/res/language.sys";

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Text(const IniFile& file, int number, int base)
{
    return file.Read("language", std::to_string(number + base));
}

// Every text number that the program's windows, dialogs and messages show.
std::vector<int> NumbersInUse()
{
    std::vector<int> n;
    auto range = [&n](int from, int to) {
        for (int i = from; i <= to; ++i)
            n.push_back(i);
    };
    range(1, 25);                                      // menu captions
    range(1001, 1007);                                 // toolbar buttons
    for (int i : {2002, 2004, 2011, 2013, 2014, 2015}) // data files, status bar
        n.push_back(i);
    for (int i : {3003, 3004, 3005, 3006, 3007, 3008, 3009, 3012, 3013, 3014, 3017, 3018, 3019, 3022, 3023,
                  3024, 3025}) // port, read, write, printing errors
        n.push_back(i);
    for (int i :
         {4001, 4003, 4005, 4006, 4007, 4010, 4011, 4012, 4013, 4015, 4016, 4017,
          4018, 4019, 4020, 4021, 4022, 4023, 4026, 4027, 4029, 4043, 4044, 4045,
          4046, 4047, 4048, 4049, 4050, 4051, 4052, 4054, 4064, 4073}) // editor page and channel table
        n.push_back(i);
    for (int i : {4101, 4102, 4103, 4104, 4107, 4108, 4109, 4110, 4111, 4112, 4113}) // channel editor
        n.push_back(i);
    range(4301, 4304);                                 // band limits
    range(9550, 9564);                                 // backup, verification, differences
    range(4403, 4413);                                 // key functions
    range(4429, 4433);                                 // scan options, embedded message
    for (int i : {5001, 5002, 5003, 5201, 5202, 5203}) // test frequencies, test password
        n.push_back(i);
    n.push_back(6801); // needs data read from a radio
    n.push_back(6826); // tuning
    range(6837, 6845);
    range(7000, 7026);                                       // alignment data
    for (int i : {7201, 7204, 7205, 7206, 7208, 7209, 7210}) // About box
        n.push_back(i);
    for (int i : {7601, 7603, 7604}) // printing
        n.push_back(i);
    range(7801, 7808);   // options, passwords
    range(8000, 8006);   // model information
    range(9590, 9593);   // serial device access, settings
    n.push_back(9540);   // Tools menu: radio information
    range(9710, 9720);   // radio history: note, menu, window, captions
    range(9722, 9747);   // radio history: operations, results, filters, buttons, messages
    n.push_back(9703);   // password characters
    range(9510, 9517);   // report: PDF export, preview window, go-to-page dialog
    range(90000, 90039); // common words
    return n;
}

// Text numbers passed as literals to the text lookups in one source text: GetLangText(N),
// GetLangTextIn(N, base), ShowTextMessage(N), the one-line wrappers Text(N) and Lang(N) that sources
// including the text header define, and both branches of "cond ? N : M" as the argument.
std::set<int> NumbersCalledIn(const std::string& source)
{
    const bool wrappers = source.find("app/LangText.h") != std::string::npos;
    static const std::regex call(R"(\b(GetLangText|ShowTextMessage|GetLangTextIn|Text|Lang)\s*\(([^()]*)\))");
    static const std::regex plain(R"(^\s*(\d{1,6})\s*$)");
    static const std::regex withBase(R"(^\s*(\d{1,6})\s*,.*$)");
    static const std::regex choice(R"(\?\s*(\d{1,6})\s*:\s*(\d{1,6})\s*$)");
    std::set<int> found;
    for (std::sregex_iterator it(source.begin(), source.end(), call), end; it != end; ++it) {
        const std::string name = (*it)[1].str();
        const std::string arg = (*it)[2].str();
        if ((name == "Text" || name == "Lang") && !wrappers)
            continue;
        std::smatch m;
        if (name == "GetLangTextIn") {
            if (std::regex_match(arg, m, withBase))
                found.insert(std::stoi(m[1].str()));
        } else if (std::regex_match(arg, m, plain)) {
            found.insert(std::stoi(m[1].str()));
        } else if (std::regex_search(arg, m, choice)) {
            found.insert(std::stoi(m[1].str()));
            found.insert(std::stoi(m[2].str()));
        }
    }
    return found;
}

bool IsValidUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80           ? 0
                          : (c >> 5) == 0x6  ? 1
                          : (c >> 4) == 0xE  ? 2
                          : (c >> 3) == 0x1E ? 3
                                             : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 0x2)
                return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

} // namespace

TEST(LanguageFile, EveryTextNumberInUseHasAChineseAndAnEnglishText)
{
    const IniFile file(kLanguageFile);
    for (int n : NumbersInUse()) {
        EXPECT_FALSE(Text(file, n, kLangChinese).empty()) << "Chinese text " << n;
        EXPECT_FALSE(Text(file, n, kLangEnglish).empty()) << "English text " << n;
    }
    // Captions quoted from the dialog templates are the Chinese texts; 3003 serves the read and the
    // write window alike, so it names neither.
    EXPECT_EQ(Text(file, 3003, kLangChinese), "完成后自动关闭窗口");
    EXPECT_EQ(Text(file, 4006, kLangChinese), "超时定时器(秒)");
    EXPECT_EQ(Text(file, 90000, kLangChinese), "确定(&O)");
    EXPECT_EQ(Text(file, 90001, kLangChinese), "取消(&C)");
    EXPECT_EQ(Text(file, 7802, kLangChinese), "锁定界面");
}

TEST(LanguageFile, EveryTextNumberTheSourcesLookUpExistsInBothLanguages)
{
    // The scanner itself must see the call forms the sources use.
    EXPECT_EQ(NumbersCalledIn("GetLangText(4006) + GetLangText( 90026 ); GetLangTextIn(18, kLangEnglish);"
                              " ShowTextMessage(3012); MyGetLangText(77); GetLangText(n); GetLangText(n + 1);"
                              " GetLangText(on ? 90029 : 90028); Text(4001);"),
              (std::set<int>{18, 3012, 4006, 90026, 90028, 90029}));
    EXPECT_EQ(NumbersCalledIn("#include \"app/LangText.h\"\nQString Text(int n);\nText(7801) + Lang(7802)"),
              (std::set<int>{7801, 7802}));

    const IniFile file(kLanguageFile);
    std::set<int> used;
    for (const char* folder : {"app", "codeplug", "link", "editor", "print", "service", "history", "tools"}) {
        const fs::path root = fs::path(kSourceDir) / folder;
        if (!fs::exists(root))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            for (int n : NumbersCalledIn(ReadWhole(entry.path().string()))) {
                used.insert(n);
                EXPECT_FALSE(Text(file, n, kLangChinese).empty())
                    << "Chinese text " << n << " used in " << entry.path().string();
                EXPECT_FALSE(Text(file, n, kLangEnglish).empty())
                    << "English text " << n << " used in " << entry.path().string();
            }
        }
    }
    std::cout << "text numbers looked up by the sources: " << used.size() << "\n";
}

TEST(LanguageFile, IsOneUtf8SectionWithBothLanguagesForEveryNumber)
{
    const std::string raw = ReadWhole(kLanguageFile);
    ASSERT_FALSE(raw.empty());
    EXPECT_TRUE(IsValidUtf8(raw));

    const IniFile file(kLanguageFile);
    const auto entries = file.Entries("language");
    std::set<std::string> keys;
    std::set<int> chinese;
    std::set<int> english;
    for (const auto& [key, value] : entries) {
        EXPECT_TRUE(keys.insert(key).second) << "key given twice: " << key;
        ASSERT_TRUE(std::regex_match(key, std::regex("[12][0-9]{5}"))) << key;
        const int number = std::stoi(key);
        (number < kLangEnglish ? chinese : english).insert(number % 100000);
        EXPECT_LE(IniFile::CutToChars(value, 511).size(), value.size());
        EXPECT_EQ(IniFile::CutToChars(value, 511), value) << key << " is longer than 511 characters";
    }
    EXPECT_EQ(chinese, english); // no text exists in one language only
    EXPECT_EQ(entries.size(), keys.size());

    // The build puts a copy beside the programs; it must be this file.
    const std::string copy = std::string(VPX_BIN_DIR) + "/language.sys";
    if (fs::exists(copy)) {
        EXPECT_EQ(ReadWhole(copy), raw);
    }
}

TEST(LanguageFile, CaptionsInSecondsSayItInBothLanguages)
{
    // A caption whose English text gives its value in seconds says so in Chinese too, with "(秒)".
    const IniFile file(kLanguageFile);
    int captions = 0;
    for (const auto& [key, english] : file.Entries("language")) {
        const int number = std::stoi(key);
        if (number < kLangEnglish || english.size() < 3 || english.compare(english.size() - 3, 3, "(s)") != 0)
            continue;
        ++captions;
        const std::string chinese = Text(file, number - kLangEnglish, kLangChinese);
        EXPECT_NE(chinese.find("(秒)"), std::string::npos) << "Chinese text " << number - kLangEnglish;
        EXPECT_EQ(chinese.find("(s)"), std::string::npos) << "Chinese text " << number - kLangEnglish;
    }
    EXPECT_GE(captions, 6); // time-out, pre-alert, both scan-back times, pause and dwell time
}

TEST(LanguageFile, DeviceAccessTextsNameTheGroupWhereTheProgramPutsIt)
{
    // The explanation of a refused serial device puts the device's group where %1 stands; the join
    // command names it as well.
    const IniFile file(kLanguageFile);
    for (int base : {kLangChinese, kLangEnglish}) {
        for (int n : {3033, 9590, 9591})
            EXPECT_NE(Text(file, n, base).find("%1"), std::string::npos) << n << " " << base;
        EXPECT_NE(Text(file, 3033, base).find("usermod -aG %1 $USER"), std::string::npos) << base;
        EXPECT_EQ(Text(file, 3012, base).find("dialout"), std::string::npos) << base;
        EXPECT_NE(Text(file, 9592, base).find("sudo apt remove brltty"), std::string::npos) << base;
    }
}

TEST(LanguageFile, TextsTheProgramComparesStayDistinguishable)
{
    const IniFile file(kLanguageFile);
    for (int base : {kLangChinese, kLangEnglish}) {
        auto t = [&](int n) { return Text(file, n, base); };
        // The "no tone" text must not read as a tone: a leading D means DCS, a digit CTCSS.
        const std::string none = t(90020);
        ASSERT_FALSE(none.empty());
        EXPECT_NE(none[0], 'D');
        EXPECT_NE(none[0], 'd');
        EXPECT_FALSE(none[0] >= '0' && none[0] <= '9');

        // Table cells are read back by comparing them with these texts.
        EXPECT_NE(t(90003), t(90004)); // scan yes / no
        EXPECT_NE(t(4047), t(4048));   // wide / narrow
        EXPECT_NE(t(4049), t(4050));   // high / low power
        EXPECT_NE(t(90028), t(90029)); // off / on
        EXPECT_NE(t(90033), t(90034)); // voice prompt languages

        // A tuning item finds its test point as the first of P1 ... P5 contained in its name, so every
        // composed name must lead back to its own point.
        const std::vector<int> points{6837, 6838, 6839, 6840, 6841};
        for (int item : {4107, 7013, 7016}) {
            for (std::size_t k = 0; k < points.size(); ++k) {
                std::string name = t(item) + t(points[k]);
                if (item == 7016)
                    name += t(6843);
                std::size_t found = points.size();
                for (std::size_t j = 0; j < points.size() && found == points.size(); ++j)
                    if (name.find(t(points[j])) != std::string::npos)
                        found = j;
                EXPECT_EQ(found, k) << "base " << base << " item " << item << " point " << k + 1;
            }
        }
        // The names of the inspection items hold no test point at all (they fall back to the middle).
        for (int item : {7014, 7015})
            for (int q : {6842, 6843})
                for (int p : points)
                    EXPECT_EQ((t(item) + t(q)).find(t(p)), std::string::npos) << base << " " << item;

        // Popup menu captions carry a keyboard accelerator.
        for (int popup : {1, 7, 9, 11, 16})
            EXPECT_NE(t(popup).find('&'), std::string::npos) << "menu " << popup;
    }
}
