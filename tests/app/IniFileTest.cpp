// Profile-file behaviour that system.ini and language.sys rely on: lookups, cutting, in-place and
// appended writes, line ends, refused input and atomic replacement.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/IniFile.h"
#include "tests/app/AppTestDir.h"

namespace fs = std::filesystem;

TEST(IniFile, LooksUpSectionsAndKeysWithoutRegardToCaseAndTrimsValues)
{
    AppTestDir dir;
    dir.WriteFile("a.ini", "; settings\n"
                           "[Computer]\n"
                           "  COM = com3  \n"
                           "\tSpeed\t=\t9600\t\n"
                           "[ option ]\n"
                           "lock_interface=yes\n"
                           "empty=\n"
                           "novalue\n");
    const IniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.Read("computer", "com"), "com3");
    EXPECT_EQ(ini.Read("COMPUTER", "Com"), "com3");
    EXPECT_EQ(ini.Read(" computer ", " com "), "com3");
    EXPECT_EQ(ini.Read("computer", "speed"), "9600");
    EXPECT_EQ(ini.Read("OPTION", "LOCK_INTERFACE"), "yes");
    EXPECT_EQ(ini.Read("option", "empty"), "");
    EXPECT_TRUE(ini.Has("option", "empty"));
    EXPECT_TRUE(ini.Has("option", "novalue"));
    EXPECT_EQ(ini.Read("option", "novalue"), "");
    // A key of another section and a comment are not values.
    EXPECT_EQ(ini.Read("option", "com"), "");
    EXPECT_FALSE(ini.Has("option", "com"));
    EXPECT_FALSE(ini.Has("computer", "; settings"));
    EXPECT_EQ(ini.Read("nosuch", "com"), "");
}

TEST(IniFile, FirstMatchWins)
{
    AppTestDir dir;
    dir.WriteFile("a.ini", "[language]\n"
                           "language=100000\n"
                           "LANGUAGE=200000\n"
                           "[other]\n"
                           "language=300000\n"
                           "[Language]\n"
                           "language=400000\n"
                           "extra=late\n");
    const IniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.Read("language", "language"), "100000");
    EXPECT_EQ(ini.Read("other", "language"), "300000");
    // Keys of a repeated section are not seen, as with the system's profile functions.
    EXPECT_EQ(ini.Read("language", "extra"), "");
    const auto entries = ini.Entries("LANGUAGE");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].second, "100000");
    EXPECT_EQ(entries[1].second, "200000");
}

TEST(IniFile, CutsValuesTo511CharactersWithoutSplittingCharacters)
{
    AppTestDir dir;
    const std::string chinese = "频"; // three bytes in UTF-8
    std::string longChinese;
    for (int i = 0; i < 600; ++i)
        longChinese += chinese;
    dir.WriteFile("a.ini", "[s]\nlong=" + std::string(600, 'a') + "\nexact=" + std::string(511, 'b') +
                               "\nzh=" + longChinese + "\nquoted=\"" + std::string(520, 'q') + "\"\n");
    const IniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.Read("s", "long"), std::string(511, 'a'));
    EXPECT_EQ(ini.Read("s", "exact"), std::string(511, 'b'));
    const std::string zh = ini.Read("s", "zh");
    EXPECT_EQ(zh.size(), 511u * 3u);
    EXPECT_EQ(zh.substr(zh.size() - 3), chinese);
    EXPECT_EQ(ini.Read("s", "long", 10), std::string(10, 'a'));
    EXPECT_EQ(ini.Read("s", "quoted"), std::string(511, 'q'));
    EXPECT_EQ(IniFile::CutToChars("a频b", 2), "a频");
}

TEST(IniFile, AFileThatCannotBeReadGivesTheAbsentKeyMeanings)
{
    AppTestDir dir;
    const IniFile missing(dir.File("missing.ini"));
    EXPECT_EQ(missing.Read("computer", "com"), "");
    EXPECT_FALSE(missing.Has("computer", "com"));

    fs::create_directory(dir.File("folder.ini"));
    const IniFile folder(dir.File("folder.ini"));
    EXPECT_EQ(folder.Read("computer", "com"), "");

    // A named pipe would block a naive reader forever; it must read as an empty file.
    ASSERT_EQ(mkfifo(dir.File("pipe.ini").c_str(), 0600), 0);
    const IniFile pipe(dir.File("pipe.ini"));
    EXPECT_EQ(pipe.Read("computer", "com"), "");

    // Binary junk, a NUL inside a value and a missing final line end.
    using namespace std::string_literals;
    dir.WriteFile("junk.ini", "\x01\xFF\xFE\n[s]\nk=ab\0cd\n[t]\nlast=1"s);
    const IniFile junk(dir.File("junk.ini"));
    EXPECT_EQ(junk.Read("s", "k"), "ab");
    EXPECT_EQ(junk.Read("t", "last"), "1");
}

TEST(IniFile, WriteReplacesTheKeyInPlaceAndKeepsEveryOtherLine)
{
    AppTestDir dir;
    const std::string before = "; written by hand\n"
                               "[computer]\n"
                               "Com = com1\n"
                               "# a note\n"
                               "\n"
                               "[option]\n"
                               "lock_interface=no\n"
                               "auto_close_rw_window=yes\n";
    dir.WriteFile("system.ini", before);
    IniFile ini(dir.File("system.ini"));
    ASSERT_TRUE(ini.Write("COMPUTER", "com", "com7"));
    EXPECT_EQ(dir.ReadFile("system.ini"), "; written by hand\n"
                                          "[computer]\n"
                                          "Com=com7\n"
                                          "# a note\n"
                                          "\n"
                                          "[option]\n"
                                          "lock_interface=no\n"
                                          "auto_close_rw_window=yes\n");
    EXPECT_EQ(ini.Read("computer", "com"), "com7");
    EXPECT_EQ(IniFile(dir.File("system.ini")).Read("computer", "com"), "com7");

    // Only the first of two equal keys is replaced.
    dir.WriteFile("dup.ini", "[s]\nk=1\nk=2\n");
    IniFile dup(dir.File("dup.ini"));
    ASSERT_TRUE(dup.Write("s", "K", "9"));
    EXPECT_EQ(dir.ReadFile("dup.ini"), "[s]\nk=9\nk=2\n");
}

TEST(IniFile, WriteAppendsAMissingKeyToItsSectionOrANewSection)
{
    AppTestDir dir;
    dir.WriteFile("system.ini", "[computer]\n"
                                "com=com1\n"
                                "\n"
                                "[option]\n"
                                "lock_interface=no\n");
    IniFile ini(dir.File("system.ini"));
    ASSERT_TRUE(ini.Write("Computer", "extra", "1"));
    ASSERT_TRUE(ini.Write("language", "language", "200000"));
    EXPECT_EQ(dir.ReadFile("system.ini"), "[computer]\n"
                                          "com=com1\n"
                                          "extra=1\n"
                                          "\n"
                                          "[option]\n"
                                          "lock_interface=no\n"
                                          "[language]\n"
                                          "language=200000\n");

    // A last line without a line end gets one before the new lines.
    dir.WriteFile("open.ini", "[option]\nlock_interface=no");
    IniFile open(dir.File("open.ini"));
    ASSERT_TRUE(open.Write("option", "auto_close_rw_window", "yes"));
    ASSERT_TRUE(open.Write("file", "file_path", "/home/u/a.dat"));
    EXPECT_EQ(dir.ReadFile("open.ini"),
              "[option]\nlock_interface=no\nauto_close_rw_window=yes\n[file]\nfile_path=/home/u/a.dat\n");

    // A missing file is created.
    IniFile fresh(dir.File("new.ini"));
    ASSERT_TRUE(fresh.Write("option", "lock_interface", "yes"));
    EXPECT_EQ(dir.ReadFile("new.ini"), "[option]\nlock_interface=yes\n");
}

TEST(IniFile, WriteKeepsCrlfLineEndsByteOrderMarkAndUtf8Text)
{
    AppTestDir dir;
    dir.WriteFile(
        "crlf.ini",
        "\xEF\xBB\xBF[language]\r\nlanguage=100000\r\n; 中文注释\r\n[file]\r\nfile_path=/数据/旧.dat\r\n");
    IniFile ini(dir.File("crlf.ini"));
    EXPECT_EQ(ini.Read("language", "language"), "100000");
    ASSERT_TRUE(ini.Write("language", "language", "200000"));
    ASSERT_TRUE(ini.Write("file", "file_path", "/数据/新.dat"));
    ASSERT_TRUE(ini.Write("option", "lock_interface", "no"));
    EXPECT_EQ(
        dir.ReadFile("crlf.ini"),
        "\xEF\xBB\xBF[language]\r\nlanguage=200000\r\n; 中文注释\r\n[file]\r\nfile_path=/数据/新.dat\r\n"
        "[option]\r\nlock_interface=no\r\n");
    EXPECT_EQ(IniFile(dir.File("crlf.ini")).Read("FILE", "FILE_PATH"), "/数据/新.dat");

    // Keys above the first section belong to no section.
    dir.WriteFile("loose.ini", "k=1\n[s]\nk=2\n");
    IniFile loose(dir.File("loose.ini"));
    EXPECT_EQ(loose.Read("s", "k"), "2");
    ASSERT_TRUE(loose.Write("s", "k", "3"));
    EXPECT_EQ(dir.ReadFile("loose.ini"), "k=1\n[s]\nk=3\n");
}

TEST(IniFile, ValuesWithEdgeBlanksOrQuotesSurviveAWriteAndARead)
{
    AppTestDir dir;
    IniFile ini(dir.File("q.ini"));
    ASSERT_TRUE(ini.Write("s", "blanks", " a b "));
    ASSERT_TRUE(ini.Write("s", "quoted", "\"x\""));
    ASSERT_TRUE(ini.Write("s", "inner", "say \"hi\" now"));
    ASSERT_TRUE(ini.Write("s", "empty", ""));
    const IniFile back(dir.File("q.ini"));
    EXPECT_EQ(back.Read("s", "blanks"), " a b ");
    EXPECT_EQ(back.Read("s", "quoted"), "\"x\"");
    EXPECT_EQ(back.Read("s", "inner"), "say \"hi\" now");
    EXPECT_EQ(back.Read("s", "empty"), "");
    EXPECT_TRUE(back.Has("s", "empty"));

    dir.WriteFile("hand.ini", "[s]\nsingle=' x '\nhalf=\"x\n");
    const IniFile hand(dir.File("hand.ini"));
    EXPECT_EQ(hand.Read("s", "single"), " x ");
    EXPECT_EQ(hand.Read("s", "half"), "\"x");
}

TEST(IniFile, WriteRefusesInputThatWouldDamageTheFile)
{
    AppTestDir dir;
    const std::string before = "[option]\nlock_interface=no\n";
    dir.WriteFile("system.ini", before);
    IniFile ini(dir.File("system.ini"));
    // Line breaks would smuggle extra keys or sections into the file.
    EXPECT_FALSE(ini.Write("option", "lock_interface", "no\n[computer]\ncom=com9"));
    EXPECT_FALSE(ini.Write("option", "lock_interface", "a\rb"));
    EXPECT_FALSE(ini.Write("option", "lock=interface", "yes"));
    EXPECT_FALSE(ini.Write("opt]ion", "lock_interface", "yes"));
    EXPECT_FALSE(ini.Write("option", "", "yes"));
    EXPECT_FALSE(ini.Write("", "lock_interface", "yes"));
    EXPECT_FALSE(ini.Write("option", "[x", "yes"));
    EXPECT_FALSE(ini.Write("option", "lock\ninterface", "yes"));
    EXPECT_EQ(dir.ReadFile("system.ini"), before);
    EXPECT_EQ(ini.Read("option", "lock_interface"), "no");
    EXPECT_EQ(dir.EntryCount(), 1);
}

TEST(IniFile, WriteNeverDamagesAFileItCannotRead)
{
    AppTestDir dir;
    // A file far too large to be a settings file is not read and must not be replaced by a tiny one.
    const std::string big(17u * 1024u * 1024u, 'x');
    dir.WriteFile("big.ini", big);
    IniFile bigIni(dir.File("big.ini"));
    EXPECT_EQ(bigIni.Read("s", "k"), "");
    EXPECT_FALSE(bigIni.Write("s", "k", "v"));
    EXPECT_EQ(fs::file_size(dir.File("big.ini")), big.size());

    // A directory in the file's place stays a directory.
    fs::create_directory(dir.File("folder.ini"));
    IniFile folder(dir.File("folder.ini"));
    EXPECT_FALSE(folder.Write("s", "k", "v"));
    EXPECT_TRUE(fs::is_directory(dir.File("folder.ini")));

    // A file in a folder that does not exist cannot be written; nothing is created.
    IniFile nowhere(dir.File("no/such/dir/system.ini"));
    EXPECT_FALSE(nowhere.Write("s", "k", "v"));
    EXPECT_FALSE(dir.Exists("no"));
    EXPECT_EQ(dir.EntryCount(), 2); // big.ini and folder.ini, no temporary file left

    // A settings file made read-only is left as it is (unless the rights in force ignore that).
    dir.WriteFile("locked.ini", "[s]\nk=1\n");
    ASSERT_EQ(chmod(dir.File("locked.ini").c_str(), 0440), 0);
    if (access(dir.File("locked.ini").c_str(), W_OK) != 0) {
        EXPECT_FALSE(IniFile(dir.File("locked.ini")).Write("s", "k", "2"));
        EXPECT_EQ(dir.ReadFile("locked.ini"), "[s]\nk=1\n");
        EXPECT_EQ(dir.EntryCount(), 3);
    }
}

TEST(IniFile, WriteReplacesTheFileAtomically)
{
    AppTestDir dir;
    dir.WriteFile("system.ini", "[option]\nlock_interface=no\n");
    ASSERT_EQ(chmod(dir.File("system.ini").c_str(), 0640), 0);
    const auto permsBefore = fs::status(dir.File("system.ini")).permissions();

    IniFile ini(dir.File("system.ini"));
    ASSERT_TRUE(ini.Write("option", "lock_interface", "yes"));
    EXPECT_EQ(dir.EntryCount(), 1); // the temporary file was renamed, not left behind
    EXPECT_EQ(fs::status(dir.File("system.ini")).permissions(), permsBefore);

    // The write works on the file as it is now, not on the copy loaded earlier: a change made by
    // someone else in between is kept.
    IniFile other(dir.File("system.ini"));
    dir.WriteFile("system.ini", "[option]\nlock_interface=yes\n[computer]\ncom=com2\n");
    ASSERT_TRUE(other.Write("option", "lock_interface", "no"));
    EXPECT_EQ(dir.ReadFile("system.ini"), "[option]\nlock_interface=no\n[computer]\ncom=com2\n");

    // Writing through a link updates the file it points to and keeps the link.
    dir.WriteFile("real.ini", "[s]\nk=1\n");
    fs::create_symlink(dir.File("real.ini"), dir.File("link.ini"));
    IniFile link(dir.File("link.ini"));
    ASSERT_TRUE(link.Write("s", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.ini")));
    EXPECT_EQ(dir.ReadFile("real.ini"), "[s]\nk=2\n");
}
