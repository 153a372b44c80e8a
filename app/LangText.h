// Interface texts by number from language.sys (UTF-8): key = number + g_nLanguage in section [language].
#pragma once

#include <string>
#include <vector>

// The text for number + g_nLanguage; empty when the file or the key is missing. At most 511 characters.
std::string GetLangText(int number);

// The text for number with %1, %2, ... replaced by args[0], args[1], ... (a placeholder without an
// argument stays as it is).
std::string GetLangTextWith(int number, const std::vector<std::string>& args);

// The text in a given language base, whatever g_nLanguage holds.
std::string GetLangTextIn(int number, int languageBase);

// The language.sys in use: the application directory's when it has one, else the installed copy in
// g_strDataDir (when there is one).
std::string LanguageFilePath();

// Drops the cached copy of language.sys (the file is read once per application directory).
void ResetLangTextCache();
