// Looking up interface texts by number in the language chosen at start-up.
#include <gtest/gtest.h>

#include <string>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Startup.h"
#include "tests/app/AppTestDir.h"

TEST(LangText, TheKeyIsTheNumberPlusTheLanguageBase)
{
    AppTestDir dir;
    dir.WriteFile("language.sys", "[language]\n"
                                  "100018=关于\n"
                                  "200018=&About\n"
                                  "102004=已被修改。是否保存修改？\n"
                                  "202004=has been changed. Save the changes?\n");
    dir.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    InitAppState(dir.Dir());
    ASSERT_EQ(g_nLanguage, kLangChinese);
    EXPECT_EQ(GetLangText(18), "关于");
    EXPECT_EQ(GetLangText(2004), "已被修改。是否保存修改？");
    EXPECT_EQ(GetLangTextIn(18, kLangEnglish), "&About");

    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    InitAppState(dir.Dir());
    ASSERT_EQ(g_nLanguage, kLangEnglish);
    EXPECT_EQ(GetLangText(18), "&About");
    EXPECT_EQ(GetLangText(2004), "has been changed. Save the changes?");
    EXPECT_EQ(GetLangTextIn(18, kLangChinese), "关于");

    // Missing numbers give the empty text.
    EXPECT_EQ(GetLangText(19), "");
    EXPECT_EQ(GetLangText(0), "");
    EXPECT_EQ(GetLangText(2147483647), "");
}

TEST(LangText, AChineseOnlyFileGivesEmptyEnglishCaptions)
{
    AppTestDir dir;
    dir.WriteFile("language.sys", "[language]\n100001=文件(&F)\n100018=关于\n");
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    InitAppState(dir.Dir());
    EXPECT_EQ(GetLangText(18), "");
    EXPECT_EQ(GetLangText(1), "");
    EXPECT_EQ(GetLangTextIn(1, kLangChinese), "文件(&F)");

    // Without a language file every caption is empty and nothing fails.
    dir.Remove("language.sys");
    ResetLangTextCache();
    EXPECT_EQ(GetLangText(18), "");
    EXPECT_EQ(GetLangTextIn(18, kLangChinese), "");
}

TEST(LangText, TextsFollowProfileRulesAndTheFileIsReadPerDirectory)
{
    AppTestDir dir;
    dir.WriteFile("language.sys", "; comment\r\n"
                                  "[Language]\r\n"
                                  " 100001 =  文件(&F)  \r\n"
                                  "100001=second\r\n"
                                  "100002=" +
                                      std::string(600, 'x') +
                                      "\r\n"
                                      "100003=\" 保持空格 \"\r\n"
                                      "[other]\r\n"
                                      "100004=not a text\r\n");
    dir.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    InitAppState(dir.Dir());
    EXPECT_EQ(GetLangText(1), "文件(&F)");
    EXPECT_EQ(GetLangText(2), std::string(511, 'x'));
    EXPECT_EQ(GetLangText(3), " 保持空格 ");
    EXPECT_EQ(GetLangText(4), "");

    // The parsed file is kept: a change on disk shows only after the cache is dropped.
    dir.WriteFile("language.sys", "[language]\n100001=新的\n");
    EXPECT_EQ(GetLangText(1), "文件(&F)");
    ResetLangTextCache();
    EXPECT_EQ(GetLangText(1), "新的");

    // Another application directory has its own file.
    AppTestDir other;
    other.WriteFile("language.sys", "[language]\n100001=其他\n");
    other.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    InitAppState(other.Dir());
    EXPECT_EQ(GetLangText(1), "其他");
    InitAppState(dir.Dir());
    EXPECT_EQ(GetLangText(1), "新的");
}
