// Interface texts from language.sys: the file is parsed once per application (and data) directory into a
// table keyed by the decimal key (number + language base).
#include "app/LangText.h"

#include <string>
#include <unordered_map>

#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/Settings.h"

namespace {

constexpr const char* kLanguageFile = "language.sys";
constexpr const char* kLanguageSection = "language";
constexpr std::size_t kMaxTextChars = 511;

struct TextCache {
    bool loaded = false;
    std::string appDir; // the directories the file was looked for in
    std::string dataDir;
    std::unordered_map<std::string, std::string> texts;
};

TextCache& Cache()
{
    static TextCache cache;
    return cache;
}

const std::unordered_map<std::string, std::string>& Texts()
{
    TextCache& c = Cache();
    if (!c.loaded || c.appDir != g_strAppDir || c.dataDir != g_strDataDir) {
        c.texts.clear();
        const IniFile file(LanguageFilePath());
        // The first key of a repeated number wins, and every text is cut as the profile functions cut it.
        for (const auto& entry : file.Entries(kLanguageSection))
            c.texts.emplace(entry.first, IniFile::CutToChars(entry.second, kMaxTextChars));
        c.appDir = g_strAppDir;
        c.dataDir = g_strDataDir;
        c.loaded = true;
    }
    return c.texts;
}

} // namespace

std::string LanguageFilePath()
{
    const std::string own = AppFilePath(kLanguageFile);
    if (g_strDataDir.empty() || FileExists(own))
        return own;
    return g_strDataDir + "/" + kLanguageFile;
}

std::string GetLangTextIn(int number, int languageBase)
{
    const long long key = static_cast<long long>(number) + languageBase;
    const auto& texts = Texts();
    const auto it = texts.find(std::to_string(key));
    return it == texts.end() ? std::string() : it->second;
}

std::string GetLangText(int number) { return GetLangTextIn(number, g_nLanguage); }

std::string GetLangTextWith(int number, const std::vector<std::string>& args)
{
    const std::string text = GetLangText(number);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t arg =
            i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && arg < args.size() && arg < 9) {
            out += args[arg];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void ResetLangTextCache() { Cache() = TextCache(); }
